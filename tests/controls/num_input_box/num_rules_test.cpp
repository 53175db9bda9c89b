// SPDX-License-Identifier: GPL-3.0-or-later
// The number box's keystroke rules and validation on their own, without the control: the same
// tables the control's tests play through the box.
#include "num_key_filter.h"
#include "num_validation.h"

#include <gtest/gtest.h>

#include <string>

#include "num_rules_cases.h"

namespace {

using tavimor::FilterNumberKey;
using tavimor::ValidateNumberText;
using tavimor::ValidationProblem;

TEST(NumberRules, PrintableKeysGoInExactlyWhereTheBoxTakesThem)
{
    for (const auto &row : tavimor::testing::kKeyCases) {
        // Free text is not filtered, and control characters are the box's to handle.
        if (row.mode == tavimor::kModeFreeText || static_cast<unsigned char>(row.character) < 32) {
            continue;
        }
        SCOPED_TRACE(std::string(row.text) + " mode " + std::to_string(row.mode) + " key " +
                     row.character);
        const std::string text(row.text);
        const std::u16string wide(text.begin(), text.end());
        const std::string typed = text.substr(0, static_cast<std::size_t>(row.caret)) +
                                  row.character + text.substr(static_cast<std::size_t>(row.caret));
        const short filtered = FilterNumberKey(row.character, wide, row.caret, row.mode);
        EXPECT_EQ(filtered != 0, typed == row.after);
    }
}

TEST(NumberRules, ValidationRewritesOrRefuses)
{
    for (const auto &row : tavimor::testing::kValidationCases) {
        if (row.mode == tavimor::kModeFreeText) {
            continue;  // free text is not validated
        }
        SCOPED_TRACE(row.before);
        const auto result =
            ValidateNumberText(row.before, row.limitCheck, row.lower, row.upper, row.maxLength);
        EXPECT_EQ(result.accepted, row.result);
        EXPECT_EQ(result.text, row.after);
        EXPECT_EQ(result.problem != ValidationProblem::None, row.messages == 1);
    }
}

}  // namespace
