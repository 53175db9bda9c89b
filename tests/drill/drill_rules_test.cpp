// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the drill rules: answer options, asking, judging, rates and the timer's interval.
#include "drill_rules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>
#include <sstream>
#include <vector>

#include "random_source.h"

namespace tavimor {
namespace {

// Gives the values it was handed, in turn.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<float> values) : m_values(std::move(values)) {}
    float NextSingle() override { return m_values.at(m_next++ % m_values.size()); }

private:
    std::vector<float> m_values;
    std::size_t m_next = 0;
};

std::vector<std::string> SplitBars(const std::string &captions)
{
    std::vector<std::string> pieces;
    std::stringstream stream(captions);
    for (std::string piece; std::getline(stream, piece, '|');) {
        pieces.push_back(piece);
    }
    return pieces;
}

const float kLargestBelowOne = std::nextafter(1.0f, 0.0f);

TEST(BuildAnswerOptions, LatinColumnsSortAlphabetically)
{
    const AcidCatalogue catalogue = BuildAcidCatalogue();
    DrillState state;
    EXPECT_EQ(BuildAnswerOptions(state, catalogue, 0, AscendingCodePointOrder),
              "A|B|C|D|E|F|G|H|I|K|L|M|N|P|Q|R|S|T|V|W|Y|Z");
    EXPECT_EQ(BuildAnswerOptions(state, catalogue, 1, AscendingCodePointOrder),
              "Ala|Arg|Asn|Asp|Asx|Cys|Gln|Glu|Glx|Gly|His|Ile|Leu|Lys|Met|Phe|Pro|Ser|Thr|Trp|"
              "Tyr|Val");
}

// Whatever order the window's list gives, option k shows the text of row AnswerMap[k + 1].
TEST(BuildAnswerOptions, MapIsABijectionBackToTheShownRows)
{
    const AcidCatalogue catalogue = BuildAcidCatalogue();
    const TextOrder reversed = [](std::vector<std::string> texts) {
        texts = AscendingCodePointOrder(std::move(texts));
        return std::vector<std::string>(texts.rbegin(), texts.rend());
    };
    for (const TextOrder &order : {TextOrder(AscendingCodePointOrder), reversed}) {
        for (int form = 0; form < 3; ++form) {
            SCOPED_TRACE(form);
            DrillState state;
            state.AnswerMap.fill(99);
            const std::vector<std::string> captions =
                SplitBars(BuildAnswerOptions(state, catalogue, form, order));
            ASSERT_EQ(captions.size(), 22u);
            EXPECT_EQ(state.AnswerMap[0], 0);
            std::set<int> rows;
            for (int k = 0; k < 22; ++k) {
                const int row = state.AnswerMap[static_cast<std::size_t>(k) + 1];
                ASSERT_GE(row, 1);
                ASSERT_LE(row, 22);
                rows.insert(row);
                EXPECT_EQ(catalogue.Text(form, row), captions[static_cast<std::size_t>(k)]);
            }
            EXPECT_EQ(rows.size(), 22u);
        }
    }
}

TEST(BuildAnswerOptions, SharedPrefixesMapToTheirOwnRows)
{
    const AcidCatalogue catalogue = BuildAcidCatalogue();
    DrillState state;
    const std::vector<std::string> names =
        SplitBars(BuildAnswerOptions(state, catalogue, 2, AscendingCodePointOrder));
    const struct {
        const char *text;
        int row;
    } expected[] = {{"アスパラギン", 3}, {"アスパラギン酸", 4}, {"アスパラギンX", 21}};
    for (const auto &e : expected) {
        for (std::size_t k = 0; k < names.size(); ++k) {
            if (names[k] == e.text) {
                EXPECT_EQ(state.AnswerMap[k + 1], e.row) << e.text;
            }
        }
    }
    const std::vector<std::string> codes =
        SplitBars(BuildAnswerOptions(state, catalogue, 1, AscendingCodePointOrder));
    EXPECT_EQ(codes[2], "Asn");
    EXPECT_EQ(state.AnswerMap[3], 3);
    EXPECT_EQ(codes[3], "Asp");
    EXPECT_EQ(state.AnswerMap[4], 4);
}

TEST(FormsClash, OnlyEqualFormsClash)
{
    for (int question = 0; question <= 3; ++question) {
        for (int answer = 0; answer <= 2; ++answer) {
            EXPECT_EQ(FormsClash(question, answer), question == answer);
        }
    }
}

TEST(DrawRow, StaysWithinTheRowsOfTheForm)
{
    const struct {
        int form;
        float u;
        int row;
    } cases[] = {
        {0, 0.0f, 1},
        {2, 0.0f, 1},
        {3, 0.0f, 1},
        {0, kLargestBelowOne, 22},
        {1, 0.5f, 12},
        {3, 0.5f, 11},
        {3, kLargestBelowOne, 20},
        {0, 1.0f, 22},
        {3, 1.0f, 20},
        {0, -0.5f, 1},  // a source outside [0, 1)
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.u);
        EXPECT_EQ(DrawRow(c.form, c.u), c.row);
    }
}

