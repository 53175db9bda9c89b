// SPDX-License-Identifier: GPL-3.0-or-later
// Colours and lengths as the program's designs give them: a colour is 0x00BBGGRR, or
// 0x80000000 plus the number of a system colour; lengths are twips, 15 to a pixel.
// Platform layer (windows/platform/), below the controls and the windows.
#pragma once

#include <QColor>
#include <QPalette>
#include <QRect>
#include <cstdint>

namespace tavimor {

using OleColor = std::uint32_t;

inline constexpr OleColor kSysMenu = 0x80000004;
inline constexpr OleColor kSysWindow = 0x80000005;
inline constexpr OleColor kSysWindowText = 0x80000008;
inline constexpr OleColor kSysHighlightText = 0x8000000E;
inline constexpr OleColor kSysButtonFace = 0x8000000F;
inline constexpr OleColor kSysButtonText = 0x80000012;
inline constexpr OleColor kSys3DHighlight = 0x80000014;

// The colour a value stands for; system colours come from the application's palette.
QColor ToQColor(OleColor colour);

inline constexpr double kTwipsPerPixel = 15.0;

// Twips to device-independent pixels, rounded to the nearest pixel.
int TwipsToPixels(double twips);
double PixelsToTwips(double pixels);
QRect TwipsRect(double left, double top, double width, double height);

}  // namespace tavimor

class QWidget;

namespace tavimor {

// Gives a widget a background or text colour in the given palette role and remembers the value
// as given, so that it reads back as a system colour when it was one, and is resolved again when
// the application's palette changes. Text colours leave the disabled look to the style.
void SetBackColor(QWidget *widget, OleColor colour, QPalette::ColorRole role = QPalette::Window);
void SetForeColor(QWidget *widget, OleColor colour,
                  QPalette::ColorRole role = QPalette::WindowText);
OleColor BackColorOf(const QWidget *widget, OleColor fallback);
OleColor ForeColorOf(const QWidget *widget, OleColor fallback);
// Gives `to` the colours of `from`, with the values as given.
void CopyColours(const QWidget *from, QWidget *to);
// Resolves every widget's system colours again from the application's palette. Runs by itself
// whenever that palette changes (the desktop's scheme switched while the program runs).
void ResolveSystemColoursAgain();

}  // namespace tavimor
