// SPDX-License-Identifier: GPL-3.0-or-later
// A periodic timer with an interval in milliseconds and an enabled switch: an interval of 0
// never ticks, and disabling then enabling it starts a fresh interval.
// Platform layer (windows/platform/), below the controls and the windows.
#pragma once

#include <QObject>
#include <QTimer>

namespace tavimor {

class DrillTimer : public QObject {
    Q_OBJECT

public:
    explicit DrillTimer(QObject *parent = nullptr);

    int Interval() const { return m_interval; }
    void setInterval(int milliseconds);
    bool Enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    // True while a tick is due: enabled with an interval above 0.
    bool IsRunning() const { return m_timer.isActive(); }
    // Milliseconds until the next tick; -1 while none is due.
    int RemainingTime() const { return m_timer.remainingTime(); }

signals:
    void Timer();

private:
    void Restart();

    QTimer m_timer;
    int m_interval = 0;
    bool m_enabled = true;
};

}  // namespace tavimor
