// Platform layer (windows/platform/): see image_box.h.
#include "image_box.h"

namespace tavimor {

ImageBox::ImageBox(QWidget *parent) : QLabel(parent)
{
    setScaledContents(false);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void ImageBox::setPicture(const QPixmap &picture)
{
    setPixmap(picture);
    if (!picture.isNull()) {
        resize(picture.deviceIndependentSize().toSize());
    }
}

}  // namespace tavimor
