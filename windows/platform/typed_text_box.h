// SPDX-License-Identifier: GPL-3.0-or-later
// A one-line text box whose limit on length holds for what the user puts in, by every road the
// box itself offers, and never for what the program writes: setText and insert take any text
// whole. The user's roads are the box's own: InsertTyped for what a control lets through from
// the keys, the clipboard operations (also behind the edit menu 切り取り, コピー, 貼り付け, 削除,
// すべて選択), a middle click that pastes the desktop's selection, and an input method's
// commit. Dropping text on the box is turned off. A road that would change nothing (nothing
// fits, nothing is selected) leaves the text untouched, so no textChanged follows.
// Platform layer (windows/platform/), below the controls and the windows.
#pragma once

#include <QLineEdit>

class QFocusEvent;

namespace tavimor {

// Whether a focus-out event of a widget means the user leaving it for another widget of the
// program, in its own window or in another that can take the focus (also beside a modal dialog
// that does not block it): not a menu, a menu bar's keyboard mode or a modal box of the program
// coming up, and not the switch to another program, after which the widget still has the
// program's focus.
bool FocusLeavesForTheProgram(const QFocusEvent *event);

class TypedTextBox : public QLineEdit {
    Q_OBJECT

public:
    explicit TypedTextBox(QWidget *parent = nullptr);

    // The most characters the user's input may bring the text to; 0 (or less) for no limit.
    qint32 UserMaxLength() const { return m_userMaxLength; }
    void setUserMaxLength(qint32 length) { m_userMaxLength = length; }

    // What the user types or pastes, in place of the selection, within the limit.
    void InsertTyped(const QString &text);
    // The clipboard as plain text: the selection onto it, cut out of the text, or the
    // clipboard's text in place of the selection (unfiltered, within the limit).
    void CopySelection();
    void CutSelection();
    void PasteFromClipboard();
    // The clipboard chord of Ctrl with the key of virtual-key number `keyCode`: C (kKeyC)
    // copies, X cuts, V pastes. False, and nothing done, for any other key.
    bool RunClipboardChord(short keyCode);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;

private:
    // The part of `inserted` that fits within the limit in place of the selection.
    QString FitUserMaxLength(const QString &inserted) const;
    void ShowEditMenu(QPoint position);

    qint32 m_userMaxLength = 0;
};

}  // namespace tavimor
