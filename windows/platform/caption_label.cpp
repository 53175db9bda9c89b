// SPDX-License-Identifier: GPL-3.0-or-later
// Platform layer (windows/platform/): see caption_label.h.
#include "caption_label.h"

#include <qdrawutil.h>
#include <QPainter>

namespace tavimor {

CaptionLabel::CaptionLabel(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setFocusPolicy(Qt::NoFocus);
}

void CaptionLabel::setCaption(const QString &caption)
{
    setText(caption);
    emit Change();
}

void CaptionLabel::setBorderColour(OleColor colour)
{
    // The text keeps the place it has inside a one-pixel frame.
    m_borderColour = colour;
    setContentsMargins(1, 1, 1, 1);
    update();
}

void CaptionLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (m_borderColour) {
        QPainter painter(this);
        qDrawPlainRect(&painter, rect(), ToQColor(*m_borderColour), 1);
    }
}

}  // namespace tavimor
