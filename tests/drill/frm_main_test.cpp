// SPDX-License-Identifier: GPL-3.0-or-later
// The main window driven as a learner drives it: clicks and keys on the real widgets, offscreen.
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

using tavimor::testing::MainWindowTest;
using tavimor::testing::MessageRecorder;

TEST_F(MainWindowTest, OpensInItsDesignState)
{
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Tavimor ver.1.00"));
    EXPECT_EQ((QStringList{ui.mopAnswer->TypeName(), ui.txtTimeLimit->TypeName(),
                           ui.chkUseTimer->TypeName()}),
              (QStringList{"Tavimor.MultiOption", "Tavimor.NumInputBoxR", "Tavimor.BooleanBox"}));
    EXPECT_EQ(window.windowIcon().availableSizes().size(), 6);
    EXPECT_EQ(window.size(), QSize(593, 481));
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(ui.lblRightAnswer->isVisible());
    EXPECT_FALSE(ui.lblBadAnswer->isVisible());
    EXPECT_FALSE(ui.lstSort->isVisible());
    for (QWidget *disabled :
         std::initializer_list<QWidget *>{ui.cmdStartQuestion, ui.cmdEndQuestion, ui.cmdAnswer,
                                          ui.lblTimeLimit[0], ui.lblTimeLimit[1]}) {
        EXPECT_FALSE(disabled->isEnabled()) << disabled->objectName().toStdString();
    }
    EXPECT_FALSE(ui.mopAnswer->Enabled());
    EXPECT_FALSE(ui.txtTimeLimit->Enabled());
    EXPECT_EQ(ui.txtTimeLimit->BackColor(), 0x80000004u);
    EXPECT_TRUE(ui.chkShowAnswer->Value());
    EXPECT_FALSE(ui.chkUseTimer->Value());
    EXPECT_FALSE(ui.chkOmitPushAnswer->Value());
    EXPECT_EQ(ui.mopQuestionType->Value(), 0);
    EXPECT_EQ(ui.mopAnswerType->Value(), 2);
    EXPECT_EQ(ui.mopAnswer->Value(), -1);
    EXPECT_EQ(Score(), QStringLiteral("0 / 0 = 0.0"));
    EXPECT_EQ(ui.Label5->text() + ui.Label3->text() + ui.Label4->text(), QStringLiteral("/=%"));
    EXPECT_TRUE(ui.lblAminoAcid->text().isEmpty());
    EXPECT_TRUE(ui.lblAnswer->text().isEmpty());
    EXPECT_TRUE(ui.imgAminoAcid->Picture().isNull());
    EXPECT_TRUE(window.Answered());
    EXPECT_EQ(ui.mopAnswer->Option(0)->text(), QStringLiteral("アスパラギン"));
    EXPECT_EQ(ui.mopAnswer->OptionCount(), 22);
}

TEST_F(MainWindowTest, LayoutFollowsTheTwipsOfTheDesign)
{
    const struct {
        QWidget *widget;
        QRect pixels;
    } places[] = {
        {ui.mopQuestionType, QRect(16, 16, 97, 145)},
        {ui.mopAnswer, QRect(128, 176, 449, 257)},
        {ui.cmdQuestion, QRect(288, 8, 121, 73)},
        {ui.cmdExit, QRect(480, 440, 97, 33)},
        {ui.lblRightAnswer, QRect(288, 96, 57, 17)},
        {ui.Frame1, QRect(416, 88, 161, 81)},
        {ui.lblRigthAnswerPercent, QRect(40, 48, 49, 17)},
        {ui.txtTimeLimit, QRect(16, 344, 73, 17)},
    };
    for (const auto &place : places) {
        EXPECT_EQ(place.widget->geometry(), place.pixels)
            << place.widget->objectName().toStdString();
    }
    EXPECT_EQ(ui.lblRigthAnswerPercent->parentWidget(), ui.Frame1);
    EXPECT_EQ(ui.lblAminoAcid->font().weight(), QFont::Bold);
}

