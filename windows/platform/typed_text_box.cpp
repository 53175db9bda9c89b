// SPDX-License-Identifier: GPL-3.0-or-later
// Platform layer (windows/platform/): see typed_text_box.h.
#include "typed_text_box.h"

#include <QApplication>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMouseEvent>
#include <algorithm>
#include <limits>

#include "clipboard.h"
#include "key_codes.h"

namespace tavimor {

bool FocusLeavesForTheProgram(const QFocusEvent *event)
{
    switch (event->reason()) {
        case Qt::PopupFocusReason:
        case Qt::MenuBarFocusReason:  // Alt gives a menu bar the keyboard, not the focus
            return false;
        case Qt::ActiveWindowFocusReason: {
            // The same reason for another window of the program and for another program: only
            // the first leaves the program an active window, the one the focus goes to. A modal
            // box coming up becomes that window without the user leaving; a window that a modal
            // dialog does not block is left for.
            const QWidget *next = QApplication::activeWindow();
            const QWidget *modal = QApplication::activeModalWidget();
            return next != nullptr && (modal == nullptr || next != modal);
        }
        default:
            return true;
    }
}

TypedTextBox::TypedTextBox(QWidget *parent) : QLineEdit(parent)
{
    // The widget's own limit would also cut the program's writes: it is set beyond any text,
    // and the user's roads keep to UserMaxLength instead.
    setMaxLength(std::numeric_limits<int>::max());
    setAcceptDrops(false);
    setDragEnabled(false);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QLineEdit::customContextMenuRequested, this, &TypedTextBox::ShowEditMenu);
}

QString TypedTextBox::FitUserMaxLength(const QString &inserted) const
{
    if (m_userMaxLength <= 0) {
        return inserted;
    }
    const qsizetype kept = text().size() - selectedText().size();
    qsizetype room = std::max<qsizetype>(m_userMaxLength - kept, 0);
    // A character of two units (a surrogate pair) goes in whole or not at all.
    if (room > 0 && room < inserted.size() && inserted.at(room - 1).isHighSurrogate() &&
        inserted.at(room).isLowSurrogate()) {
        --room;
    }
    return inserted.left(room);
}

void TypedTextBox::InsertTyped(const QString &text)
{
    const QString fitted = FitUserMaxLength(text);
    if (fitted.isEmpty() && !hasSelectedText()) {
        return;
    }
    insert(fitted);
}

void TypedTextBox::CopySelection()
{
    SetClipboardText(selectedText());
}

void TypedTextBox::CutSelection()
{
    SetClipboardText(selectedText());
    insert(QString());
}

void TypedTextBox::PasteFromClipboard()
{
    InsertTyped(ClipboardText());
}

bool TypedTextBox::RunClipboardChord(short keyCode)
{
    switch (keyCode) {
        case kKeyC:
            CopySelection();
            return true;
        case kKeyX:
            CutSelection();
            return true;
        case kKeyV:
            PasteFromClipboard();
            return true;
        default:
            return false;
    }
}

void TypedTextBox::ShowEditMenu(QPoint position)
{
    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const bool selected = hasSelectedText();
    menu->addAction(QStringLiteral("切り取り(&T)"), this, &TypedTextBox::CutSelection)
        ->setEnabled(selected && isEnabled());
    menu->addAction(QStringLiteral("コピー(&C)"), this, &TypedTextBox::CopySelection)
        ->setEnabled(selected);
    menu->addAction(QStringLiteral("貼り付け(&P)"), this, &TypedTextBox::PasteFromClipboard)
        ->setEnabled(!ClipboardText().isEmpty() && isEnabled());
    menu->addAction(QStringLiteral("削除(&D)"), this, [this] { insert(QString()); })
        ->setEnabled(selected && isEnabled());
    menu->addSeparator();
    menu->addAction(QStringLiteral("すべて選択(&A)"), this, &QLineEdit::selectAll)
        ->setEnabled(!text().isEmpty());
    menu->popup(mapToGlobal(position));
}

void TypedTextBox::mouseReleaseEvent(QMouseEvent *event)
{
    // A middle click pastes the desktop's selection where the desktop has one, as the line edit
    // would, but within the limit.
    if (event->button() == Qt::MiddleButton && SelectionSupported() && !isReadOnly()) {
        deselect();
        InsertTyped(SelectionText());
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void TypedTextBox::inputMethodEvent(QInputMethodEvent *event)
{
    if (!event->commitString().isEmpty()) {
        event->setCommitString(FitUserMaxLength(event->commitString()), event->replacementStart(),
                               event->replacementLength());
    }
    QLineEdit::inputMethodEvent(event);
}

}  // namespace tavimor
