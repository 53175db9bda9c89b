// The clipboard, as plain text.
// Platform layer (windows/platform/), below the controls and the windows.
#pragma once

#include <QString>

namespace tavimor {

// The clipboard's text; empty when it holds none.
QString ClipboardText();
void SetClipboardText(const QString &text);

}  // namespace tavimor