TEST_F(MainWindowTest, EveryQuestionFormCanBeAnsweredRightAndWrong)
{
    const int answerForms[] = {2, 2, 0, 1};
    for (int question = 0; question <= 3; ++question) {
        SCOPED_TRACE(question);
        ChooseForms(question, answerForms[question]);
        Click(ui.cmdInitialize);

        Click(ui.cmdQuestion);
        EXPECT_FALSE(window.Answered());
        EXPECT_EQ(ui.lblAminoAcid->isVisible(), question < 3);
        EXPECT_EQ(ui.imgAminoAcid->isVisible(), question == 3);
        const int row = ShownRow();
        ASSERT_GE(row, 1);
        ASSERT_LE(row, question == 3 ? 20 : 22);
        Click(OptionFor(row));
        Click(ui.cmdAnswer);
        EXPECT_TRUE(ui.lblRightAnswer->isVisible());
        EXPECT_FALSE(ui.lblBadAnswer->isVisible());
        EXPECT_EQ(ui.lblAnswer->text(),
                  QString::fromStdString(catalogue.Text(answerForms[question], row)));
        EXPECT_FALSE(ui.mopAnswer->Enabled());
        EXPECT_EQ(Score(), QStringLiteral("1 / 1 = 100.0"));

        Click(ui.cmdQuestion);
        const int next = ShownRow();
        Click(WrongOptionFor(next));
        Click(ui.cmdAnswer);
        EXPECT_FALSE(ui.lblRightAnswer->isVisible());
        EXPECT_TRUE(ui.lblBadAnswer->isVisible());
        EXPECT_EQ(Score(), QStringLiteral("1 / 2 = 50.0"));
    }
}

// The answer options of each form stand in the order of Qt's own sorted list.
// The codes in alphabetical order whatever the locale (ctest runs this under Lithuanian and
// Estonian too, whose collations put Y after I and Z after S); the names in the locale's order,
// as Qt's sorted list puts them.
TEST_F(MainWindowTest, AnswerOptionsFollowTheOrderOfQtsSortedList)
{
    const QStringList alphabetical[] = {
        QStringLiteral("A B C D E F G H I K L M N P Q R S T V W Y Z").split(u' '),
        QStringLiteral("Ala Arg Asn Asp Asx Cys Gln Glu Glx Gly His Ile Leu Lys Met Phe Pro Ser "
                       "Thr Trp Tyr Val")
            .split(u' ')};
    for (int answer = 0; answer <= 2; ++answer) {
        SCOPED_TRACE(answer);
        ChooseForms(3, answer);
        QListWidget sorted;
        sorted.setSortingEnabled(true);
        for (int row = 1; row <= 22; ++row) {
            sorted.addItem(QString::fromStdString(catalogue.Text(answer, row)));
        }
        ASSERT_EQ(ui.mopAnswer->OptionCount(), 22);
        for (int k = 0; k < 22; ++k) {
            EXPECT_EQ(ui.mopAnswer->Option(k)->text(),
                      answer < 2 ? alphabetical[answer].at(k) : sorted.item(k)->text())
                << k;
        }
    }
}

// An error raised in a handler that Qt called stops at the handler's edge, shown in a box with
// its number, and the window goes on: here the answers' default option lies beyond them.
TEST_F(MainWindowTest, AnErrorInAHandlerIsShownAndTheWindowGoesOn)
{
    tavimor::PropertyBag design = tavimor::frm_main_design::mopAnswer();
    design.WriteProperty(QStringLiteral("DefaultValue"), qint16{30}, qint16{0});
    EXPECT_EQ(tavimor::testing::ErrorNumber([&] { ui.mopAnswer->ReadProperties(design); }), 340);
    boxes.Clear();
    Click(ui.mopAnswerType->Option(1));
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].style, 16);
    EXPECT_TRUE(boxes.Boxes()[0].text.startsWith(QStringLiteral("エラー番号 340\r")));
    Click(ui.cmdQuestion);
    EXPECT_NE(ShownRow(), 0);
}

