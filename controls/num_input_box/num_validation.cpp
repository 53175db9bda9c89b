// SPDX-License-Identifier: GPL-3.0-or-later
// Number input control, its Qt-free rules (controls/num_input_box/): see num_validation.h.
#include "num_validation.h"

#include "number_text.h"

namespace tavimor {
namespace {

bool EndsWithUnfinishedExponent(const std::string &text)
{
    const auto isLetter = [](char c) { return c == 'd' || c == 'E' || c == 'e' || c == 'D'; };
    if (!text.empty() && isLetter(text.back())) {
        return true;
    }
    return text.size() >= 2 && text.back() == '-' && isLetter(text[text.size() - 2]);
}

}  // namespace

ValidationResult ValidateNumberText(std::string_view typed, bool limitCheck, double lowerLimit,
                                    double upperLimit, std::int32_t maxLength)
{
    const bool wasEmpty = typed.empty();
    std::string amended = wasEmpty ? std::string(1, '0') : std::string(typed);
    const bool completed = EndsWithUnfinishedExponent(amended);
    if (completed) {
        amended += '0';
    }

    const ParsedNumber parsed = ParseNumber(amended);
    if (parsed.status != ParseStatus::Ok) {
        return {false, ValidationProblem::ConversionError, wasEmpty ? std::string() : amended,
                completed};
    }
    const double v = parsed.value;

    std::string canonical = GeneralNumberText(v);
    canonical.erase(0, canonical.find_first_not_of(' '));
    if (canonical.starts_with('.')) {
        canonical = "0" + canonical;
    } else if (canonical.starts_with("-.")) {
        canonical = "-0" + canonical.substr(1);
    }

    ValidationResult result{true, ValidationProblem::None, {}};
    if (limitCheck) {
        if (lowerLimit > upperLimit) {
            result = {false, ValidationProblem::LimitsInverted, {}};
        } else if (lowerLimit != upperLimit && (v < lowerLimit || v > upperLimit)) {
            result = {false, ValidationProblem::OutOfRange, {}};
        }
    }
    if (result.accepted && maxLength > 0 &&
        canonical.size() > static_cast<std::size_t>(maxLength)) {
        result = {false, ValidationProblem::TooLong, {}};
    }
    result.text = result.accepted ? canonical : amended;
    result.exponentCompleted = completed;
    if (wasEmpty) {
        result.text.clear();
    }
    return result;
}

}  // namespace tavimor
