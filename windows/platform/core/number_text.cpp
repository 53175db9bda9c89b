// SPDX-License-Identifier: GPL-3.0-or-later
// Platform layer, Qt-free core (windows/platform/core/): see number_text.h.
#include "number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <system_error>

#include <fast_float/fast_float.h>

namespace tavimor {
namespace {

// A finite non-zero value as d1.d2d3... x 10^exponent, with no trailing zeros in `digits`.
struct DecimalForm {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

// Reads a number text of the form "-1.25e-3" (no "+" before it, "." as the point) into T. Any
// value beyond T's range is reported as result_out_of_range, at the large end and at the small
// one, with zero as the value at the small end; the same on every platform.
template <typename T>
std::from_chars_result ReadFloat(const char *first, const char *last, T &value)
{
    const fast_float::from_chars_result read = fast_float::from_chars(first, last, value);
    std::from_chars_result result{read.ptr, read.ec};
    if (result.ec != std::errc()) {
        return result;
    }
    const char *mantissaEnd = std::find(first, result.ptr, 'e');
    if (std::isinf(value) || (value == T{0} && std::find_if(first, mantissaEnd, [](char c) {
                                                   return c >= '1' && c <= '9';
                                               }) != mantissaEnd)) {
        result.ec = std::errc::result_out_of_range;
    }
    return result;
}

// The value correctly rounded to `digits` significant digits, as d1.d2d3... x 10^exponent.
DecimalForm RoundedDecimal(double value, int digits)
{
    char buffer[64];
    const int length = std::snprintf(buffer, sizeof buffer, "%.*e", digits - 1, value);
    const std::string_view text(buffer, static_cast<std::size_t>(std::max(length, 0)));

    DecimalForm form;
    form.negative = std::signbit(value);
    const std::size_t e = text.find_first_of("eE");
    for (std::size_t i = 0; i < e; ++i) {
        // The C library writes the point of the locale in effect; only the digits are kept.
        if (text[i] >= '0' && text[i] <= '9') {
            form.digits.push_back(text[i]);
        }
    }
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(),
                    form.exponent);
    return form;
}

// The double the digits of a form read back to (infinity beyond the range).
double ReadBack(const DecimalForm &form)
{
    const std::string text =
        (form.negative ? "-" : "") + form.digits + "e" +
        std::to_string(form.exponent - static_cast<int>(form.digits.size()) + 1);
    double back = 0;
    if (ReadFloat(text.data(), text.data() + text.size(), back).ec ==
        std::errc::result_out_of_range) {
        return back == 0.0 ? back : std::copysign(HUGE_VAL, back);
    }
    return back;
}

// One unit up (or down) in the last digit of a form, carried into the exponent as needed.
DecimalForm Neighbour(DecimalForm form, bool up)
{
    std::string &d = form.digits;
    if (up) {
        auto it = d.rbegin();
        for (; it != d.rend() && *it == '9'; ++it) {
            *it = '0';
        }
        if (it == d.rend()) {
            d.insert(d.begin(), '1');
            d.pop_back();
            ++form.exponent;
        } else {
            ++*it;
        }
    } else {
        auto it = d.rbegin();
        for (; it != d.rend() && *it == '0'; ++it) {
            *it = '9';
        }
        --*it;
        if (d[0] == '0') {
            d.erase(d.begin());
            d.push_back('9');
            --form.exponent;
        }
    }
    return form;
}

// The digits of `value` rounded to `digits` places that read back to it, if any: the nearest
// ones, or next to a power of two, where the interval that reads back is lopsided, the
// neighbour on its wide side.
std::optional<DecimalForm> ReadingBack(double value, int digits)
{
    DecimalForm form = RoundedDecimal(value, digits);
    const double back = ReadBack(form);
    if (back == value) {
        return form;
    }
    DecimalForm other =
        Neighbour(std::move(form), back < value ? !std::signbit(value) : std::signbit(value));
    if (ReadBack(other) == value) {
        return other;
    }
    return std::nullopt;
}

// With significantDigits > 0 the digits are correctly rounded to that many places; with 0 they
// are the shortest digits that read back to the same double, the nearest such where there are
// two. No trailing zeros are kept.
DecimalForm ToDecimal(double value, int significantDigits)
{
    DecimalForm form;
    if (significantDigits > 0) {
        form = RoundedDecimal(value, significantDigits);
    } else {
        // Where some number of digits reads back, every greater number does; 17 always does.
        int low = 1;
        int high = 17;
        form = RoundedDecimal(value, high);
        while (low < high) {
            const int middle = (low + high) / 2;
            if (std::optional<DecimalForm> shorter = ReadingBack(value, middle)) {
                form = std::move(*shorter);
                high = middle;
            } else {
                low = middle + 1;
            }
        }
    }
    while (form.digits.size() > 1 && form.digits.back() == '0') {
        form.digits.pop_back();
    }
    return form;
}

// True when the digits, read back, would be beyond the range of a double.
bool RoundsBeyondRange(const DecimalForm &form)
{
    return form.exponent >= 308 && std::isinf(ReadBack(form));
}

// Adds one unit in the last place of a string of decimal digits; returns true on a carry out.
bool IncrementDigits(std::string &digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return false;
        }
        *it = '0';
    }
    return true;
}