TEST_F(MainWindowTest, AskingTwiceThenAnsweringRightCountsOneOfTwo)
{
    Click(ui.cmdQuestion);
    Click(ui.cmdQuestion);
    Click(OptionFor(ShownRow()));
    Click(ui.cmdAnswer);
    EXPECT_EQ(Score(), QStringLiteral("1 / 2 = 50.0"));
    Click(ui.cmdAnswer);  // judged already: nothing changes
    EXPECT_EQ(Score(), QStringLiteral("1 / 2 = 50.0"));
    Click(ui.cmdQuestion);
    Click(ui.cmdAnswer);  // no choice: wrong
    EXPECT_TRUE(ui.lblBadAnswer->isVisible());
    EXPECT_EQ(Score(), QStringLiteral("1 / 3 = 33.3"));
}

TEST_F(MainWindowTest, OmitSwitchJudgesTheChoiceAtOnce)
{
    Click(ui.chkOmitPushAnswer->CheckBox());
    EXPECT_TRUE(ui.chkOmitPushAnswer->Value());
    EXPECT_FALSE(ui.cmdAnswer->isEnabled());
    Click(ui.cmdQuestion);
    EXPECT_FALSE(ui.cmdAnswer->isEnabled());
    const int row = ShownRow();
    Click(OptionFor(row));
    EXPECT_TRUE(window.Answered());
    EXPECT_TRUE(ui.lblRightAnswer->isVisible());
    Click(WrongOptionFor(row));  // the options are disabled now
    EXPECT_TRUE(ui.lblRightAnswer->isVisible());
    EXPECT_EQ(Score(), QStringLiteral("1 / 1 = 100.0"));

    // Typing the one-letter answer answers at once too.
    ui.mopQuestionType->setValue(2);
    ui.mopAnswerType->setValue(0);
    Click(ui.cmdQuestion);
    ui.mopAnswer->Option(0)->setFocus();
    QTest::keyClicks(ui.mopAnswer->Option(0), OptionFor(ShownRow())->text());
    EXPECT_EQ(Score(), QStringLiteral("2 / 2 = 100.0"));
    Click(ui.chkOmitPushAnswer->CheckBox());
    EXPECT_TRUE(ui.cmdAnswer->isEnabled());
}

TEST_F(MainWindowTest, ShowSwitchDecidesWhetherTheRightAnswerIsFilledIn)
{
    Click(ui.chkShowAnswer->CheckBox());
    EXPECT_FALSE(ui.lblAnswer->isVisible());
    EXPECT_FALSE(ui.lblAnswerLabel->isEnabled());
    Click(ui.cmdQuestion);
    Click(ui.cmdAnswer);
    Click(ui.chkShowAnswer->CheckBox());
    EXPECT_TRUE(ui.lblAnswer->isVisible());
    EXPECT_TRUE(ui.lblAnswerLabel->isEnabled());
    EXPECT_TRUE(ui.lblAnswer->text().isEmpty());
}

TEST_F(MainWindowTest, EqualFormsAreRefusedAndNothingChanges)
{
    Click(ui.cmdQuestion);
    const QString question = ui.lblAminoAcid->text();
    ChooseForms(2, 2);  // the question form change abandons that question
    Click(ui.mopQuestionType->Option(0));
    Click(ui.cmdQuestion);
    const QString waiting = ui.lblAminoAcid->text();
    Click(ui.mopQuestionType->Option(2));
    const QString tag = ui.lblQuestionNumber->Tag();
    boxes.Clear();
    Click(ui.cmdQuestion);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("問題の形式と解答の形式が同じです"));
    EXPECT_EQ(boxes.Boxes()[0].style, 48);
    EXPECT_EQ(boxes.Boxes()[0].title, QStringLiteral("Tavimor"));
    EXPECT_EQ(ui.lblQuestionNumber->Tag(), tag);
    EXPECT_FALSE(question.isEmpty());
    EXPECT_FALSE(waiting.isEmpty());
}

