// SPDX-License-Identifier: GPL-3.0-or-later
// The numbers that key and mouse events carry to a control's host: the bits of the shift state,
// the virtual-key numbers of the keys the controls look at, and the character codes a key press
// makes, so that no code spells them as bare numbers.
// Platform core (windows/platform/core/): the C++ standard library only.
#pragma once

namespace tavimor {

// The mouse button state's bits.
inline constexpr short kLeftButton = 1;
inline constexpr short kRightButton = 2;
inline constexpr short kMiddleButton = 4;

// The shift state's bits.
inline constexpr short kShiftMask = 1;
inline constexpr short kCtrlMask = 2;
inline constexpr short kAltMask = 4;

// Virtual-key numbers: the letters are their capitals' codes.
inline constexpr short kKeyC = 'C';
inline constexpr short kKeyV = 'V';
inline constexpr short kKeyX = 'X';

// Character codes.
inline constexpr short kAsciiBackspace = 8;
inline constexpr short kAsciiReturn = 13;

}  // namespace tavimor
