// SPDX-License-Identifier: GPL-3.0-or-later
// Platform layer, Qt-free core (windows/platform/core/): see value_conversion.h.
#include "value_conversion.h"

#include <cmath>

#include "number_text.h"

namespace tavimor {
namespace {

template <typename T>
Converted<T> Failed(ParseStatus status)
{
    return {status == ParseStatus::Overflow ? ConversionStatus::Overflow
                                            : ConversionStatus::TypeMismatch,
            T{}};
}

template <typename T>
Converted<T> RoundedInto(double value, double low, double high)
{
    const double rounded = std::nearbyint(value);  // the default rounding: halves to even
    if (!(rounded >= low && rounded <= high)) {
        return {ConversionStatus::Overflow, T{}};
    }
    return {ConversionStatus::Ok, static_cast<T>(rounded)};
}

}  // namespace

Converted<double> ToDouble(std::string_view text)
{
    const ParsedNumber parsed = ParseNumber(text);
    if (parsed.status != ParseStatus::Ok) {
        return Failed<double>(parsed.status);
    }
    return {ConversionStatus::Ok, parsed.value};
}

Converted<float> ToSingle(std::string_view text)
{
    // Read as a single at once: through a double, the text would be rounded twice.
    const Parsed<float> parsed = ParseSingle(text);
    if (parsed.status != ParseStatus::Ok) {
        return Failed<float>(parsed.status);
    }
    return {ConversionStatus::Ok, parsed.value};
}

Converted<std::int16_t> ToInteger(std::string_view text)
{
    const Converted<float> single = ToSingle(text);
    if (single.status != ConversionStatus::Ok) {
        return {single.status, 0};
    }
    return RoundedInto<std::int16_t>(single.value, -32768.0, 32767.0);
}

Converted<std::int32_t> ToLong(std::string_view text)
{
    const ParsedNumber parsed = ParseNumber(text);
    if (parsed.status != ParseStatus::Ok) {
        return Failed<std::int32_t>(parsed.status);
    }
    return RoundedInto<std::int32_t>(parsed.value, -2147483648.0, 2147483647.0);
}

}  // namespace tavimor
