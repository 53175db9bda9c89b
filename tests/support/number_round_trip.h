// SPDX-License-Identifier: GPL-3.0-or-later
// The property the general number text promises: the text of a value reads back, through the
// parser, to the value rounded to 15 significant digits.
#pragma once

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

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
    // The C library's conversions, independent of the program's own.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", value);
    errno = 0;
    const double rounded = std::strtod(buffer, nullptr);
    const bool representable = errno != ERANGE;
    const ParsedNumber back = ParseNumber(GeneralNumberText(value));
    return back.status == ParseStatus::Ok && (!representable || back.value == rounded);
}

}  // namespace tavimor::testing
