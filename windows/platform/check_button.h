// SPDX-License-Identifier: GPL-3.0-or-later
// A check box that answers a click anywhere in its box, not only on its square and text, and
// whose access key clicks it at once (access_key.h).
// Platform layer (windows/platform/), below the controls and the windows.
#pragma once

#include <QCheckBox>

namespace tavimor {

class CheckButton : public QCheckBox {
    Q_OBJECT

public:
    // The button's cell is part of the surface it stands on: its background is filled in the
    // Window role, where the program puts its colours, not in Qt's Button role for buttons.
    explicit CheckButton(QWidget *parent = nullptr);

protected:
    bool event(QEvent *event) override;
    bool hitButton(const QPoint &pos) const override;
};

}  // namespace tavimor
