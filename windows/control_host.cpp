#include "control_host.h"

#include <QApplication>
#include <QLocale>

#include "colours.h"

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
