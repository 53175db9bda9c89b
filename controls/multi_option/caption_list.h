// SPDX-License-Identifier: GPL-3.0-or-later
// The captions of an option group split from their "|"-separated list: a bar ends a caption
// that has text, runs of bars and bars at the start make no empty captions, a bar at the very
// end leaves one final empty caption, and nothing is trimmed. The list has at least one entry.
// Multi-option control (controls/multi_option/).
#pragma once

#include <QString>
#include <QStringList>

namespace tavimor {

QStringList SplitCaptions(const QString &captions);

}  // namespace tavimor
