// SPDX-License-Identifier: GPL-3.0-or-later
// The parser on any text, and the general number text of any double: whatever parses is written
// back as text that parses to the value rounded to 15 significant digits.
// Input: a double (8 bytes), then a text.
#include <cstdlib>
#include <string>

#include "fuzz_input.h"
#include "number_round_trip.h"
#include "number_text.h"

namespace {

void CheckRoundTrip(double value)
{
    if (!tavimor::testing::ReadsBackRounded(value)) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    tavimor::fuzz::Input input(data, size);
    CheckRoundTrip(input.Take<double>());
    const std::string text = input.Rest();
    const tavimor::ParsedNumber parsed = tavimor::ParseNumber(text);
    if (parsed.status == tavimor::ParseStatus::Ok) {
        CheckRoundTrip(parsed.value);
        (void)tavimor::FormatOneDecimal(parsed.value);
    }
    return 0;
}
