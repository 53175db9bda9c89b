// SPDX-License-Identifier: GPL-3.0-or-later
// Platform layer (windows/platform/): see access_key.h.
#include "access_key.h"

#include <QAbstractButton>
#include <QShortcutEvent>

namespace tavimor {

QString CaptionAsShown(const QString &caption)
{
    QString shown;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == QLatin1Char('&') && i + 1 < caption.size()) {
            ++i;
        }
        shown += caption.at(i);
    }
    return shown;
}

bool ClickOnAccessKey(QAbstractButton *button, QEvent *event)
{
    if (event->type() != QEvent::Shortcut) {
        return false;
    }
    const auto *shortcut = static_cast<const QShortcutEvent *>(event);
    if (shortcut->isAmbiguous() || shortcut->key() != button->shortcut()) {
        return false;
    }
    button->click();
    return true;
}

}  // namespace tavimor
