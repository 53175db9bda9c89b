// SPDX-License-Identifier: GPL-3.0-or-later
// Records the message boxes the program would show, in place of the real, blocking ones.
#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "message_box.h"

namespace tavimor::testing {

struct RecordedBox {
    QString text;
    int style = 0;
    QString title;
};

// Installed for its lifetime; the boxes it saw are in Boxes().
class MessageRecorder final : public MessageBoxService {
public:
    MessageRecorder();
    ~MessageRecorder() override;
    MessageRecorder(const MessageRecorder &) = delete;
    MessageRecorder &operator=(const MessageRecorder &) = delete;

    void Show(const QString &text, int style, const QString &title) override;
    // While held, boxes stay open as in the browser: what follows them waits for CloseHeld().
    void Open(const QString &text, int style, const QString &title,
              const std::function<void()> &closed) override;
    void Hold(bool held) { m_held = held; }
    void CloseHeld();
    const std::vector<RecordedBox> &Boxes() const { return m_boxes; }
    void Clear() { m_boxes.clear(); }

private:
    std::vector<RecordedBox> m_boxes;
    bool m_held = false;
    std::vector<std::function<void()>> m_open;
};

// Between tests, a box that would show fails the running test instead of blocking it.
void ForbidRealMessageBoxes();

}  // namespace tavimor::testing
