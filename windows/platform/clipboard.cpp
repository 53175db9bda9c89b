// SPDX-License-Identifier: GPL-3.0-or-later
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

bool SelectionSupported()
{
    return QGuiApplication::clipboard()->supportsSelection();
}

QString SelectionText()
{
    return SelectionSupported() ? QGuiApplication::clipboard()->text(QClipboard::Selection)
                                : QString();
}

}  // namespace tavimor
