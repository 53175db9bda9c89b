// SPDX-License-Identifier: GPL-3.0-or-later
// Platform layer (windows/platform/): see colours.h.
#include "colours.h"

#include <QApplication>
#include <QEvent>
#include <QPalette>
#include <QPointer>
#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace tavimor {

QColor ToQColor(OleColor colour)
{
    if ((colour & 0x80000000u) == 0) {
        return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                      static_cast<int>((colour >> 16) & 0xFF));
    }
    const QPalette palette = QApplication::palette();
    switch (colour & 0xFFFF) {
        // The window is painted in the palette's Window colour, and in the designs the surfaces
        // on it (labels, frames, options, switches, a disabled field) share its colour: under a
        // palette whose Button colour differs from Window they must not stand out as patches.
        case 4:   // menu background
        case 15:  // button face
            return palette.color(QPalette::Window);
        case 0:   // scroll bars
        case 3:   // inactive caption
        case 22:  // 3-D light
            return palette.color(QPalette::Button);
        case 1:   // desktop
        case 2:   // active caption
        case 13:  // highlight
            return palette.color(QPalette::Highlight);
        case 5:  // window background
            return palette.color(QPalette::Base);
        case 6:   // window frame
        case 21:  // 3-D dark shadow
            return palette.color(QPalette::Shadow);
        case 7:  // menu text
        case 8:  // window text
        case 9:  // caption text
            return palette.color(QPalette::Text);
        case 14:  // highlighted text
            return palette.color(QPalette::HighlightedText);
        case 16:  // button shadow
            return palette.color(QPalette::Dark);
        case 17:  // grey text
            return palette.color(QPalette::Disabled, QPalette::Text);
        case 18:  // button text
            return palette.color(QPalette::ButtonText);
        case 20:  // 3-D highlight
            return palette.color(QPalette::Light);
        case 23:  // tool tip text
            return palette.color(QPalette::ToolTipText);
        case 24:  // tool tip background
            return palette.color(QPalette::ToolTipBase);
        default:
            return palette.color(QPalette::Window);
    }
}

int TwipsToPixels(double twips)
{
    // Far beyond any screen, a length is held at a size Qt can still place.
    constexpr double kLimit = 1 << 24;
    const double pixels = std::round(twips / kTwipsPerPixel);
    if (!(pixels > -kLimit)) {
        return -static_cast<int>(kLimit);
    }
    return static_cast<int>(std::min(pixels, kLimit));
}

double PixelsToTwips(double pixels)
{
    return pixels * kTwipsPerPixel;
}

QRect TwipsRect(double left, double top, double width, double height)
{
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

}  // namespace tavimor

namespace tavimor {
namespace {

const char *const kBackColorProperty = "tavimorBackColor";
const char *const kForeColorProperty = "tavimorForeColor";
const char *const kBackRoleProperty = "tavimorBackColorRole";
const char *const kForeRoleProperty = "tavimorForeColorRole";

bool IsSystemColour(OleColor colour)
{
    return (colour & 0x80000000u) != 0;
}

void ApplyBackColor(QWidget *widget, OleColor colour, QPalette::ColorRole role)
{
    QPalette palette = widget->palette();
    palette.setColor(role, ToQColor(colour));
    widget->setPalette(palette);
}

void ApplyForeColor(QWidget *widget, OleColor colour, QPalette::ColorRole role)
{
    QPalette palette = widget->palette();
    const QColor qcolour = ToQColor(colour);
    palette.setColor(QPalette::Active, role, qcolour);
    palette.setColor(QPalette::Inactive, role, qcolour);
    widget->setPalette(palette);
}

// When the desktop's colour scheme changes while the program runs (dark mode switched on or
// off), the application's palette changes under widgets whose system colours were resolved into
// their own palettes: each is resolved again from the new palette, so that the windows look as
// if opened under it.
class SystemColourWatcher final : public QObject {
public:
    using QObject::QObject;

    static void Ensure()
    {
        static QPointer<SystemColourWatcher> watcher;
        if (watcher.isNull() && qApp != nullptr) {
            watcher = new SystemColourWatcher(qApp);
            qApp->installEventFilter(watcher);
        }
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == qApp && event->type() == QEvent::ApplicationPaletteChange) {
            ResolveSystemColoursAgain();
        }
        return false;
    }
};

}  // namespace

void ResolveSystemColoursAgain()
{
    const QWidgetList widgets = QApplication::allWidgets();
    for (QWidget *widget : widgets) {
        const QVariant back = widget->property(kBackColorProperty);
        if (back.isValid() && IsSystemColour(back.value<quint32>())) {
            ApplyBackColor(widget, back.value<quint32>(),
                           widget->property(kBackRoleProperty).value<QPalette::ColorRole>());
        }
        const QVariant fore = widget->property(kForeColorProperty);
        if (fore.isValid() && IsSystemColour(fore.value<quint32>())) {
            ApplyForeColor(widget, fore.value<quint32>(),
                           widget->property(kForeRoleProperty).value<QPalette::ColorRole>());
        }
    }
}

void SetBackColor(QWidget *widget, OleColor colour, QPalette::ColorRole role)
{
    ApplyBackColor(widget, colour, role);
    widget->setAutoFillBackground(role == QPalette::Window);
    widget->setProperty(kBackColorProperty, QVariant::fromValue<quint32>(colour));
    widget->setProperty(kBackRoleProperty, QVariant::fromValue(role));
    SystemColourWatcher::Ensure();
}

void SetForeColor(QWidget *widget, OleColor colour, QPalette::ColorRole role)
{
    ApplyForeColor(widget, colour, role);
    widget->setProperty(kForeColorProperty, QVariant::fromValue<quint32>(colour));
    widget->setProperty(kForeRoleProperty, QVariant::fromValue(role));
    SystemColourWatcher::Ensure();
}

void CopyColours(const QWidget *from, QWidget *to)
{
    to->setPalette(from->palette());
    to->setAutoFillBackground(from->autoFillBackground());
    for (const char *property :
         {kBackColorProperty, kForeColorProperty, kBackRoleProperty, kForeRoleProperty}) {
        to->setProperty(property, from->property(property));
    }
}

OleColor BackColorOf(const QWidget *widget, OleColor fallback)
{
    const QVariant value = widget->property(kBackColorProperty);
    return value.isValid() ? value.value<quint32>() : fallback;
}

OleColor ForeColorOf(const QWidget *widget, OleColor fallback)
{
    const QVariant value = widget->property(kForeColorProperty);
    return value.isValid() ? value.value<quint32>() : fallback;
}

}  // namespace tavimor
