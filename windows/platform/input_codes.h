// SPDX-License-Identifier: GPL-3.0-or-later
// The numbers the controls' mouse and key events carry: button and shift states as bit sets,
// key codes as virtual-key numbers, and the character code of a key press.
// Platform layer (windows/platform/), below the controls and the windows.
#pragma once

#include <Qt>

#include "key_codes.h"

class QKeyEvent;

namespace tavimor {

// The bits kLeftButton, kRightButton and kMiddleButton (key_codes.h).
short MouseButtonCode(Qt::MouseButtons buttons);
// The bits kShiftMask, kCtrlMask and kAltMask (key_codes.h).
short ShiftCode(Qt::KeyboardModifiers modifiers);
// The virtual-key number of the key (65 for A, 13 for Enter, 37 to 40 for the arrows), 0 for a
// key without one.
short KeyCodeOf(const QKeyEvent *event);
// The character code a key press produces (8 backspace, 127 Ctrl+Backspace, 13 Enter, 27 Escape,
// 1 to 26 for Ctrl with a letter), or 0 when it produces none.
short KeyAsciiOf(const QKeyEvent *event);

}  // namespace tavimor
