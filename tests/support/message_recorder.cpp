// SPDX-License-Identifier: GPL-3.0-or-later
// Test support: see message_recorder.h.
#include "message_recorder.h"

#include <gtest/gtest.h>

#include <utility>

namespace tavimor::testing {
namespace {

class FailingMessageBoxes final : public MessageBoxService {
public:
    void Show(const QString &text, int, const QString &title) override
    {
        ADD_FAILURE() << "unexpected message box: " << title.toStdString() << ": "
                      << text.toStdString();
    }
};

FailingMessageBoxes g_failing;

}  // namespace

MessageRecorder::MessageRecorder()
{
    InstallMessageBoxService(this);
}

MessageRecorder::~MessageRecorder()
{
    InstallMessageBoxService(&g_failing);
}

void MessageRecorder::Show(const QString &text, int style, const QString &title)
{
    m_boxes.push_back({text, style, title});
}

void MessageRecorder::Open(const QString &text, int style, const QString &title,
                           const std::function<void()> &closed)
{
    Show(text, style, title);
    if (m_held) {
        m_open.push_back(closed);
    } else if (closed) {
        closed();
    }
}

void MessageRecorder::CloseHeld()
{
    for (std::function<void()> &closed : std::exchange(m_open, {})) {
        if (closed) {
            closed();
        }
    }
}

void ForbidRealMessageBoxes()
{
    InstallMessageBoxService(&g_failing);
}

}  // namespace tavimor::testing
