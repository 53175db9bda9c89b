// SPDX-License-Identifier: GPL-3.0-or-later
// Number input control, its Qt-free rules (controls/num_input_box/): see num_key_filter.h.
#include "num_key_filter.h"

#include "key_codes.h"

namespace tavimor {
namespace {

bool IsExponentLetter(char16_t c)
{
    return c == u'D' || c == u'E' || c == u'd' || c == u'e';
}

bool HasExponentLetter(std::u16string_view text)
{
    for (const char16_t c : text) {
        if (IsExponentLetter(c)) {
            return true;
        }
    }
    return false;
}

}  // namespace

short FilterNumberKey(short keyAscii, std::u16string_view text, int caret, int mode)
{
    // The caret is a count of characters before it, within the text.
    const std::size_t p = caret < 0 ? 0 : std::min<std::size_t>(caret, text.size());
    const bool real = mode == kModeReal || mode == kModeRealNotNegative;
    const bool signedMode = mode == kModeReal || mode == kModeInteger;
    const std::u16string_view before = text.substr(0, p);
    const std::u16string_view after = text.substr(p);
    const char16_t previous = p > 0 ? text[p - 1] : u'\0';

    if (!text.empty() && text.front() == u'-' && p == 0) {
        return 0;
    }
    if (keyAscii == kAsciiBackspace) {
        return keyAscii;
    }
    if (keyAscii == kAsciiReturn) {
        return 0;
    }
    if (keyAscii >= '0' && keyAscii <= '9') {
        return keyAscii;
    }
    if (keyAscii == '-') {
        if (p == 0) {
            return signedMode ? keyAscii : short{0};
        }
        const bool nextIsMinus = !after.empty() && after.front() == u'-';
        return IsExponentLetter(previous) && !nextIsMinus ? keyAscii : short{0};
    }
    if (keyAscii == '.') {
        if (!real || text.find(u'.') != std::u16string_view::npos || HasExponentLetter(before)) {
            return 0;
        }
        return keyAscii;
    }
    if (IsExponentLetter(static_cast<char16_t>(keyAscii))) {
        if (!real || HasExponentLetter(text) || p < 1 || previous == u'.' || previous == u'-' ||
            after.find(u'.') != std::u16string_view::npos) {
            return 0;
        }
        return keyAscii;
    }
    return 0;
}

}  // namespace tavimor
