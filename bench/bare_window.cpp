// SPDX-License-Identifier: GPL-3.0-or-later
// The floor of start-up: a bare Qt window of the main window's size holding a dozen labels and
// buttons, its own small executable, shown the way startup_bench shows the program.
#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include "first_frame.h"

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(593, 481);
    for (int i = 0; i < 6; ++i) {
        auto *label = new QLabel(QStringLiteral("ラベル %1").arg(i), &window);
        label->move(10, 10 + 30 * i);
        auto *button = new QPushButton(QStringLiteral("ボタン %1").arg(i), &window);
        button->move(200, 10 + 30 * i);
    }
    return tavimor::bench::ShowUntilSettled(window);
}