// The decimal order of magnitude of a normalised number text with at least one non-zero digit
// (0 for 1 to 9.99, -1 for 0.1 to 0.999...), saturated far beyond the range of a double.
long DecimalOrder(std::string_view normal)
{
    const std::size_t e = normal.find('e');
    const std::string_view mantissa = normal.substr(0, e);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos) {
        return -100000;
    }
    long order =
        first < point ? static_cast<long>(point - first) - 1 : -static_cast<long>(first - point);
    if (e != std::string_view::npos) {
        long exponent = 0;
        bool negative = false;
        for (std::size_t i = e + 1; i < normal.size(); ++i) {
            if (normal[i] == '-') {
                negative = true;
            } else if (normal[i] != '+' && exponent < 100000) {
                exponent = exponent * 10 + (normal[i] - '0');
            }
        }
        order += negative ? -exponent : exponent;
    }
    return order;
}

}  // namespace

std::string GeneralNumberText(double value, int significantDigits)
{
    if (std::isnan(value)) {
        return "NaN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-Inf" : " Inf";
    }
    if (value == 0.0) {
        return " 0";
    }
    DecimalForm form = ToDecimal(value, significantDigits);
    if (RoundsBeyondRange(form)) {
        // Rounding up would leave the range of a double; the truncated digits still read back.
        form = ToDecimal(value, 17);
        form.digits.resize(
            std::min<std::size_t>(form.digits.size(), static_cast<std::size_t>(significantDigits)));
    }
    std::string text(1, form.negative ? '-' : ' ');
    const std::string &d = form.digits;
    const int e = form.exponent;

    if (e < -5 || e >= significantDigits) {
        text += d[0];
        if (d.size() > 1) {
            text += '.';
            text.append(d, 1);
        }
        text += e < 0 ? "E-" : "E+";
        const int magnitude = std::abs(e);
        if (magnitude < 10) {
            text += '0';
        }
        text += std::to_string(magnitude);
    } else if (e < 0) {
        text += '.';
        text.append(static_cast<std::size_t>(-e - 1), '0');
        text += d;
    } else {
        const auto integerDigits = static_cast<std::size_t>(e) + 1;
        if (d.size() <= integerDigits) {
            text += d;
            text.append(integerDigits - d.size(), '0');
        } else {
            text.append(d, 0, integerDigits);
            text += '.';
            text.append(d, integerDigits);
        }
    }
    return text;
}

std::string GeneralNumberText(float value)
{
    return GeneralNumberText(static_cast<double>(value), 7);
}

