// SPDX-License-Identifier: GPL-3.0-or-later
// Number text converted to the four numeric types of the input boxes, through the locale-free
// parser: double, single, 16-bit and 32-bit integers (rounded to the nearest, halves to even).
// Platform layer, Qt-free core (windows/platform/core/).
#pragma once

#include <cstdint>
#include <string_view>

namespace tavimor {

enum class ConversionStatus { Ok, Overflow, TypeMismatch };

template <typename T>
struct Converted {
    ConversionStatus status = ConversionStatus::TypeMismatch;
    T value{};
};

Converted<double> ToDouble(std::string_view text);
Converted<float> ToSingle(std::string_view text);
// Parsed as a single, then rounded; -32768 to 32767.
Converted<std::int16_t> ToInteger(std::string_view text);
// Parsed as a double, then rounded; the 32-bit range.
Converted<std::int32_t> ToLong(std::string_view text);

}  // namespace tavimor