TEST(DrawRow, EveryRowOfTheFormCanBeDrawnAndNoOther)
{
    for (int form = 0; form <= 3; ++form) {
        const int rows = form == 3 ? 20 : 22;
        std::set<int> drawn;
        for (int i = 0; i < 10000; ++i) {
            drawn.insert(DrawRow(form, static_cast<float>(i) / 10000.0f));
        }
        EXPECT_EQ(drawn.size(), static_cast<std::size_t>(rows));
        EXPECT_EQ(*drawn.begin(), 1);
        EXPECT_EQ(*drawn.rbegin(), rows);
    }
}

TEST(QuestionCycle, AskTwiceThenAnswerRightCountsOneOfTwo)
{
    const AcidCatalogue catalogue = BuildAcidCatalogue();
    DrillState state;
    BuildAnswerOptions(state, catalogue, 1, AscendingCodePointOrder);
    ScriptedRandom random({0.0f, 0.5f});

    EXPECT_EQ(AskQuestion(state, 0, random), 1);
    EXPECT_FALSE(state.Answered);
    const int row = AskQuestion(state, 0, random);
    EXPECT_EQ(row, 12);
    EXPECT_EQ(state.AskedCount, 2);
    EXPECT_EQ(state.JudgedCount, 0);

    int choice = -1;
    for (int k = 0; k < 22; ++k) {
        if (AnswerRow(state, k) == row) {
            choice = k;
        }
    }
    const auto judgement = JudgeAnswer(state, choice);
    ASSERT_TRUE(judgement.has_value());
    EXPECT_TRUE(judgement->right);
    EXPECT_EQ(judgement->row, 12);
    EXPECT_TRUE(state.Answered);
    EXPECT_EQ(state.CurrentRow, 0);
    EXPECT_EQ(state.JudgedCount, 2);
    EXPECT_EQ(state.RightCount, 1);
    EXPECT_EQ(RateText(state.JudgedCount, state.RightCount), "50.0");
}

TEST(QuestionCycle, NoChoiceIsWrongAndASecondJudgementChangesNothing)
{
    const AcidCatalogue catalogue = BuildAcidCatalogue();
    DrillState state;
    BuildAnswerOptions(state, catalogue, 2, AscendingCodePointOrder);
    ScriptedRandom random({0.3f});

    EXPECT_FALSE(JudgeAnswer(state, 0).has_value());  // nothing asked yet
    AskQuestion(state, 3, random);
    const auto judgement = JudgeAnswer(state, -1);
    ASSERT_TRUE(judgement.has_value());
    EXPECT_FALSE(judgement->right);

    const DrillState before = state;
    EXPECT_FALSE(JudgeAnswer(state, 0).has_value());
    EXPECT_EQ(state.JudgedCount, before.JudgedCount);
    EXPECT_EQ(state.RightCount, before.RightCount);
    EXPECT_EQ(state.Answered, before.Answered);
}

