// SPDX-License-Identifier: GPL-3.0-or-later
// Modal message boxes. Everything the program tells the user in a box goes through the one
// installed service; tests install a recorder in place of the real boxes.
// Platform layer (windows/platform/), below the controls and the windows.
#pragma once

#include <QString>

namespace tavimor {

// Styles: an icon and a single OK button.
inline constexpr int kMsgBoxCritical = 16;     // critical-stop icon
inline constexpr int kMsgBoxExclamation = 48;  // exclamation icon

class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    // Shows the box and returns when the user has closed it. A carriage return in the text
    // breaks the line.
    virtual void Show(const QString &text, int style, const QString &title) = 0;
};

// Makes `service` the one that shows every box; nullptr puts the real boxes back. The caller
// keeps ownership and must uninstall the service before destroying it.
void InstallMessageBoxService(MessageBoxService *service);

// Shows a modal box through the installed service.
void MsgBox(const QString &text, int style, const QString &title = QStringLiteral("Tavimor"));

}  // namespace tavimor
