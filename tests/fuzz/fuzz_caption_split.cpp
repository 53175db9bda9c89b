// SPDX-License-Identifier: GPL-3.0-or-later
// Any caption list split into captions: no caption holds a bar, only the last may be empty, and
// the captions joined again give the list with its empty pieces dropped.
#include <QString>
#include <QStringList>
#include <cstdlib>

#include "caption_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString captions =
        QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QStringList list = tavimor::SplitCaptions(captions);
    if (list.isEmpty()) {
        std::abort();
    }
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (list[i].contains(QLatin1Char('|')) || (list[i].isEmpty() && i + 1 < list.size())) {
            std::abort();
        }
    }
    QStringList pieces = captions.split(QLatin1Char('|'), Qt::SkipEmptyParts);
    QStringList shown = list;
    if (shown.last().isEmpty()) {
        shown.removeLast();
    }
    if (pieces != shown) {
        std::abort();
    }
    return 0;
}
