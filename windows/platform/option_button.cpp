// SPDX-License-Identifier: GPL-3.0-or-later
// Platform layer (windows/platform/): see option_button.h.
#include "option_button.h"

#include <QPainter>
#include <utility>

#include "access_key.h"
#include "caption_frame.h"

namespace tavimor {

OptionButton::OptionButton(QWidget *parent) : QRadioButton(parent)
{
    setBackgroundRole(QPalette::Window);
    connect(this, &QAbstractButton::toggled, this, [this](bool checked) {
        if (checked) {
            emit Chosen();
        }
    });
    // A click that found the button selected changed nothing and raised nothing yet.
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (!std::exchange(m_selectedByClick, false)) {
            emit Chosen();
        }
    });
}

void OptionButton::nextCheckState()
{
    // Called by a click right before its clicked signal. A button not selected yet is selected
    // now, whose notice has then been raised; a selected one stays selected. The flag is set
    // after the selection's handlers have run, so a click they made in turn cannot take it away.
    const bool wasSelected = isChecked();
    QRadioButton::nextCheckState();
    m_selectedByClick = !wasSelected;
}

void OptionButton::Retire()
{
    // Out of its window at once: a hidden widget is still its parent's child for assistive
    // technology, and a parentless one that never had a window of its own is nowhere. Only the
    // button's own notice is cut; Qt's links stay, among them the one by which its accessibility
    // cache forgets the button when it is freed.
    QWidget *former = parentWidget();
    hide();
    disconnect(this, &OptionButton::Chosen, nullptr, nullptr);
    setParent(nullptr);
    if (former != nullptr) {
        // Freed with the window it stood in, if the event loop does not come first.
        connect(former, &QObject::destroyed, this, [this] { delete this; });
    }
    deleteLater();
}

bool OptionButton::event(QEvent *event)
{
    return ClickOnAccessKey(this, event) || QRadioButton::event(event);
}

bool OptionButton::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}

void OptionButton::paintEvent(QPaintEvent *event)
{
    QRadioButton::paintEvent(event);
    const auto *frame = qobject_cast<const CaptionFrame *>(parentWidget());
    if (frame && frame->ReachesBorder(geometry())) {
        QPainter painter(this);
        painter.translate(-pos());
        frame->PaintBorder(painter);
    }
}

}  // namespace tavimor
