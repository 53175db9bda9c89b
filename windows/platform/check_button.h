// A check box that answers a click anywhere in its box, not only on its square and text.
// Platform layer (windows/platform/), below the controls and the windows.
#pragma once

#include <QCheckBox>

namespace tavimor {

class CheckButton : public QCheckBox {
    Q_OBJECT

public:
    using QCheckBox::QCheckBox;

protected:
    bool hitButton(const QPoint &pos) const override;
};

}  // namespace tavimor
