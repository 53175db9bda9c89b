// SPDX-License-Identifier: GPL-3.0-or-later
// Platform layer, Qt-free core (windows/platform/core/): see number_text.h.
#include "number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
#include <system_error>

namespace tavimor {
namespace {

// A finite non-zero value as d1.d2d3... x 10^exponent, with no trailing zeros in `digits`.
struct DecimalForm {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

// With significantDigits > 0 the digits are correctly rounded to that many places; with 0 they
// are the shortest digits that read back to the same double.
DecimalForm ToDecimal(double value, int significantDigits)
{
    char buffer[64];
    const std::to_chars_result result =
        significantDigits > 0
            ? std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific,
                            significantDigits - 1)
            : std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));

    DecimalForm form;
    std::size_t pos = 0;
    if (text[pos] == '-') {
        form.negative = true;
        ++pos;
    }
    const std::size_t e = text.find('e', pos);
    for (std::size_t i = pos; i < e; ++i) {
        if (text[i] != '.') {
            form.digits.push_back(text[i]);
        }
    }
    while (form.digits.size() > 1 && form.digits.back() == '0') {
        form.digits.pop_back();
    }
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(),
                    form.exponent);
    return form;
}

// True when the digits, read back, would be beyond the range of a double.
bool RoundsBeyondRange(const DecimalForm &form)
{
    if (form.exponent < 308) {
        return false;
    }
    const std::string text =
        form.digits + "e" +
        std::to_string(form.exponent - static_cast<int>(form.digits.size()) + 1);
    double value = 0;
    return std::from_chars(text.data(), text.data() + text.size(), value).ec ==
           std::errc::result_out_of_range;
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

// The number text in the form std::from_chars takes (no "+" before the number, "e" as the
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
    const auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        // from_chars reports both ends of the range; only the large end is an overflow.
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
