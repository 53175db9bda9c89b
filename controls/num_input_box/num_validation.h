// SPDX-License-Identifier: GPL-3.0-or-later
// Checking the text of a numeric input box: parse it, check it against the limits and the
// maximum length, and work out the canonical text that replaces it (0012 becomes 12, .5 becomes
// 0.5, 1e3 becomes 1000), or the text as typed when it is refused.
// Number input control, its Qt-free rules (controls/num_input_box/).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tavimor {

enum class ValidationProblem {
    None,
    LimitsInverted,   // the lower limit is above the upper one
    OutOfRange,       // the value is below the lower or above the upper limit
    TooLong,          // the canonical text is longer than the maximum length
    ConversionError,  // the text is not a number, or beyond the range of a double
};

struct ValidationResult {
    bool accepted = false;
    ValidationProblem problem = ValidationProblem::None;
    std::string text;  // what the box holds afterwards (UTF-8)
    // Whether "0" was put after an unfinished exponent: a refused text is the typed one with it.
    bool exponentCompleted = false;
};

// Validates `typed` (UTF-8). An empty text counts as 0 and stays empty; an unfinished exponent
// ("5e", "5e-") counts as exponent 0. Equal limits mean no limit; a maximum length of 0 none.
ValidationResult ValidateNumberText(std::string_view typed, bool limitCheck, double lowerLimit,
                                    double upperLimit, std::int32_t maxLength);

}  // namespace tavimor
