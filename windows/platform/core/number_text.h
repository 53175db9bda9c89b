// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers and text, independent of the user's locale: the general number text, the "##0.0"
// pattern and the parser that reads both back. Plain C++, so that the drill rules can use it
// without a window.
// Platform layer, Qt-free core (windows/platform/core/).
#pragma once

#include <string>
#include <string_view>

namespace tavimor {

// The general number text of a value: "." as decimal point, no thousands separators, at most
// `significantDigits` significant digits (correctly rounded), no trailing zeros, no zero before
// the point when the magnitude is below 1 (".5", "-.5"), and one leading blank in place of the
// sign when the value is not negative. Magnitudes from 1E-05 up to (but not including)
// 10^significantDigits are written in fixed form, all others in exponent form with at least two
// exponent digits ("1E+15", "-2.5E-07"). It reads back through ParseNumber to the value rounded
// to `significantDigits` significant digits.
std::string GeneralNumberText(double value, int significantDigits = 15);

// The general number text of a single-precision value: at most 7 significant digits.
std::string GeneralNumberText(float value);

// The value formatted with the pattern "##0.0": at least one digit before the decimal point and
// exactly one after. The value is taken at its shortest exact decimal form and rounded half away
// from zero, so 0.25 gives "0.3" and 66.66667 gives "66.7".
std::string FormatOneDecimal(double value);

enum class ParseStatus {
    Ok,
    NotANumber,  // the text is not a number of the grammar below (a type mismatch)
    Overflow,    // a number, but beyond the range of a double
};

template <typename T>
struct Parsed {
    ParseStatus status = ParseStatus::NotANumber;
    T value{};
};
using ParsedNumber = Parsed<double>;

// Reads a decimal number. The grammar, with no regard to the user's locale:
//   [blanks] [+|-] digits [. [digits]] [exponent] [blanks]
//   [blanks] [+|-] . digits [exponent] [blanks]
//   exponent: one of E e D d, then [+|-] digits
// Blanks are spaces only. There are no thousands separators, no decimal comma, no hexadecimal
// form and no words such as "inf" or "nan". A magnitude too small for a double reads as zero of
// the same sign; one too large is reported as an overflow.
ParsedNumber ParseNumber(std::string_view text);
// The same grammar read as a single-precision number, rounded once to the nearest single; a
// magnitude beyond the range of a single is an overflow.
Parsed<float> ParseSingle(std::string_view text);

}  // namespace tavimor
