// SPDX-License-Identifier: GPL-3.0-or-later
// The bilingual message tables of the controls: each number has a Japanese and an English text,
// chosen by the host's locale.
// Platform layer (windows/platform/), below the controls and the windows.
#pragma once

#include <QString>
#include <span>

namespace tavimor {

struct MessageRow {
    short number;
    const char *japanese;  // UTF-8
    const char *english;
};

// The rows every control's table starts with: 101 caution, 102 warning, 201 error number,
// 202 error.
extern const MessageRow kCommonMessages[4];

// The text of message `number` from `rows` (or the common rows) in the column for `localeId`
// (1041 Japanese, any other English); "未定義" / "Undefined." for a number in neither.
QString LookupMessage(std::span<const MessageRow> rows, short number, int localeId);

}  // namespace tavimor
