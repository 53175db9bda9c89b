// SPDX-License-Identifier: GPL-3.0-or-later
// Answering by typing: which option of a group the letters typed so far reach. Typed text
// extends the search while keys follow each other within a second; the first option whose
// caption starts with it is reached. Typing the same single character again moves on to the
// next option that starts with it, round to the first. Captions are compared as shown (without
// their access keys' "&"), Latin letters without regard to case, full- and half-width forms
// alike, and hiragana as katakana, so that an input method's りし reaches リシン.
// Multi-option control (controls/multi_option/).
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace tavimor {

class TypeAhead {
public:
    // How long a search waits for its next key, in milliseconds.
    static constexpr unsigned long kPause = 1000;

    // The option the text typed at `time` (a key event's time stamp, in milliseconds) reaches
    // among `captions`, from the option `current` (-1 for none); `usable` says which options may
    // be reached. -1 when none is, and the search then stays as it was.
    int Find(const QString &typed, unsigned long time, const QStringList &captions, int current,
             const std::function<bool(int)> &usable);

private:
    QString m_typed;
    unsigned long m_time = 0;
};

}  // namespace tavimor
