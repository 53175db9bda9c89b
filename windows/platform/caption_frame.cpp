// SPDX-License-Identifier: GPL-3.0-or-later
// Platform layer (windows/platform/): see caption_frame.h.
#include "caption_frame.h"

#include <QPainter>
#include <QStyle>

namespace tavimor {

namespace {
constexpr int kCaptionLeft = 7;
constexpr int kCaptionPadding = 2;
constexpr int kCaptionFlags =
    Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic | Qt::TextSingleLine;
}  // namespace

int CaptionFrame::BorderTop() const
{
    return fontMetrics().height() / 2;
}

QRect CaptionFrame::CaptionRect() const
{
    const QString caption = title();
    if (caption.isEmpty()) {
        return {};
    }
    QRect captionRect = fontMetrics().boundingRect(
        QRect(kCaptionLeft + kCaptionPadding, 0, width(), height()), kCaptionFlags, caption);
    return captionRect.adjusted(-kCaptionPadding, 0, kCaptionPadding, 0);
}

void CaptionFrame::PaintBorder(QPainter &painter) const
{
    PaintBorder(painter, CaptionRect());
}

void CaptionFrame::PaintBorder(QPainter &painter, const QRect &captionRect) const
{
    if (isFlat()) {
        return;
    }
    // Etched: a shadow line with a light line inside it, broken where the caption stands.
    const int lineY = BorderTop();
    const QRect box(0, lineY, width() - 1, height() - lineY - 1);
    painter.save();
    if (!captionRect.isNull()) {
        painter.setClipRegion(QRegion(rect()).subtracted(captionRect), Qt::IntersectClip);
    }
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(box.adjusted(1, 1, 0, 0));
    painter.restore();
}

bool CaptionFrame::ReachesBorder(const QRect &area) const
{
    if (isFlat()) {
        return false;
    }
    // The border's two lines take the two outer pixels of each side (at the top, from the
    // middle of the caption down); one pixel more allows for rounding at a fractional scale.
    return !rect().adjusted(3, BorderTop() + 3, -3, -3).contains(area);
}

void CaptionFrame::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    const QRect captionRect = CaptionRect();
    PaintBorder(painter, captionRect);
    const QString caption = title();
    if (!caption.isEmpty()) {
        const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
        painter.setPen(palette().color(group, QPalette::WindowText));
        painter.setFont(font());
        painter.drawText(captionRect.adjusted(kCaptionPadding, 0, 0, 0), kCaptionFlags, caption);
    }
}

}  // namespace tavimor
