// SPDX-License-Identifier: GPL-3.0-or-later
// Multi-option control (controls/multi_option/): see caption_list.h.
#include "caption_list.h"

namespace tavimor {

QStringList SplitCaptions(const QString &captions)
{
    QStringList list{QString()};
    qsizetype start = 0;
    for (qsizetype i = 0; i <= captions.size(); ++i) {
        if (i == captions.size() || captions[i] == QLatin1Char('|')) {
            if (i > start) {
                list.last() = captions.mid(start, i - start);
                if (i < captions.size()) {
                    list.append(QString());
                }
            }
            start = i + 1;
        }
    }
    return list;
}

}  // namespace tavimor
