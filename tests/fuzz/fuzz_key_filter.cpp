// SPDX-License-Identifier: GPL-3.0-or-later
// Any text, caret, mode and key through the keystroke rules: the key is let through unchanged
// or refused, never turned into another; text beginning with "-" takes nothing before the sign.
// Input: mode (1 byte), key (2 bytes), caret (2 bytes), then the text, one character a byte.
#include <cstdlib>
#include <string>

#include "fuzz_input.h"
#include "num_key_filter.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    tavimor::fuzz::Input input(data, size);
    const int mode = input.Take<int8_t>();
    const auto key = input.Take<short>();
    const auto caret = input.Take<short>();
    std::u16string text;
    for (const char c : input.Rest()) {
        text.push_back(static_cast<unsigned char>(c));
    }
    const short result = tavimor::FilterNumberKey(key, text, caret, mode);
    if (result != 0 && result != key) {
        std::abort();
    }
    if (!text.empty() && text.front() == u'-' && caret <= 0 && result != 0) {
        std::abort();
    }
    return 0;
}
