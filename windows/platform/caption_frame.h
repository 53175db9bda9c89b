// SPDX-License-Identifier: GPL-3.0-or-later
// A frame in the classic look: an etched rectangle whose caption sits on its top edge, with
// the inside free from the top-left corner, so children are placed at plain coordinates.
// Platform layer (windows/platform/), below the controls and the windows.
#pragma once

#include <QGroupBox>

class QPainter;

namespace tavimor {

class CaptionFrame : public QGroupBox {
    Q_OBJECT

public:
    using QGroupBox::QGroupBox;

    // Draws the etched border, broken where the caption stands, in the frame's coordinates. A
    // child whose background reaches the border draws it again over itself: at a fractional
    // display scale its background would otherwise cover part of the line.
    void PaintBorder(QPainter &painter) const;
    // Whether `area` (in the frame's coordinates) comes near enough to the border to cover part
    // of it at some display scale; a child lying clear inside need not draw the border.
    bool ReachesBorder(const QRect &area) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The top line of the border: through the middle of the caption.
    int BorderTop() const;
    QRect CaptionRect() const;
    void PaintBorder(QPainter &painter, const QRect &captionRect) const;
};

}  // namespace tavimor
