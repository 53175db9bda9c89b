// SPDX-License-Identifier: GPL-3.0-or-later
// An option button that answers a click anywhere in its box, not only on its circle and text:
// the answer options are laid out on a grid, and the whole cell is the target. Its background
// leaves the border of the frame it stands in whole.
// Platform layer (windows/platform/), below the controls and the windows.
#pragma once

#include <QRadioButton>

namespace tavimor {

class OptionButton : public QRadioButton {
    Q_OBJECT

public:
    // The button's cell is part of the surface it stands on: its background is filled in the
    // Window role, where the program puts its colours, not in Qt's Button role for buttons.
    explicit OptionButton(QWidget *parent = nullptr);

protected:
    bool hitButton(const QPoint &pos) const override;
    void paintEvent(QPaintEvent *event) override;
};

}  // namespace tavimor
