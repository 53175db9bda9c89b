// An image that takes the size of the picture it is given, without stretching it.
// Platform layer (windows/platform/), below the controls and the windows.
#pragma once

#include <QLabel>
#include <QPixmap>

namespace tavimor {

class ImageBox : public QLabel {
    Q_OBJECT

public:
    explicit ImageBox(QWidget *parent = nullptr);

    void setPicture(const QPixmap &picture);
    QPixmap Picture() const { return pixmap(); }
};

}  // namespace tavimor
