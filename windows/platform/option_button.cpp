// SPDX-License-Identifier: GPL-3.0-or-later
// Platform layer (windows/platform/): see option_button.h.
#include "option_button.h"

#include <QPainter>

#include "caption_frame.h"

namespace tavimor {

OptionButton::OptionButton(QWidget *parent) : QRadioButton(parent)
{
    setBackgroundRole(QPalette::Window);
}

bool OptionButton::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}

void OptionButton::paintEvent(QPaintEvent *event)
{
    QRadioButton::paintEvent(event);
    const auto *frame = qobject_cast<const CaptionFrame *>(parentWidget());
    if (frame && frame->ReachesBorder(geometry())) {
        QPainter painter(this);
        painter.translate(-pos());
        frame->PaintBorder(painter);
    }
}

}  // namespace tavimor
