// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as a learner meets it beyond the drill: its font, the keyboard, assistive
// technology, its colours; clicks and keys on the real widgets, offscreen.
#include "frm_main.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRawFont>
#include <QSignalSpy>
#include <QTest>

#include "acid_catalogue.h"
#include "announcer.h"
#include "boolean_box.h"
#include "caption_frame.h"
#include "caption_label.h"
#include "colours.h"
#include "control_test_helpers.h"
#include "drill_rules.h"
#include "drill_timer.h"
#include "frm_main_properties.h"
#include "frm_table.h"
#include "image_box.h"
#include "main_window_fixture.h"
#include "message_recorder.h"
#include "message_table.h"
#include "multi_option.h"
#include "num_input_box.h"
#include "program_resources.h"
#include "random_source.h"
#include "sorted_list_box.h"

namespace {

using tavimor::MultiOption;
using tavimor::NumInputBoxR;

using tavimor::testing::MainWindowTest;
using tavimor::testing::MessageRecorder;

// Every text either window can show, with the controls' message tables and the refusals, has
// its glyphs in the embedded font, so the program reads right on a machine without a Japanese
// font.
TEST_F(MainWindowTest, EmbeddedFontCoversEveryTextShown)
{
    QStringList texts{window.windowTitle()};
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            texts << label->text();
        } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            texts << button->text();
        } else if (auto *frame = qobject_cast<QGroupBox *>(widget)) {
            texts << frame->title();
        }
    }
    for (int form = 0; form < 3; ++form) {
        for (int row = 1; row <= 22; ++row) {
            texts << QString::fromStdString(catalogue.Text(form, row));
        }
    }
    for (std::string_view message : {tavimor::kFormsClashMessage, tavimor::kTimeLimitMessage,
                                     tavimor::kTimeLimitTooLongMessage}) {
        texts << QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size()));
    }
    for (const auto &table : {MultiOption::Messages(), NumInputBoxR::Messages()}) {
        for (const tavimor::MessageRow &row : table) {
            texts << QString::fromUtf8(row.japanese) << QString::fromUtf8(row.english);
        }
    }
    for (const tavimor::MessageRow &row : tavimor::kCommonMessages) {
        texts << QString::fromUtf8(row.japanese) << QString::fromUtf8(row.english);
    }
    texts << QStringLiteral("未定義") << QStringLiteral("Undefined.");
    Click(ui.cmdShowTable);
    texts << frmTable::OpenTable()->windowTitle();
    ASSERT_GT(texts.size(), 150);

    for (const char *face :
         {":/fonts/TavimorSansJP-Regular.ttf", ":/fonts/TavimorSansJP-Bold.ttf"}) {
        QFile file(QString::fromLatin1(face));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QRawFont font(file.readAll(), 12);
        ASSERT_TRUE(font.isValid());
        for (const QString &text : texts) {
            for (const QChar c : text) {
                EXPECT_TRUE(c == QLatin1Char('\n') || font.supportsCharacter(c))
                    << face << " lacks U+" << std::hex << static_cast<int>(c.unicode()) << " of "
                    << text.toStdString();
            }
        }
    }
}

// The controls keep the fonts their stored design gave them when the window's own font changes.
TEST_F(MainWindowTest, TheWindowsFontReachesNoControl)
{
    const QFont caption = ui.mopAnswer->CaptionFont();
    const QFont option = ui.mopAnswer->OptionFont();
    const QFont check = ui.chkShowAnswer->Font();
    const QFont input = ui.txtTimeLimit->Font();
    QFont changed = window.font();
    changed.setItalic(true);
    changed.setUnderline(true);
    window.setFont(changed);
    EXPECT_EQ(ui.mopAnswer->CaptionFont(), caption);
    EXPECT_EQ(ui.mopAnswer->OptionFont(), option);
    EXPECT_FALSE(ui.mopAnswer->Option(21)->font().italic());
    EXPECT_EQ(ui.chkShowAnswer->Font(), check);
    EXPECT_FALSE(ui.chkShowAnswer->CheckBox()->font().underline());
    EXPECT_EQ(ui.txtTimeLimit->Font(), input);
}

}  // namespace

