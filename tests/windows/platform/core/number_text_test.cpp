// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the platform core's number text: general form, rounding and parsing.
#include "number_text.h"
#include "number_round_trip.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace tavimor {
namespace {

TEST(GeneralNumberText, WritesTheGeneralForm)
{
    const struct {
        double value;
        const char *text;
    } cases[] = {
        {0.0, " 0"},
        {1.0, " 1"},
        {-1.0, "-1"},
        {0.5, " .5"},
        {-0.5, "-.5"},
        {100.0, " 100"},
        {12.0, " 12"},
        {1000.0, " 1000"},
        {1.0 / 3.0, " .333333333333333"},
        {2.0 / 3.0, " .666666666666667"},
        {123456789012345.0, " 123456789012345"},
        {1e15, " 1E+15"},
        {1234567890123456.0, " 1.23456789012346E+15"},
        {0.00001, " .00001"},
        {0.000001, " 1E-06"},
        {-2.5e-7, "-2.5E-07"},
        {std::numeric_limits<double>::max(), " 1.79769313486231E+308"},
        {-std::numeric_limits<double>::max(), "-1.79769313486231E+308"},
        {-4.94065645841247e-324, "-4.94065645841247E-324"},
        {10.0001, " 10.0001"},
        {0.1 + 0.2, " .3"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(GeneralNumberText(c.value), c.text);
    }
}

TEST(GeneralNumberText, SingleHasSevenDigits)
{
    EXPECT_EQ(GeneralNumberText(100.0f / 3.0f), " 33.33333");
    EXPECT_EQ(GeneralNumberText(200.0f / 3.0f), " 66.66666");  // 66.666664 as a single
    EXPECT_EQ(GeneralNumberText(100.0f), " 100");
    EXPECT_EQ(GeneralNumberText(12345678.0f), " 1.234568E+07");
}

// The text of v reads back to v rounded to 15 significant digits, for values of every
// magnitude, sign and digit pattern.
TEST(GeneralNumberText, ReadsBackToTheValueRoundedToFifteenDigits)
{
    std::mt19937_64 engine(20261208);
    const auto check = [](double v) {
        const std::string text = GeneralNumberText(v);
        ASSERT_TRUE(testing::ReadsBackRounded(v)) << "text " << text;
        if (std::isfinite(v)) {
            ASSERT_EQ(text[0] == '-', std::signbit(v) && v != 0.0) << text;
        }
    };
    for (int i = 0; i < 200000; ++i) {
        const std::uint64_t bits = engine();
        double v = 0;
        std::memcpy(&v, &bits, sizeof v);  // std::bit_cast, where the C++ library has it
        check(v);
    }
    std::uniform_int_distribution<int> exponent(-30, 30);
    std::uniform_int_distribution<std::int64_t> mantissa(-999999999999999, 999999999999999);
    for (int i = 0; i < 200000; ++i) {
        check(static_cast<double>(mantissa(engine)) * std::pow(10.0, exponent(engine)));
    }
    check(std::numeric_limits<double>::max());
    check(std::numeric_limits<double>::denorm_min());
    check(std::numeric_limits<double>::min());
}

TEST(FormatOneDecimal, RoundsHalfAwayFromZeroOnTheDecimalForm)
{
    const struct {
        double value;
        const char *text;
    } cases[] = {
        {0.0, "0.0"},       {0.04, "0.0"},    {0.05, "0.1"},    {0.25, "0.3"},
        {0.15, "0.2"},      {6.25, "6.3"},    {12.5, "12.5"},   {33.33333, "33.3"},
        {66.66666, "66.7"}, {99.95, "100.0"}, {100.0, "100.0"}, {123456.78, "123456.8"},
        {-0.04, "0.0"},     {-1.25, "-1.3"},  {1e-30, "0.0"},   {9.96, "10.0"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(FormatOneDecimal(c.value), c.text);
    }
}

TEST(ParseNumber, ReadsTheNumberGrammarOnly)
{
    const struct {
        const char *text;
        ParseStatus status;
        double value;
    } cases[] = {
        {"12", ParseStatus::Ok, 12},
        {"0012", ParseStatus::Ok, 12},
        {"1e3", ParseStatus::Ok, 1000},
        {"1E3", ParseStatus::Ok, 1000},
        {"1d2", ParseStatus::Ok, 100},
        {"1D2", ParseStatus::Ok, 100},
        {"2E-0", ParseStatus::Ok, 2},
        {"1e-5", ParseStatus::Ok, 1e-5},
        {"1e+5", ParseStatus::Ok, 1e5},
        {".5", ParseStatus::Ok, 0.5},
        {"-.5", ParseStatus::Ok, -0.5},
        {"5.", ParseStatus::Ok, 5},
        {"+3", ParseStatus::Ok, 3},
        {"  7  ", ParseStatus::Ok, 7},
        {" -.25e1", ParseStatus::Ok, -2.5},
        {"1e-400", ParseStatus::Ok, 0},
        {"1.79769313486231E308", ParseStatus::Ok, 1.79769313486231e308},
        {"1.79769313486232E308", ParseStatus::Overflow, 0},
        {"4.94065645841247E-324", ParseStatus::Ok, 4.94065645841247e-324},
        {"1e400", ParseStatus::Overflow, 0},
        {"-1e400", ParseStatus::Overflow, 0},
        {"1.8e308", ParseStatus::Overflow, 0},
        {"", ParseStatus::NotANumber, 0},
        {"   ", ParseStatus::NotANumber, 0},
        {"-", ParseStatus::NotANumber, 0},
        {".", ParseStatus::NotANumber, 0},
        {"-.", ParseStatus::NotANumber, 0},
        {"e5", ParseStatus::NotANumber, 0},
        {"1e", ParseStatus::NotANumber, 0},
        {"1e-", ParseStatus::NotANumber, 0},
        {"1,5", ParseStatus::NotANumber, 0},
        {"1 000", ParseStatus::NotANumber, 0},
        {"0x10", ParseStatus::NotANumber, 0},
        {"inf", ParseStatus::NotANumber, 0},
        {"nan", ParseStatus::NotANumber, 0},
        {"--1", ParseStatus::NotANumber, 0},
        {"1..2", ParseStatus::NotANumber, 0},
        {"1e5.5", ParseStatus::NotANumber, 0},
        {"\t1", ParseStatus::NotANumber, 0},
        {"１２", ParseStatus::NotANumber, 0},  // full-width digits
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        const ParsedNumber parsed = ParseNumber(c.text);
        EXPECT_EQ(parsed.status, c.status);
        if (c.status == ParseStatus::Ok) {
            EXPECT_EQ(parsed.value, c.value);
        }
    }
}

TEST(ParseNumber, TinyValuesWithManyDigitsAreZeroNotOverflow)
{
    const std::string tiny = "0." + std::string(400, '0') + "1";
    EXPECT_EQ(ParseNumber(tiny).status, ParseStatus::Ok);
    const std::string huge = "1" + std::string(400, '0');
    EXPECT_EQ(ParseNumber(huge).status, ParseStatus::Overflow);
    EXPECT_EQ(ParseNumber("0e999999999999999999").status, ParseStatus::Ok);
    EXPECT_EQ(ParseNumber("1e999999999999999999").status, ParseStatus::Overflow);
}

}  // namespace
}  // namespace tavimor
