// SPDX-License-Identifier: GPL-3.0-or-later
// A control's font is its own, whole. A Qt widget takes every attribute its font leaves unset
// from its parent's font, now and on every later change of the parent; a font given here has
// every attribute set, so no frame's or window's font reaches the widget, and the font reads
// back exactly as it was given.
// Platform layer (windows/platform/), below the controls and the windows.
#pragma once

#include <QFont>
#include <QWidget>

namespace tavimor {

inline void SetOwnFont(QWidget *widget, const QFont &font)
{
    QFont whole(font);
    whole.setResolveMask(QFont::AllPropertiesResolved);
    widget->setFont(whole);
}

}  // namespace tavimor
