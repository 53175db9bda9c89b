// SPDX-License-Identifier: GPL-3.0-or-later
// Platform layer (windows/platform/): see image_box.h.
#include "image_box.h"

#include <QPainter>
#include <utility>

namespace tavimor {

ImageBox::ImageBox(QWidget *parent) : QLabel(parent)
{
    setScaledContents(false);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void ImageBox::setPicture(const QPixmap &picture)
{
    m_source = nullptr;
    Show(picture);
}

void ImageBox::setPicture(PictureSource source)
{
    m_source = std::move(source);
    m_ratio = devicePixelRatioF();
    Show(m_source ? m_source(m_ratio) : QPixmap());
}

void ImageBox::Show(const QPixmap &picture)
{
    setPixmap(picture);
    if (!picture.isNull()) {
        resize(picture.deviceIndependentSize().toSize());
    }
}

void ImageBox::paintEvent(QPaintEvent *event)
{
    if (m_source && devicePixelRatioF() != m_ratio) {
        m_ratio = devicePixelRatioF();
        Show(m_source(m_ratio));
    }
    const QPixmap picture = pixmap();
    if (picture.isNull() || picture.devicePixelRatio() == devicePixelRatioF()) {
        QLabel::paintEvent(event);
        return;
    }
    // Drawn for another scale (the 2x drawing on a display at 1.5): scaled smoothly, not by
    // dropping pixels.
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(QRectF(QPointF(0, 0), picture.deviceIndependentSize()), picture,
                       QRectF(picture.rect()));
}

}  // namespace tavimor
