// SPDX-License-Identifier: GPL-3.0-or-later
// Modal message boxes. Everything the program tells the user in a box goes through the one
// installed service; tests install a recorder in place of the real boxes.
// Platform layer (windows/platform/), below the controls and the windows.
#pragma once

#include <QString>
#include <functional>

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
    // Shows the box and runs `closed` (when given) once the user has closed it. A box that can
    // wait for the user does so, as Show does, and runs `closed` before it returns. In the
    // browser no box can wait: Open returns at once, the box keeps the rest of the program from
    // input, and `closed` runs when OK is clicked.
    virtual void Open(const QString &text, int style, const QString &title,
                      const std::function<void()> &closed)
    {
        Show(text, style, title);
        if (closed) {
            closed();
        }
    }
};

// Makes `service` the one that shows every box; nullptr puts the real boxes back. The caller
// keeps ownership and must uninstall the service before destroying it.
void InstallMessageBoxService(MessageBoxService *service);

// Shows a modal box through the installed service. What must follow the user's OK goes into
// `closed`, which runs after it on every platform.
void MsgBox(const QString &text, int style, const QString &title = QStringLiteral("Tavimor"),
            const std::function<void()> &closed = {});

}  // namespace tavimor
