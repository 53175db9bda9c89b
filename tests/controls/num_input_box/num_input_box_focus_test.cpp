// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the number input control: validation as the focus leaves the box, for another widget
// or another window, and what does not count as leaving.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include "num_input_box_fixture.h"

namespace {

using tavimor::NumInputBoxR;
using tavimor::testing::NumInputBoxTest;

TEST_F(NumInputBoxTest, LeavingARefusedBoxBringsTheFocusBack)
{
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *input = new NumInputBoxR(&running);
    auto *other = new QPushButton(QStringLiteral("other"));
    layout->addWidget(input);
    layout->addWidget(other);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    input->TextBox()->setFocus();
    input->setText(QStringLiteral("-"));
    other->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_TRUE(input->TextBox()->hasFocus());
    input->setText(QStringLiteral("0012"));
    other->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_TRUE(other->hasFocus());
    EXPECT_EQ(input->Text(), QStringLiteral("12"));

    // Where the box cannot wait for OK (the browser), the rewrite and the focus wait for it.
    input->setLimitCheck(true);
    input->setUpperLimit(20);
    input->setLowerLimit(10);
    input->TextBox()->setFocus();
    input->setText(QStringLiteral("5e"));
    boxes.Hold(true);
    other->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(input->Text(), QStringLiteral("5e"));
    EXPECT_TRUE(other->hasFocus());
    boxes.CloseHeld();
    boxes.Hold(false);
    QApplication::processEvents();
    EXPECT_EQ(input->Text(), QStringLiteral("5e0"));
    EXPECT_TRUE(input->TextBox()->hasFocus());
    input->setLimitCheck(false);
    boxes.Clear();

    // Another window of the program taking the focus validates as well.
    QLineEdit elsewhere;
    elsewhere.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    input->TextBox()->setFocus();
    input->setText(QStringLiteral("-"));
    elsewhere.activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return boxes.Boxes().size() == 1; }));
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == input->TextBox(); }));
    input->setText(QStringLiteral("0012"));
    elsewhere.activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([&] { return input->Text() == QStringLiteral("12"); }));
    EXPECT_EQ(boxes.Boxes().size(), 1u);
    boxes.Clear();

    // Also from a modal dialog, to a window it does not block; and a menu bar taking the
    // keyboard (Alt) is no leaving.
    QDialog dialog;
    dialog.setWindowModality(Qt::ApplicationModal);
    auto *modal = new NumInputBoxR(&running, &dialog);
    QLineEdit beside(&dialog);
    beside.setWindowFlags(Qt::Window);
    dialog.show();
    beside.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    modal->TextBox()->setFocus();
    modal->setText(QStringLiteral("-"));
    beside.activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([&] { return boxes.Boxes().size() == 1; }));
    dialog.close();
    QMainWindow host;
    auto *menuBarHost = new NumInputBoxR(&running);
    host.setCentralWidget(menuBarHost);
    host.menuBar()->addMenu(QStringLiteral("&File"));
    host.show();
    host.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
    menuBarHost->TextBox()->setFocus();
    menuBarHost->setText(QStringLiteral("0012"));
    host.menuBar()->setFocus(Qt::MenuBarFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(menuBarHost->Text(), QStringLiteral("0012"));
}

}  // namespace
