// SPDX-License-Identifier: GPL-3.0-or-later
// Platform layer (windows/platform/): see input_codes.h.
#include "input_codes.h"

#include <QKeyEvent>

namespace tavimor {

short MouseButtonCode(Qt::MouseButtons buttons)
{
    short code = 0;
    if (buttons & Qt::LeftButton) {
        code |= kLeftButton;
    }
    if (buttons & Qt::RightButton) {
        code |= kRightButton;
    }
    if (buttons & Qt::MiddleButton) {
        code |= kMiddleButton;
    }
    return code;
}

short ShiftCode(Qt::KeyboardModifiers modifiers)
{
    short code = 0;
    if (modifiers & Qt::ShiftModifier) {
        code |= kShiftMask;
    }
    if (modifiers & Qt::ControlModifier) {
        code |= kCtrlMask;
    }
    if (modifiers & Qt::AltModifier) {
        code |= kAltMask;
    }
    return code;
}

short KeyCodeOf(const QKeyEvent *event)
{
    const int key = event->key();
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) {
        return static_cast<short>(key);
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) {
        return static_cast<short>(0x70 + (key - Qt::Key_F1));
    }
    switch (key) {
        case Qt::Key_Backspace:
            return 8;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return 9;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 13;
        case Qt::Key_Shift:
            return 16;
        case Qt::Key_Control:
            return 17;
        case Qt::Key_Alt:
            return 18;
        case Qt::Key_Escape:
            return 27;
        case Qt::Key_Space:
            return 32;
        case Qt::Key_PageUp:
            return 33;
        case Qt::Key_PageDown:
            return 34;
        case Qt::Key_End:
            return 35;
        case Qt::Key_Home:
            return 36;
        case Qt::Key_Left:
            return 37;
        case Qt::Key_Up:
            return 38;
        case Qt::Key_Right:
            return 39;
        case Qt::Key_Down:
            return 40;
        case Qt::Key_Insert:
            return 45;
        case Qt::Key_Delete:
            return 46;
        default:
            return 0;
    }
}

short KeyAsciiOf(const QKeyEvent *event)
{
    const int key = event->key();
    const QString text = event->text();
    // Ctrl+Alt is how AltGr arrives on many layouts: a printable character it makes is typed.
    const bool control = (event->modifiers() & Qt::ControlModifier) &&
                         !((event->modifiers() & Qt::AltModifier) && !text.isEmpty() &&
                           text.at(0).unicode() >= 0x20 && text.at(0).unicode() != 0x7F);
    if (control && key >= Qt::Key_A && key <= Qt::Key_Z) {
        return static_cast<short>(key - Qt::Key_A + 1);
    }
    switch (key) {
        case Qt::Key_Backspace:
            return control ? 127 : 8;  // Ctrl+Backspace makes the delete character
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 13;
        case Qt::Key_Escape:
            return 27;
        default:
            break;
    }
    if (text.isEmpty() || control) {
        return 0;
    }
    const char16_t unit = text.at(0).unicode();
    return unit < 0x20 || unit == 0x7F ? 0 : static_cast<short>(unit);
}

}  // namespace tavimor
