// SPDX-License-Identifier: GPL-3.0-or-later
// The property the general number text promises: the text of a value reads back, through the
// parser, to the value rounded to 15 significant digits.
#pragma once

#include <charconv>
#include <cmath>

#include "number_text.h"

namespace tavimor::testing {

// True when the general number text of `value` reads back as promised; a value that is not
// finite has no such text and passes. Where the value rounded to 15 digits is beyond the range
// of a double, the text need only read back.
inline bool ReadsBackRounded(double value)
{
    if (!std::isfinite(value)) {
        return true;
    }
    char buffer[64];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14).ptr;
    double rounded = 0;
    const bool representable = std::from_chars(buffer, end, rounded).ec == std::errc();
    const ParsedNumber back = ParseNumber(GeneralNumberText(value));
    return back.status == ParseStatus::Ok && (!representable || back.value == rounded);
}

}  // namespace tavimor::testing
