// SPDX-License-Identifier: GPL-3.0-or-later
// Platform layer (windows/platform/): see message_table.h.
#include "message_table.h"

#include "control_host.h"

namespace tavimor {

const MessageRow kCommonMessages[4] = {
    {101, "注意!!", "Caution!!"},
    {102, "警告!!", "Warning!!"},
    {201, "エラー番号", "Error Number"},
    {202, "エラー", "Error"},
};

QString LookupMessage(std::span<const MessageRow> rows, short number, int localeId)
{
    const bool japanese = localeId == ControlHost::kJapanese;
    const auto pick = [japanese](const MessageRow &row) {
        return QString::fromUtf8(japanese ? row.japanese : row.english);
    };
    for (const MessageRow &row : kCommonMessages) {
        if (row.number == number) {
            return pick(row);
        }
    }
    for (const MessageRow &row : rows) {
        if (row.number == number) {
            return pick(row);
        }
    }
    return japanese ? QStringLiteral("未定義") : QStringLiteral("Undefined.");
}

}  // namespace tavimor