TEST_F(MainWindowTest, AnswerFormChangeAbandonsTheWaitingQuestion)
{
    Click(ui.cmdQuestion);
    Click(ui.mopAnswerType->Option(1));
    EXPECT_TRUE(window.Answered());
    EXPECT_FALSE(ui.mopAnswer->Enabled());
    EXPECT_EQ(ui.mopAnswer->Value(), -1);
    EXPECT_EQ(ui.mopAnswer->Option(0)->text(), QStringLiteral("Ala"));
    EXPECT_EQ(ui.mopAnswer->Option(21)->text(), QStringLiteral("Val"));
    EXPECT_TRUE(ui.lblAminoAcid->text().isEmpty());
    Click(ui.cmdQuestion);
    Click(OptionFor(ShownRow()));
    Click(ui.cmdAnswer);
    EXPECT_EQ(Score(), QStringLiteral("1 / 2 = 50.0"));
    Click(ui.cmdInitialize);
    EXPECT_EQ(Score(), QStringLiteral("0 / 0 = 0.0"));
    EXPECT_EQ(ui.lblQuestionNumber->Tag(), QStringLiteral("0"));
}

TEST_F(MainWindowTest, TimedRunAsksJudgesAndEnds)
{
    Click(ui.chkUseTimer->CheckBox());
    EXPECT_FALSE(ui.cmdQuestion->isEnabled());
    EXPECT_TRUE(ui.cmdStartQuestion->isEnabled());
    EXPECT_FALSE(ui.cmdEndQuestion->isEnabled());
    EXPECT_TRUE(ui.txtTimeLimit->Enabled());
    EXPECT_EQ(ui.txtTimeLimit->BackColor(), 0x80000005u);
    EXPECT_TRUE(ui.lblTimeLimit[0]->isEnabled() && ui.lblTimeLimit[1]->isEnabled());

    Click(ui.txtTimeLimit->TextBox());
    QTest::keyClicks(ui.txtTimeLimit->TextBox(), QStringLiteral("-2a"));
    EXPECT_EQ(ui.txtTimeLimit->Text(), QStringLiteral("2"));
    Click(ui.cmdStartQuestion);
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_EQ(ui.Timer1->Interval(), 2000);
    EXPECT_TRUE(ui.Timer1->IsRunning());
    for (QWidget *off : std::initializer_list<QWidget *>{
             ui.cmdQuestion, ui.cmdStartQuestion, ui.chkUseTimer->CheckBox(), ui.lblTimeLimit[0]}) {
        EXPECT_FALSE(off->isEnabled()) << off->objectName().toStdString();
    }
    EXPECT_FALSE(ui.mopQuestionType->Enabled());
    EXPECT_FALSE(ui.mopAnswerType->Enabled());
    EXPECT_FALSE(ui.txtTimeLimit->Enabled());
    EXPECT_EQ(ui.txtTimeLimit->BackColor(), 0x80000004u);
    EXPECT_TRUE(ui.cmdEndQuestion->isEnabled());
    EXPECT_FALSE(window.Answered());
    EXPECT_EQ(ui.lblQuestionNumber->Tag(), QStringLiteral("1"));

    // Answered within the limit: the verdict stays until the tick asks anew.
    Click(OptionFor(ShownRow()));
    Click(ui.cmdAnswer);
    EXPECT_TRUE(ui.lblRightAnswer->isVisible());
    EXPECT_TRUE(ui.Timer1->IsRunning());
    Tick();
    EXPECT_FALSE(window.Answered());
    EXPECT_FALSE(ui.lblRightAnswer->isVisible());
    EXPECT_EQ(Score(), QStringLiteral("1 / 1 = 100.0"));

    // Timed out with a choice: that choice is judged, and the next question comes at once.
    Click(OptionFor(ShownRow()));
    Tick();
    EXPECT_EQ(Score(), QStringLiteral("2 / 2 = 100.0"));
    // Timed out without a choice: wrong.
    Tick();
    EXPECT_EQ(Score(), QStringLiteral("2 / 3 = 66.7"));

    Click(ui.cmdEndQuestion);
    EXPECT_FALSE(ui.Timer1->IsRunning());
    EXPECT_TRUE(ui.cmdStartQuestion->isEnabled());
    EXPECT_FALSE(ui.cmdEndQuestion->isEnabled());
    EXPECT_FALSE(ui.cmdQuestion->isEnabled());
    EXPECT_TRUE(ui.mopQuestionType->Enabled());
    EXPECT_TRUE(ui.chkUseTimer->Enabled());
    EXPECT_EQ(ui.txtTimeLimit->BackColor(), 0x80000005u);
    EXPECT_EQ(Score(), QStringLiteral("2 / 3 = 66.7"));

    // Starting again zeroes the counts; 初期化 during the run ends it.
    Click(ui.cmdStartQuestion);
    EXPECT_EQ(Score(), QStringLiteral("0 / 0 = 0.0"));
    Click(ui.cmdInitialize);
    EXPECT_FALSE(ui.Timer1->IsRunning());
    EXPECT_TRUE(ui.cmdStartQuestion->isEnabled());
    EXPECT_FALSE(ui.cmdEndQuestion->isEnabled());
    EXPECT_TRUE(ui.mopAnswerType->Enabled());

    Click(ui.chkUseTimer->CheckBox());
    EXPECT_TRUE(ui.cmdQuestion->isEnabled());
    EXPECT_FALSE(ui.cmdStartQuestion->isEnabled());
    EXPECT_FALSE(ui.txtTimeLimit->Enabled());
}