std::string FormatOneDecimal(double value)
{
    if (!std::isfinite(value)) {
        return GeneralNumberText(value);
    }
    std::string integerPart = "0";
    std::string fraction;
    bool negative = false;
    if (value != 0.0) {
        const DecimalForm form = ToDecimal(value, 0);
        negative = form.negative;
        const std::string &d = form.digits;
        if (form.exponent >= 0) {
            const auto integerDigits = static_cast<std::size_t>(form.exponent) + 1;
            integerPart = d.substr(0, integerDigits);
            integerPart.append(integerDigits - integerPart.size(), '0');
            if (d.size() > integerDigits) {
                fraction = d.substr(integerDigits);
            }
        } else {
            fraction = std::string(static_cast<std::size_t>(-form.exponent - 1), '0') + d;
        }
    }
    // Round half away from zero to one decimal.
    std::string kept = integerPart + (fraction.empty() ? '0' : fraction[0]);
    if (fraction.size() > 1 && fraction[1] >= '5') {
        if (IncrementDigits(kept)) {
            kept.insert(kept.begin(), '1');
        }
    }
    std::string text = kept.substr(0, kept.size() - 1) + '.' + kept.back();
    if (negative && kept.find_first_not_of('0') != std::string::npos) {
        text.insert(text.begin(), '-');
    }
    return text;
}

namespace {

// The number text in the form ReadFloat takes (no "+" before the number, "e" as the
// exponent marker), or nothing when the text is not a number of the grammar.
std::optional<std::string> NormalNumberText(std::string_view text)
{
    const std::size_t begin = text.find_first_not_of(' ');
    if (begin == std::string_view::npos) {
        return std::nullopt;
    }
    const std::size_t end = text.find_last_not_of(' ') + 1;
    std::string_view body = text.substr(begin, end - begin);

    std::string normal;
    normal.reserve(body.size());
    std::size_t i = 0;
    if (body[i] == '+' || body[i] == '-') {
        if (body[i] == '-') {
            normal.push_back('-');
        }
        ++i;
    }
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    std::size_t mantissaDigits = 0;
    for (; i < body.size() && isDigit(body[i]); ++i, ++mantissaDigits) {
        normal.push_back(body[i]);
    }
    if (i < body.size() && body[i] == '.') {
        normal.push_back('.');
        for (++i; i < body.size() && isDigit(body[i]); ++i, ++mantissaDigits) {
            normal.push_back(body[i]);
        }
    }
    if (mantissaDigits == 0) {
        return std::nullopt;
    }
    if (i < body.size() && (body[i] == 'E' || body[i] == 'e' || body[i] == 'D' || body[i] == 'd')) {
        normal.push_back('e');
        ++i;
        if (i < body.size() && (body[i] == '+' || body[i] == '-')) {
            normal.push_back(body[i]);
            ++i;
        }
        std::size_t exponentDigits = 0;
        for (; i < body.size() && isDigit(body[i]); ++i, ++exponentDigits) {
            normal.push_back(body[i]);
        }
        if (exponentDigits == 0) {
            return std::nullopt;
        }
    }
    if (i != body.size()) {
        return std::nullopt;
    }
    return normal;
}

template <typename T>
Parsed<T> ParseAs(std::string_view text)
{
    Parsed<T> result;
    const std::optional<std::string> normal = NormalNumberText(text);
    if (!normal) {
        return result;
    }
    const char *first = normal->data();
    const char *last = first + normal->size();
    T value{};
    const auto [ptr, ec] = ReadFloat(first, last, value);
    if (ec == std::errc::result_out_of_range) {
        // Both ends of the range are reported; only the large end is an overflow.
        result.status = DecimalOrder(*normal) < 0 ? ParseStatus::Ok : ParseStatus::Overflow;
        result.value = (*normal)[0] == '-' ? -T{0} : T{0};
        return result;
    }
    if (ec != std::errc() || ptr != last) {
        return result;
    }
    result.status = ParseStatus::Ok;
    result.value = value;
    return result;
}

}  // namespace

ParsedNumber ParseNumber(std::string_view text)
{
    return ParseAs<double>(text);
}

Parsed<float> ParseSingle(std::string_view text)
{
    return ParseAs<float>(text);
}

}  // namespace tavimor
