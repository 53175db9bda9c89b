// An option button that answers a click anywhere in its box, not only on its circle and text:
// the answer options are laid out on a grid, and the whole cell is the target.
// Platform layer (windows/platform/), below the controls and the windows.
#pragma once

#include <QRadioButton>

namespace tavimor {

class OptionButton : public QRadioButton {
    Q_OBJECT

public:
    using QRadioButton::QRadioButton;

protected:
    bool hitButton(const QPoint &pos) const override;
};

}  // namespace tavimor