namespace {

// From the window's first focus, Tab enters each option group on the option the program chose
// (its design default, or a later Value write), and Space there changes nothing.
TEST_F(MainWindowTest, TabEntersAnOptionGroupOnItsChosenOption)
{
    EXPECT_EQ(QApplication::focusWidget(), ui.mopQuestionType->Option(0));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), ui.mopAnswerType->Option(2));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(ui.mopAnswerType->Value(), 2);

    ui.mopAnswerType->setValue(1);
    ui.mopQuestionType->Option(0)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), ui.mopAnswerType->Option(1));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(ui.mopAnswerType->Value(), 2);
    EXPECT_EQ(QApplication::focusWidget(), ui.mopAnswerType->Option(2));
}

// Tab visits the widgets in the designed order, one stop for each option group (its chosen
// option), and passes over what is disabled.
TEST_F(MainWindowTest, TabFollowsTheDesignedOrder)
{
    Click(ui.mopAnswerType->Option(1));
    ui.mopQuestionType->Option(0)->setFocus();
    const QList<QWidget *> expected{ui.mopQuestionType->Option(0),
                                    ui.mopAnswerType->Option(1),
                                    ui.chkUseTimer->CheckBox(),
                                    ui.chkOmitPushAnswer->CheckBox(),
                                    ui.chkShowAnswer->CheckBox(),
                                    ui.cmdInitialize,
                                    ui.cmdQuestion,
                                    ui.cmdExit,
                                    ui.cmdShowTable,
                                    ui.mopQuestionType->Option(0)};
    for (QWidget *widget : expected) {
        EXPECT_EQ(QApplication::focusWidget(), widget) << widget->objectName().toStdString();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
}

}  // namespace

