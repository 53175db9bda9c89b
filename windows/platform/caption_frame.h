// A frame in the classic look: an etched rectangle whose caption sits on its top edge, with
// the inside free from the top-left corner, so children are placed at plain coordinates.
// Platform layer (windows/platform/), below the controls and the windows.
#pragma once

#include <QGroupBox>

namespace tavimor {

class CaptionFrame : public QGroupBox {
    Q_OBJECT

public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent *event) override;
};

}  // namespace tavimor
