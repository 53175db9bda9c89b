// SPDX-License-Identifier: GPL-3.0-or-later
// The number box's rules as tables, which the box's own tests play through the control and the
// rules' tests (plain C++, also run in the browser's build) play against the rules alone.
#pragma once

namespace tavimor::testing {

// A key typed at the caret: mode, text before, caret, character, text after.
struct KeyCase {
    int mode;
    const char *text;
    int caret;
    char character;
    const char *after;
};

inline constexpr KeyCase kKeyCases[] = {
    {0, "", 0, '-', "-"},      {1, "", 0, '-', ""},         {3, "", 0, '-', ""},
    {2, "12", 2, '.', "12"},   {0, "-5", 0, '1', "-5"},     {0, "-5", 0, '\b', "-5"},
    {0, "12", 2, 'e', "12e"},  {0, "1e", 2, '-', "1e-"},    {1, "1e", 2, '-', "1e-"},
    {0, "1e-", 3, '-', "1e-"}, {0, "1e-5", 2, '-', "1e-5"}, {0, "1e5", 2, '-', "1e-5"},
    {0, "1.5", 1, 'e', "1.5"}, {0, "1.5", 3, 'e', "1.5e"},  {0, "1.", 2, 'e', "1."},
    {0, "5", 0, 'e', "5"},     {0, "1e5", 3, '.', "1e5"},   {0, "1e5", 0, '.', ".1e5"},
    {0, "1.5", 3, '.', "1.5"}, {0, "2E3", 3, 'd', "2E3"},   {3, "42", 2, 'a', "42"},
    {0, "5", 1, '\r', "5"},    {3, "42", 2, '\b', "4"},     {7, "4", 1, '-', "4"},
    {4, "ab", 2, 'x', "abx"},  {4, "", 0, '-', "-"},
};

// Validation: mode, limit check, lower and upper limit, maximum length, text before, accepted,
// text after, number of boxes shown.
struct ValidationCase {
    int mode;
    bool limitCheck;
    double lower;
    double upper;
    int maxLength;
    const char *before;
    bool result;
    const char *after;
    int messages;
};

inline constexpr ValidationCase kValidationCases[] = {
    {3, false, 0, 0, 0, "0012", true, "12", 0},
    {0, false, 0, 0, 0, ".5", true, "0.5", 0},
    {0, false, 0, 0, 0, "-.5", true, "-0.5", 0},
    {0, false, 0, 0, 0, "5.", true, "5", 0},
    {0, false, 0, 0, 0, "1e3", true, "1000", 0},
    {0, false, 0, 0, 0, "2E-", true, "2", 0},
    {0, false, 0, 0, 0, "1d2", true, "100", 0},
    {0, false, 0, 0, 0, "-", false, "-", 1},
    {0, false, 0, 0, 0, "1e400", false, "1e400", 1},
    {0, false, 0, 0, 0, "", true, "", 0},
    {0, true, 1, 10, 0, "", false, "", 1},
    {0, true, 0, 0, 0, "123", true, "123", 0},
    {0, true, 1, 10, 0, "10", true, "10", 0},
    {0, true, 1, 10, 0, "10.0001", false, "10.0001", 1},
    {0, true, 10, 20, 0, "5e", false, "5e0", 1},
    {0, false, 0, 0, 4, "1e5", false, "1e5", 1},
    {0, false, 0, 0, 4, "123456", false, "123456", 1},
    {0, true, 10, 20, 2, "5e", false, "5e0", 1},
    {1, false, 0, 0, 0, "-7.5", true, "-7.5", 0},
    {4, false, 0, 0, 0, "abc", true, "abc", 0},
    {0, false, 0, 0, 0, "1e-400", true, "0", 0},
    {3, false, 0, 0, 0, "\x01\x02", false, "\x01\x02", 1},
};

}  // namespace tavimor::testing
