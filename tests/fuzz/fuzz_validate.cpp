// SPDX-License-Identifier: GPL-3.0-or-later
// Any text, limits and maximum length through validation: an accepted text is rewritten to a
// number the parser reads, within the length; a refused one stays as typed (with an unfinished
// exponent closed by "0"); an empty box stays empty.
// Input: limit check (1 byte), lower and upper limits (8 bytes each), maximum length (4 bytes),
// then the text.
#include <cstdlib>
#include <string>

#include "fuzz_input.h"
#include "num_validation.h"
#include "number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    tavimor::fuzz::Input input(data, size);
    const bool limitCheck = (input.Take<uint8_t>() & 1) != 0;
    const auto lower = input.Take<double>();
    const auto upper = input.Take<double>();
    const auto maxLength = input.Take<std::int32_t>();
    const std::string text = input.Rest();

    const tavimor::ValidationResult result =
        tavimor::ValidateNumberText(text, limitCheck, lower, upper, maxLength);
    if (text.empty()) {
        if (!result.text.empty()) {
            std::abort();
        }
        return 0;
    }
    if (result.accepted) {
        if (tavimor::ParseNumber(result.text).status != tavimor::ParseStatus::Ok) {
            std::abort();
        }
        if (maxLength > 0 && result.text.size() > static_cast<std::size_t>(maxLength)) {
            std::abort();
        }
    } else if (result.text != text && result.text != text + "0") {
        std::abort();
    }
    return 0;
}
