// SPDX-License-Identifier: GPL-3.0-or-later
// Platform layer (windows/platform/): see drill_timer.h.
#include "drill_timer.h"

namespace tavimor {

DrillTimer::DrillTimer(QObject *parent) : QObject(parent)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &DrillTimer::Timer);
}

void DrillTimer::setInterval(int milliseconds)
{
    m_interval = milliseconds;
    Restart();
}

void DrillTimer::setEnabled(bool enabled)
{
    if (enabled == m_enabled) {
        return;
    }
    m_enabled = enabled;
    Restart();
}

void DrillTimer::Restart()
{
    m_timer.stop();
    if (m_enabled && m_interval > 0) {
        m_timer.start(m_interval);
    }
}

}  // namespace tavimor
