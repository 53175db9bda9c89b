// Platform layer (windows/platform/): see caption_label.h.
#include "caption_label.h"

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

}  // namespace tavimor
