// SPDX-License-Identifier: GPL-3.0-or-later
// Drill rules (drill/), plain C++: see drill_rules.h.
#include "drill_rules.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "number_text.h"
#include "random_source.h"

namespace tavimor {

std::vector<std::string> AscendingCodePointOrder(std::vector<std::string> texts)
{
    std::stable_sort(texts.begin(), texts.end());
    return texts;
}

std::string BuildAnswerOptions(DrillState &state, const AcidCatalogue &catalogue, int answerForm,
                               const TextOrder &order)
{
    state.AnswerMap.fill(0);

    std::vector<std::string> texts;
    texts.reserve(AcidCatalogue::kRowCount);
    for (int row = AcidCatalogue::kFirstRow; row <= AcidCatalogue::kLastRow; ++row) {
        texts.push_back(catalogue.Text(answerForm, row));
    }
    const std::vector<std::string> sorted = order(texts);

    std::string captions;
    const std::size_t positions = std::min<std::size_t>(sorted.size(), AcidCatalogue::kRowCount);
    for (std::size_t p = 1; p <= positions; ++p) {
        const std::string &text = sorted[p - 1];
        for (int row = AcidCatalogue::kFirstRow; row <= AcidCatalogue::kLastRow; ++row) {
            if (catalogue.Text(answerForm, row) == text) {
                state.AnswerMap[p] = row;
                break;
            }
        }
        if (p > 1) {
            captions += '|';
        }
        captions += text;
    }
    return captions;
}

bool FormsClash(int questionForm, int answerForm)
{
    return questionForm == answerForm;
}

std::int32_t DrawRow(int questionForm, float u)
{
    const int rows = questionForm < static_cast<int>(NotationForm::Picture)
                         ? AcidCatalogue::kRowCount
                         : AcidCatalogue::kPictureRowCount;
    const double drawn = std::floor(static_cast<double>(u) * rows + 1.0);
    // A source that strays outside [0, 1) still gives a row of the form.
    if (!(drawn >= 1.0)) {
        return 1;
    }
    return static_cast<std::int32_t>(std::min<double>(drawn, rows));
}

std::int32_t AskQuestion(DrillState &state, int questionForm, RandomSource &random)
{
    state.Answered = false;
    state.AskedCount = CountUp(state.AskedCount);
    const std::int32_t row = DrawRow(questionForm, random.NextSingle());
    state.CurrentRow = row;
    return row;
}

std::int32_t AnswerRow(const DrillState &state, int choice)
{
    if (choice < -1 || choice >= DrillState::kMapSize - 1) {
        return 0;
    }
    return state.AnswerMap[static_cast<std::size_t>(choice) + 1];
}

std::optional<Judgement> JudgeAnswer(DrillState &state, int choice)
{
    if (state.Answered) {
        return std::nullopt;
    }
    Judgement judgement;
    judgement.row = state.CurrentRow;
    state.CurrentRow = 0;
    state.JudgedCount = state.AskedCount;
    judgement.right = judgement.row != 0 && AnswerRow(state, choice) == judgement.row;
    if (judgement.right) {
        state.RightCount = CountUp(state.RightCount);
    }
    state.Answered = true;
    return judgement;
}

void ResetCounts(DrillState &state)
{
    state.AskedCount = 0;
    state.JudgedCount = 0;
    state.RightCount = 0;
}

void ResetDrillState(DrillState &state, bool clearCounts)
{
    state.CurrentRow = 0;
    if (clearCounts) {
        ResetCounts(state);
    }
    state.Answered = true;
}

std::int32_t CountUp(std::int32_t count)
{
    return count < std::numeric_limits<std::int32_t>::max() ? count + 1 : count;
}

std::string RateText(std::int32_t judgedCount, std::int32_t rightCount)
{
    float rate = 0.0f;
    if (judgedCount != 0) {
        rate = static_cast<float>(static_cast<double>(rightCount) * 100.0 /
                                  static_cast<double>(static_cast<float>(judgedCount)));
    }
    const ParsedNumber readBack = ParseNumber(GeneralNumberText(rate));
    return FormatOneDecimal(readBack.value);
}

std::optional<std::int32_t> TimerInterval(std::int32_t limitSeconds)
{
    if (limitSeconds < 1 || limitSeconds > kLongestTimeLimit) {
        return std::nullopt;
    }
    return limitSeconds * 1000;
}

}  // namespace tavimor

namespace tavimor {

std::string_view TimeLimitRefusal(std::int32_t limitSeconds)
{
    return limitSeconds > kLongestTimeLimit ? kTimeLimitTooLongMessage : kTimeLimitMessage;
}

}  // namespace tavimor
