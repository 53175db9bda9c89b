// SPDX-License-Identifier: GPL-3.0-or-later
// The clipboard, and the desktop's selection where it has one, as plain text.
// Platform layer (windows/platform/), below the controls and the windows.
#pragma once

#include <QString>

namespace tavimor {

// The clipboard's text; empty when it holds none.
QString ClipboardText();
void SetClipboardText(const QString &text);
// Whether the desktop has a selection clipboard (X11's primary selection, which a middle click
// pastes), and its text; empty where it has none.
bool SelectionSupported();
QString SelectionText();

}  // namespace tavimor
