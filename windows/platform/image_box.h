// SPDX-License-Identifier: GPL-3.0-or-later
// An image that takes the size of the picture it is given, without stretching it. Given a
// picture source, it shows the picture drawn for the scale of the display it is on, and draws it
// anew when it moves to a display of another scale.
// Platform layer (windows/platform/), below the controls and the windows.
#pragma once

#include <QLabel>
#include <QPixmap>
#include <functional>

namespace tavimor {

class ImageBox : public QLabel {
    Q_OBJECT

public:
    // The picture for a device pixel ratio.
    using PictureSource = std::function<QPixmap(qreal devicePixelRatio)>;

    explicit ImageBox(QWidget *parent = nullptr);

    void setPicture(const QPixmap &picture);
    void setPicture(PictureSource source);
    QPixmap Picture() const { return pixmap(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void Show(const QPixmap &picture);

    PictureSource m_source;
    qreal m_ratio = 0;
};

}  // namespace tavimor
