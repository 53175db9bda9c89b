// The clipboard, as plain text.
#pragma once

#include <QString>

namespace tavimor {

// The clipboard's text; empty when it holds none.
QString ClipboardText();
void SetClipboardText(const QString &text);

}  // namespace tavimor