TEST_F(MainWindowTest, UnusableTimeLimitsAreRefusedWithAMessage)
{
    Click(ui.chkUseTimer->CheckBox());
    const struct {
        const char *text;
        const char *message;
    } limits[] = {
        {"", "タイムリミットを入力してください"},
        {"0", "タイムリミットを入力してください"},
        {"2147484", "タイムリミットは2147483秒以下で入力してください"},
        {"99999999999", "タイムリミットは2147483秒以下で入力してください"},
        {"1e999", "タイムリミットは2147483秒以下で入力してください"},
        {"x", "タイムリミットを入力してください"},
    };
    for (const auto &limit : limits) {
        SCOPED_TRACE(limit.text);
        ui.txtTimeLimit->setText(QString::fromUtf8(limit.text));
        boxes.Clear();
        Click(ui.cmdStartQuestion);
        ASSERT_EQ(boxes.Boxes().size(), 1u);
        EXPECT_EQ(boxes.Boxes()[0].text, QString::fromUtf8(limit.message));
        EXPECT_EQ(boxes.Boxes()[0].style, 48);
        EXPECT_FALSE(ui.Timer1->IsRunning());
        EXPECT_TRUE(ui.cmdStartQuestion->isEnabled());
    }
    ui.txtTimeLimit->setText(QStringLiteral("2147483"));
    Click(ui.cmdStartQuestion);
    EXPECT_EQ(ui.Timer1->Interval(), 2147483000);
}

TEST_F(MainWindowTest, TableWindowIsOneAndExitClosesBoth)
{
    Click(ui.cmdShowTable);
    frmTable *table = frmTable::OpenTable();
    ASSERT_NE(table, nullptr);
    Click(ui.cmdShowTable);
    EXPECT_EQ(frmTable::OpenTable(), table);
    int tables = 0;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        tables += top->isVisible() && qobject_cast<frmTable *>(top) != nullptr;
    }
    EXPECT_EQ(tables, 1);

    window.close();  // the title bar's close leaves the table open
    EXPECT_TRUE(table->isVisible());
    window.show();
    Click(ui.cmdExit);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(frmTable::OpenTable(), nullptr);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(MainWindowTest, KeyboardReachesEverything)
{
    ui.chkShowAnswer->CheckBox()->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), ui.cmdInitialize);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), ui.cmdQuestion);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_FALSE(window.Answered());

    // An access key clicks its button within the key's own event, before any timer tick.
    QTest::keyClick(window.windowHandle(), Qt::Key_A, Qt::AltModifier);
    EXPECT_TRUE(window.Answered());
    EXPECT_TRUE(ui.lblBadAnswer->isVisible());

    Click(ui.chkOmitPushAnswer->CheckBox());  // 解答の確定 disabled: Alt+A does nothing
    Click(ui.cmdQuestion);
    QTest::keyClick(window.windowHandle(), Qt::Key_A, Qt::AltModifier);
    QTest::qWait(300);
    EXPECT_FALSE(window.Answered());

    QTest::keyClick(window.windowHandle(), Qt::Key_T, Qt::AltModifier);
    EXPECT_NE(frmTable::OpenTable(), nullptr);
}

}  // namespace