TEST(QuestionCycle, ChoicesOutsideTheOptionsAreWrongNotFatal)
{
    const AcidCatalogue catalogue = BuildAcidCatalogue();
    DrillState state;
    BuildAnswerOptions(state, catalogue, 0, AscendingCodePointOrder);
    ScriptedRandom random({0.0f});
    for (int choice : {-2, 22, 1000, std::numeric_limits<int>::min()}) {
        AskQuestion(state, 1, random);
        const auto judgement = JudgeAnswer(state, choice);
        ASSERT_TRUE(judgement.has_value());
        EXPECT_FALSE(judgement->right) << choice;
    }
}

TEST(Counters, StopAtTheLargestValueInsteadOfWrapping)
{
    const AcidCatalogue catalogue = BuildAcidCatalogue();
    DrillState state;
    BuildAnswerOptions(state, catalogue, 0, AscendingCodePointOrder);
    const int max = std::numeric_limits<std::int32_t>::max();
    state.AskedCount = max;
    state.RightCount = max;
    ScriptedRandom random({0.0f});
    AskQuestion(state, 1, random);
    EXPECT_EQ(state.AskedCount, max);
    int choice = 0;
    while (AnswerRow(state, choice) != state.CurrentRow) {
        ++choice;
    }
    JudgeAnswer(state, choice);
    EXPECT_EQ(state.RightCount, max);
    EXPECT_EQ(RateText(state.JudgedCount, state.RightCount), "100.0");
}

TEST(Counters, ResetClearsOnlyWhenAsked)
{
    DrillState state;
    state.Answered = false;
    state.CurrentRow = 5;
    state.AskedCount = 4;
    state.JudgedCount = 3;
    state.RightCount = 2;
    state.AnswerMap[1] = 7;

    ResetDrillState(state, false);
    EXPECT_TRUE(state.Answered);
    EXPECT_EQ(state.CurrentRow, 0);
    EXPECT_EQ(state.AskedCount, 4);
    EXPECT_EQ(state.RightCount, 2);

    ResetDrillState(state, true);
    EXPECT_EQ(state.AskedCount, 0);
    EXPECT_EQ(state.JudgedCount, 0);
    EXPECT_EQ(state.RightCount, 0);
    EXPECT_EQ(state.AnswerMap[1], 7);
    EXPECT_EQ(RateText(state.JudgedCount, state.RightCount), "0.0");
}

TEST(RateText, WritesThePercentWithOneDecimal)
{
    const struct {
        int judged;
        int right;
        const char *text;
    } cases[] = {
        {0, 0, "0.0"},          {3, 1, "33.3"},
        {3, 2, "66.7"},         {3, 3, "100.0"},
        {2, 1, "50.0"},         {3, 0, "0.0"},
        {8, 1, "12.5"},         {16, 1, "6.3"},
        {7, 1, "14.3"},         {200, 1, "0.5"},
        {2000, 1, "0.1"},       {1999, 1999, "100.0"},
        {2147483647, 1, "0.0"}, {2147483647, 2147483647, "100.0"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::to_string(c.right) + "/" + std::to_string(c.judged));
        EXPECT_EQ(RateText(c.judged, c.right), c.text);
    }
}

TEST(TimerInterval, RefusesWhatNoTimerCanHold)
{
    const int min = std::numeric_limits<std::int32_t>::min();
    const int max = std::numeric_limits<std::int32_t>::max();
    for (int refused : {0, -1, min, kLongestTimeLimit + 1, max}) {
        EXPECT_FALSE(TimerInterval(refused).has_value()) << refused;
    }
    EXPECT_EQ(TimerInterval(1), 1000);
    EXPECT_EQ(TimerInterval(30), 30000);
    EXPECT_EQ(TimerInterval(kLongestTimeLimit), 2147483000);
}

}  // namespace
}  // namespace tavimor
