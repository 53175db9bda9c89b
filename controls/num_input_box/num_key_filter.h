// SPDX-License-Identifier: GPL-3.0-or-later
// The keystroke rules of the numeric input box: which character may be typed at the caret,
// given the text before the keystroke and the kind of number the box takes.
// Number input control, its Qt-free rules (controls/num_input_box/).
#pragma once

#include <string_view>

namespace tavimor {

// The box's modes: the kinds of number it takes, or free text.
inline constexpr int kModeReal = 0;
inline constexpr int kModeRealNotNegative = 1;
inline constexpr int kModeInteger = 2;
inline constexpr int kModeIntegerNotNegative = 3;
inline constexpr int kModeFreeText = 4;

// The character code the box goes on with: `keyAscii` when the key is accepted, 0 when it is
// refused. `text` is the text before the keystroke (UTF-16), `caret` the number of characters
// before the caret (the selection's start). Runs for every mode but free text; a mode outside
// 0 to 4 is filtered like mode 3.
short FilterNumberKey(short keyAscii, std::u16string_view text, int caret, int mode);

}  // namespace tavimor
