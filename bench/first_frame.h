// SPDX-License-Identifier: GPL-3.0-or-later
// The end of a start-up as the learner sees it: the window's first frame on the screen. A child
// of startup_bench shows its window, and once the first expose of the window has been handled
// (Qt paints the whole window and puts it on the screen while handling it) it prints "frame".
// It then lets the window settle for a moment and prints how many frames followed (none when the
// first frame was already complete) and its peak memory in kilobytes, and ends.
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <functional>

namespace tavimor::bench {

class FirstFrame : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && !m_shown) {
            m_shown = true;
            // Runs once the expose, with its painting and flushing, has been handled.
            QTimer::singleShot(0, [] {
                std::printf("frame\n");
                std::fflush(stdout);
            });
        } else if (m_shown && event->type() == QEvent::UpdateRequest) {
            ++m_laterFrames;
        }
        return QObject::eventFilter(watched, event);
    }

    bool m_shown = false;
    int m_laterFrames = 0;
};

// The peak resident memory of this process, in kilobytes.
inline long PeakMemoryKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) {
            return line.mid(6).trimmed().split(' ').value(0).toLong();
        }
    }
    return 0;
}

// Shows `window`, then runs `afterShow`, and runs until it has settled; returns the process's
// exit code.
inline int ShowUntilSettled(QWidget &window, const std::function<void()> &afterShow = {})
{
    FirstFrame watcher;
    window.winId();  // the native window, to watch its expose
    window.windowHandle()->installEventFilter(&watcher);
    window.show();
    if (afterShow) {
        afterShow();
    }
    QTimer::singleShot(400, [&watcher] {
        std::printf("later frames %d\npeak %ld\n", watcher.m_laterFrames, PeakMemoryKb());
        std::fflush(stdout);
        QCoreApplication::exit(watcher.m_shown ? 0 : 1);
    });
    return QCoreApplication::exec();
}

}  // namespace tavimor::bench
