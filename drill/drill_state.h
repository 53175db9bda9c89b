// SPDX-License-Identifier: GPL-3.0-or-later
// The state of one drill: whether a question waits, which row it asked, the three counters and
// the map from answer-option positions back to catalogue rows.
// Drill rules (drill/), plain C++.
#pragma once

#include <array>
#include <cstdint>

namespace tavimor {

struct DrillState {
    // Answer-option positions 1 to 22; position 0 is what a missing choice (index -1) looks up.
    static constexpr int kMapSize = 23;

    // True when no question waits for its answer.
    bool Answered = true;
    // The catalogue row of the waiting question; 0 when there is none.
    std::int32_t CurrentRow = 0;
    // Questions asked since the counts were last cleared.
    std::int32_t AskedCount = 0;
    // The question count on display: AskedCount as it stood at the last judgement.
    std::int32_t JudgedCount = 0;
    // Right answers since the counts were last cleared.
    std::int32_t RightCount = 0;
    // For answer-option position p (1 to 22), the catalogue row shown there; position 0 holds 0.
    std::array<std::int32_t, kMapSize> AnswerMap{};
};

}  // namespace tavimor
