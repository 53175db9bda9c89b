// SPDX-License-Identifier: GPL-3.0-or-later
// An option button as the program's option groups need it. It reports a click notice (Chosen)
// whenever it becomes selected, by the user or by the program, and when the user clicks it while
// it is selected: once for each click, whatever a handler of the notice does to the group. It
// answers a click anywhere in its box, not only on its circle and text, since the answer options
// are laid out on a grid and the whole cell is the target; its access key clicks it at once
// (access_key.h); and its background leaves the border of the frame it stands in whole.
// Platform layer (windows/platform/), below the controls and the windows.
#pragma once

#include <QRadioButton>

namespace tavimor {

class OptionButton : public QRadioButton {
    Q_OBJECT

public:
    // The button's cell is part of the surface it stands on: its background is filled in the
    // Window role, where the program puts its colours, not in Qt's Button role for buttons.
    explicit OptionButton(QWidget *parent = nullptr);

    // Takes the button out of use: at once hidden, out of its window (so out of reach of Tab,
    // access keys and assistive technology) and raising nothing more, it is freed once control
    // returns to the event loop, since Qt may still be inside one of its signals (a handler of
    // its own notice may rebuild the group).
    void Retire();

signals:
    void Chosen();

protected:
    bool event(QEvent *event) override;
    bool hitButton(const QPoint &pos) const override;
    void nextCheckState() override;
    void paintEvent(QPaintEvent *event) override;

private:
    // Set when the user's click itself selected the button, whose notice the selection raised.
    bool m_selectedByClick = false;
};

}  // namespace tavimor
