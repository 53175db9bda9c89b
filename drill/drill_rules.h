// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of the drill, apart from any window: building the answer options, refusing equal
// forms, drawing and asking a question, judging an answer, the counters, the rate text and the
// time limit. The window runs these from its events and shows their results.
// Drill rules (drill/), plain C++.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "acid_catalogue.h"
#include "drill_state.h"

namespace tavimor {

class RandomSource;

// Shown when a question is to be asked with the question form equal to the answer form.
inline constexpr std::string_view kFormsClashMessage = "問題の形式と解答の形式が同じです";
// Shown when a timed run is started with a time limit that cannot be used.
inline constexpr std::string_view kTimeLimitMessage = "タイムリミットを入力してください";

// The longest time limit in seconds whose interval in milliseconds fits a 32-bit timer.
inline constexpr std::int32_t kLongestTimeLimit = 2147483;
// Shown when a timed run is started with a time limit beyond the longest one.
inline constexpr std::string_view kTimeLimitTooLongMessage =
    "タイムリミットは2147483秒以下で入力してください";

// Puts texts into ascending order. The main window sorts with its sorted list box.
using TextOrder = std::function<std::vector<std::string>(std::vector<std::string>)>;

// Ascending order of Unicode code points (byte order of UTF-8).
std::vector<std::string> AscendingCodePointOrder(std::vector<std::string> texts);

// Rebuilds state.AnswerMap for the written form `answerForm` (0 to 2) and returns the 22
// captions of the answer options in ascending order, joined by "|".
std::string BuildAnswerOptions(DrillState &state, const AcidCatalogue &catalogue, int answerForm,
                               const TextOrder &order);

// True when the question form equals the answer form, so no question can be asked.
bool FormsClash(int questionForm, int answerForm);

// The row drawn for the question form with the uniform value u in [0, 1): 1 to 22 for the text
// forms, 1 to 20 for pictures (rows 21 and 22 have none).
std::int32_t DrawRow(int questionForm, float u);

// Counts a question and draws its row; a question that was waiting is dropped unjudged.
std::int32_t AskQuestion(DrillState &state, int questionForm, RandomSource &random);

struct Judgement {
    std::int32_t row = 0;  // the row of the judged question
    bool right = false;
};

// Judges the answer option `choice` (0-based, or -1 for none) against the waiting question.
// Nothing is judged, and nothing changes, when no question waits.
std::optional<Judgement> JudgeAnswer(DrillState &state, int choice);

// The catalogue row that answer option `choice` (0-based, -1 for none) shows; 0 for none.
std::int32_t AnswerRow(const DrillState &state, int choice);

// Clears the three counters.
void ResetCounts(DrillState &state);

// Brings the state to rest: no question waits; the counters are cleared only when asked.
void ResetDrillState(DrillState &state, bool clearCounts);

// A counter plus one. A counter stops at the largest 32-bit value rather than wrap.
std::int32_t CountUp(std::int32_t count);

// The rate of right answers in per cent with one decimal ("0.0" when nothing was judged).
std::string RateText(std::int32_t judgedCount, std::int32_t rightCount);

// The timer interval in milliseconds for a time limit in seconds, or nothing when the limit is
// refused: below 1, or beyond kLongestTimeLimit.
std::optional<std::int32_t> TimerInterval(std::int32_t limitSeconds);

// The message that refuses a time limit TimerInterval does not take.
std::string_view TimeLimitRefusal(std::int32_t limitSeconds);

}  // namespace tavimor
