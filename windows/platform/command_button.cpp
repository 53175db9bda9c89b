// SPDX-License-Identifier: GPL-3.0-or-later
// Platform layer (windows/platform/): see command_button.h.
#include "command_button.h"

#include "access_key.h"

namespace tavimor {

CommandButton::CommandButton(const QString &text, QWidget *parent) : QPushButton(text, parent) {}

bool CommandButton::event(QEvent *event)
{
    return ClickOnAccessKey(this, event) || QPushButton::event(event);
}

}  // namespace tavimor
