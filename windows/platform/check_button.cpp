// SPDX-License-Identifier: GPL-3.0-or-later
// Platform layer (windows/platform/): see check_button.h.
#include "check_button.h"

#include "access_key.h"

namespace tavimor {

CheckButton::CheckButton(QWidget *parent) : QCheckBox(parent)
{
    setBackgroundRole(QPalette::Window);
}

bool CheckButton::event(QEvent *event)
{
    return ClickOnAccessKey(this, event) || QCheckBox::event(event);
}

bool CheckButton::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}

}  // namespace tavimor