namespace {

// Assistive technology reads each control by its caption, the time-limit box by its label, and
// the question picture by a name that does not give the answer away.
TEST_F(MainWindowTest, AssistiveTechnologyNamesEveryControl)
{
    const auto name = [](QObject *object) {
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(object);
        return accessible != nullptr ? accessible->text(QAccessible::Name) : QString();
    };
    const struct {
        QObject *object;
        const char *name;
    } names[] = {
        {ui.cmdQuestion, "出題(Q)"},
        {ui.cmdAnswer, "解答の確定(A)"},
        {ui.cmdShowTable, "一覧表(T)"},
        {ui.txtTimeLimit->TextBox(), "タイムリミット"},
        {ui.chkOmitPushAnswer->CheckBox(), "解答の確定を省略"},
        {ui.imgAminoAcid, "構造式"},
        {ui.mopAnswer->Option(0), "アスパラギン"},
        {ui.lblRigthAnswerPercent, "0.0"},
    };
    for (const auto &expected : names) {
        EXPECT_EQ(name(expected.object).remove(QLatin1Char('&')), QString::fromUtf8(expected.name))
            << expected.name;
    }
    Click(ui.mopQuestionType->Option(3));
    Click(ui.cmdQuestion);
    EXPECT_EQ(name(ui.imgAminoAcid), QStringLiteral("構造式"));
}

// Screen readers announce every option as a radio button with its checked state, both windows as
// windows named by their titles, and never the hidden sorting list.
TEST_F(MainWindowTest, AssistiveTechnologyReadsTrueRoles)
{
    for (MultiOption *group : {ui.mopQuestionType, ui.mopAnswerType, ui.mopAnswer}) {
        for (int k = 0; k < group->OptionCount(); ++k) {
            QAccessibleInterface *option = QAccessible::queryAccessibleInterface(group->Option(k));
            ASSERT_NE(option, nullptr);
            EXPECT_EQ(option->role(), QAccessible::RadioButton)
                << group->objectName().toStdString() << " " << k;
            EXPECT_EQ(option->state().checked, k == group->Value());
        }
    }
    Click(ui.cmdShowTable);
    for (QWidget *top : std::initializer_list<QWidget *>{&window, frmTable::OpenTable()}) {
        QAccessibleInterface *frame = QAccessible::queryAccessibleInterface(top);
        EXPECT_EQ(frame->role(), QAccessible::Window);
        EXPECT_EQ(frame->text(QAccessible::Name), top->windowTitle());
    }
    QAccessibleInterface *frame = QAccessible::queryAccessibleInterface(&window);
    for (int i = 0; i < frame->childCount(); ++i) {
        EXPECT_NE(frame->child(i)->object(), ui.lstSort);
    }
}

// The question box keeps its frame-coloured border when judging greys its text.
TEST_F(MainWindowTest, QuestionBoxKeepsItsBorderWhenJudged)
{
    Click(ui.cmdQuestion);
    EXPECT_EQ(tavimor::ForeColorOf(ui.lblAminoAcid, 0), tavimor::kSysWindowText);
    Click(ui.cmdAnswer);
    EXPECT_EQ(tavimor::ForeColorOf(ui.lblAminoAcid, 0), tavimor::kSysButtonFace);
    const QImage box = ui.lblAminoAcid->grab().toImage();
    const QRgb border = tavimor::ToQColor(tavimor::kSysWindowText).rgb();
    for (const QPoint &p : {QPoint(0, 0), QPoint(box.width() - 1, box.height() / 2),
                            QPoint(box.width() / 2, box.height() - 1)}) {
        EXPECT_EQ(box.pixel(p), border) << p.x() << "," << p.y();
    }
    Click(ui.cmdQuestion);  // asked anew: the text in the window-text colour again
    EXPECT_EQ(tavimor::ForeColorOf(ui.lblAminoAcid, 0), tavimor::kSysWindowText);
}

// Closing the main window from its title bar during a timed run ends the run: a run with equal
// forms refuses at every tick, and after the close no tick opens a box; the table stays open.
TEST_F(MainWindowTest, ClosingTheWindowEndsItsTimedRun)
{
    Click(ui.chkUseTimer->CheckBox());
    Click(ui.mopQuestionType->Option(2));
    Click(ui.cmdShowTable);
    Click(ui.txtTimeLimit->TextBox());
    QTest::keyClicks(ui.txtTimeLimit->TextBox(), QStringLiteral("5"));
    Click(ui.cmdStartQuestion);
    ASSERT_TRUE(ui.Timer1->IsRunning());
    ASSERT_EQ(boxes.Boxes().size(), 1u);

    window.close();
    EXPECT_FALSE(ui.Timer1->IsRunning());
    Tick();
    Tick();
    EXPECT_EQ(boxes.Boxes().size(), 1u);
    ASSERT_NE(frmTable::OpenTable(), nullptr);
    EXPECT_TRUE(frmTable::OpenTable()->isVisible());
}

// What a screen reader is told to speak at once, with the focus elsewhere: one announcement for
// each question and each judgement (verdict, right answer when shown, score); a tick's judgement
// and next question as one, in that order; nothing for a refused question but its box. The
// announcer is a notification among the window's children, named by the message.
TEST_F(MainWindowTest, QuestionsAndJudgementsAreAnnounced)
{
    tavimor::Announcer *announcer = tavimor::Announcer::For(&window);
    QSignalSpy spy(announcer, &tavimor::Announcer::Announced);
    const auto heard = [&spy] {
        QCoreApplication::sendPostedEvents();
        QStringList said;
        for (const QList<QVariant> &announcement : spy) {
            said << announcement.at(0).toString();
        }
        spy.clear();
        return said;
    };
    Click(ui.mopQuestionType->Option(1));
    Click(ui.cmdQuestion);
    const int row = ShownRow();
    EXPECT_EQ(heard(), QStringList{"問題 " + ui.lblAminoAcid->text()});
    Click(WrongOptionFor(row));
    Click(ui.cmdAnswer);
    const QString rightAnswer = QString::fromStdString(catalogue.Text(2, row));
    EXPECT_EQ(heard(), QStringList{"不正解。(正解) " + rightAnswer + "。正答率 0 / 1 = 0.0 %"});
    QAccessibleInterface *notification = QAccessible::queryAccessibleInterface(announcer);
    EXPECT_EQ(notification->role(), QAccessible::Notification);
    EXPECT_EQ(notification->text(QAccessible::Name), announcer->Message());
    EXPECT_EQ(notification->parent()->indexOfChild(notification),
              notification->parent()->childCount() - 1);
    EXPECT_EQ(notification->parent()->object(), &window);

    Click(ui.chkShowAnswer->CheckBox());
    Click(ui.cmdQuestion);
    heard();
    Click(OptionFor(ShownRow()));
    Click(ui.cmdAnswer);
    EXPECT_EQ(heard(), QStringList{"正解。正答率 1 / 2 = 50.0 %"});

    Click(ui.mopQuestionType->Option(3));
    Click(ui.cmdQuestion);
    EXPECT_EQ(heard(), QStringList{"問題 構造式"});

    Click(ui.mopQuestionType->Option(2));
    Click(ui.cmdQuestion);
    EXPECT_EQ(heard(), QStringList{});
    EXPECT_EQ(boxes.Boxes().size(), 1u);

    Click(ui.mopQuestionType->Option(0));
    Click(ui.chkUseTimer->CheckBox());
    Click(ui.txtTimeLimit->TextBox());
    QTest::keyClicks(ui.txtTimeLimit->TextBox(), QStringLiteral("5"));
    Click(ui.cmdStartQuestion);
    heard();
    Tick();
    EXPECT_EQ(heard(),
              QStringList{"不正解。正答率 0 / 1 = 0.0 %。問題 " + ui.lblAminoAcid->text()});
}

// Under a colour scheme whose button colour differs from the window's, labels, frames, options
// and switches share the window's background instead of standing out as patches, and their texts
// take the scheme's text colour; alike when the scheme is switched while the window is open.
TEST(MainWindowColours, SurfacesShareTheWindowBackground)
{
    MessageRecorder boxes;
    const QPalette original = QApplication::palette();
    QPalette scheme = original;
    scheme.setColor(QPalette::Window, QColor(0x31, 0x36, 0x3b));
    scheme.setColor(QPalette::Button, QColor(0x5a, 0x61, 0x68));
    const QColor text(0xef, 0xf0, 0xf1);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        scheme.setColor(role, text);
    }
    for (const bool switchedWhileOpen : {false, true}) {
        SCOPED_TRACE(switchedWhileOpen ? "switched while open" : "opened under the scheme");
        QApplication::setPalette(switchedWhileOpen ? original : scheme);
        frmMain window;
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QApplication::setPalette(scheme);
        QCoreApplication::sendPostedEvents();  // the windows take a new palette from the loop
        const tavimor::frmMainDesign &ui = window.Ui();
        const QImage shot = window.grab().toImage();
        const QRgb background = scheme.color(QPalette::Window).rgb();
        EXPECT_EQ(shot.pixel(2, 2), background);
        const auto corner = [&](QWidget *widget) {
            return shot.pixel(widget->mapTo(&window, QPoint(widget->width() - 2, 1)));
        };
        for (QWidget *surface :
             std::initializer_list<QWidget *>{ui.Label1, ui.Frame1, ui.chkShowAnswer,
                                              ui.mopAnswer->Option(0), ui.lblTimeLimit[1]}) {
            EXPECT_EQ(corner(surface), background) << surface->objectName().toStdString();
        }
        for (QWidget *caption : std::initializer_list<QWidget *>{
                 ui.Label1, ui.mopAnswer->findChild<QGroupBox *>(), ui.mopAnswer->Option(21),
                 ui.chkShowAnswer->CheckBox()}) {
            EXPECT_EQ(caption->palette().color(caption->foregroundRole()), text)
                << caption->objectName().toStdString();
        }
    }
    QApplication::setPalette(original);
}

}  // namespace
