// Platform layer (windows/platform/): see clipboard.h.
#include "clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace tavimor {

QString ClipboardText()
{
    return QGuiApplication::clipboard()->text();
}

void SetClipboardText(const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
}

}  // namespace tavimor
