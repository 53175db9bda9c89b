// SPDX-License-Identifier: GPL-3.0-or-later
// Platform layer (windows/platform/): see control_host.h.
#include "control_host.h"

#include <QApplication>
#include <QLocale>
#include <QMouseEvent>

#include "colours.h"
#include "input_codes.h"

namespace tavimor {

ControlHost::ControlHost(Mode mode, QObject *parent)
    : QObject(parent),
      m_mode(mode),
      m_localeId(QLocale::system().language() == QLocale::Japanese ? kJapanese : kEnglish),
      m_ambientFont(QApplication::font())
{}

ControlHost *ControlHost::Default()
{
    static ControlHost *host = new ControlHost(Mode::Running, qApp);
    return host;
}

void ControlHost::NotifyPropertyChanged(QObject *control, const QString &name)
{
    emit PropertyChanged(control, name);
}

QPointF ControlHost::ScaleToContainer(QPointF pixels)
{
    return {PixelsToTwips(pixels.x()), PixelsToTwips(pixels.y())};
}

}  // namespace tavimor

namespace tavimor {

MouseArguments MouseArgumentsOf(const QMouseEvent *event)
{
    const QPointF twips = ControlHost::ScaleToContainer(event->position());
    return {MouseButtonCode(event->type() == QEvent::MouseButtonRelease
                                ? Qt::MouseButtons(event->button())
                                : event->buttons()),
            ShiftCode(event->modifiers()), static_cast<float>(twips.x()),
            static_cast<float>(twips.y())};
}

}  // namespace tavimor
