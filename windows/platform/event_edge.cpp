// SPDX-License-Identifier: GPL-3.0-or-later
// Platform layer (windows/platform/): see event_edge.h.
#include "event_edge.h"

#include "message_box.h"

namespace tavimor {

void ShowErrorAtEdge(const NumberedError &error)
{
    MsgBox(QStringLiteral("エラー番号 %1\r%2")
               .arg(error.Number())
               .arg(QString::fromStdString(error.Description())),
           kMsgBoxCritical);
}

void ShowErrorAtEdge(const std::exception &error)
{
    MsgBox(QString::fromLocal8Bit(error.what()), kMsgBoxCritical);
}

}  // namespace tavimor
