// SPDX-License-Identifier: GPL-3.0-or-later
// Multi-option control (controls/multi_option/): see type_ahead.h.
#include "type_ahead.h"

#include "access_key.h"

namespace tavimor {
namespace {

// A text in the form in which captions and keys are compared.
QString Folded(const QString &text)
{
    QString folded = CaptionAsShown(text).normalized(QString::NormalizationForm_KC).toCaseFolded();
    for (QChar &c : folded) {
        if (c.unicode() >= 0x3041 && c.unicode() <= 0x3096) {  // hiragana ぁ ... ゖ
            c = QChar(static_cast<char16_t>(c.unicode() + 0x60));
        }
    }
    return folded;
}

}  // namespace

int TypeAhead::Find(const QString &typed, unsigned long time, const QStringList &captions,
                    int current, const std::function<bool(int)> &usable)
{
    const QString key = Folded(typed);
    if (key.isEmpty()) {
        return -1;
    }
    const QString previous = time - m_time <= kPause ? m_typed : QString();
    const QString search = previous + key;
    // The same character over again cycles through the options that start with it.
    const bool cycling =
        key.size() == 1 && search.size() > 1 && search.count(key.at(0)) == search.size();
    const QString prefix = cycling ? key : search;
    const int count = static_cast<int>(captions.size());
    const int first = cycling ? current + 1 : 0;
    for (int step = 0; step < count; ++step) {
        const int index = ((first + step) % count + count) % count;
        if (usable(index) && Folded(captions.at(index)).startsWith(prefix)) {
            m_typed = search;
            m_time = time;
            return index;
        }
    }
    return -1;
}

}  // namespace tavimor
