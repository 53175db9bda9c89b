// Platform layer (windows/platform/): see caption_frame.h.
#include "caption_frame.h"

#include <QPainter>
#include <QStyle>

namespace tavimor {

void CaptionFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const int lineY = metrics.height() / 2;
    const QString caption = title();
    constexpr int kCaptionLeft = 7;
    constexpr int kCaptionPadding = 2;
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic | Qt::TextSingleLine;
    QRect captionRect;
    if (!caption.isEmpty()) {
        captionRect = metrics.boundingRect(
            QRect(kCaptionLeft + kCaptionPadding, 0, width(), height()), flags, caption);
        captionRect.adjust(-kCaptionPadding, 0, kCaptionPadding, 0);
    }

    if (!isFlat()) {
        // Etched: a shadow line with a light line inside it, broken where the caption stands.
        const QRect box(0, lineY, width() - 1, height() - lineY - 1);
        painter.save();
        if (!captionRect.isNull()) {
            painter.setClipRegion(QRegion(rect()).subtracted(captionRect));
        }
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(box.adjusted(0, 0, -1, -1));
        painter.setPen(palette().color(QPalette::Light));
        painter.drawRect(box.adjusted(1, 1, 0, 0));
        painter.restore();
    }
    if (!caption.isEmpty()) {
        const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
        painter.setPen(palette().color(group, QPalette::WindowText));
        painter.setFont(font());
        painter.drawText(captionRect.adjusted(kCaptionPadding, 0, 0, 0), flags, caption);
    }
}

}  // namespace tavimor
