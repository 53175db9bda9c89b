// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the multi-option control: its buttons, layout, selection, events and refusals.
#include "multi_option.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <cstdlib>
#include <functional>

#include "control_host.h"
#include "control_test_helpers.h"
#include "message_recorder.h"
#include "numbered_error.h"

namespace {

using tavimor::MultiOption;

using tavimor::ControlHost;
using tavimor::NumberedError;
using tavimor::testing::ErrorNumber;
using tavimor::testing::MessageRecorder;

QStringList ShownCaptions(const MultiOption &control)
{
    QStringList captions;
    for (int i = 0; i < control.OptionCount(); ++i) {
        captions << control.Option(i)->text();
    }
    return captions;
}

class MultiOptionTest : public ::testing::Test {
protected:
    ControlHost designing{ControlHost::Mode::Designing};
    ControlHost running{ControlHost::Mode::Running};
    MessageRecorder boxes;
};

TEST_F(MultiOptionTest, CaptionsSplitAtBarsWithoutEmptyPieces)
{
    const struct {
        const char *captions;
        qint16 count;
        QStringList shown;
        int listSize;
    } cases[] = {
        {"X|Y|Z", 3, {"X", "Y", "Z"}, 4},
        {"X||Y", 3, {"X", "Y", ""}, 4},
        {"|X", 1, {"X"}, 2},
        {"X|", 2, {"X", ""}, 3},
        {"X|Y|Z", 2, {"X", "Y"}, 3},
        {"X|Y", 5, {"X", "Y", "", "", ""}, 6},
        {"", 1, {""}, 2},
        {" a | b ", 2, {" a ", " b "}, 3},
        {"||||", 2, {"", ""}, 3},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.captions);
        MultiOption control(&running);
        control.setOptionNum(c.count);
        control.setOptionCaptions(QString::fromUtf8(c.captions));
        EXPECT_EQ(ShownCaptions(control), c.shown);
        EXPECT_EQ(control.CaptionList().size(), c.listSize);
        EXPECT_EQ(control.OptionCaptions(), QString::fromUtf8(c.captions));
    }
}

// Columns step by width plus HoriSpace; a new row starts at the first column, a row below by
// twice the height plus VartSpace.
TEST_F(MultiOptionTest, TwentyTwoAnswersLieOnAFourColumnGridWithDoubleRowPitch)
{
    MultiOption control(&running);
    control.setOptionLeft(200);
    control.setOptionTop(240);
    control.setOptionWidth(1600);
    control.setOptionHeight(300);
    control.setHoriSpace(30);
    control.setVartSpace(60);
    control.setOptionNumPerLine(4);
    control.setOptionNum(22);
    ASSERT_EQ(control.OptionCount(), 22);
    for (int i = 0; i < 22; ++i) {
        SCOPED_TRACE(i);
        const auto place = control.OptionPlace(i);
        const int row = i / 4;
        EXPECT_EQ(place.Left, 200.0f + 1630.0f * static_cast<float>(i % 4));
        EXPECT_EQ(place.Top, 240.0f + 660.0f * static_cast<float>(row));
        EXPECT_EQ(place.Width, 1600.0f);
        EXPECT_EQ(place.Height, 300.0f);
        EXPECT_EQ(control.Option(i)->geometry(),
                  QRect(qRound((200 + 1630 * (i % 4)) / 15.0), (240 + 660 * (i / 4)) / 15,
                        qRound(1600 / 15.0), 20));
    }
    EXPECT_EQ(control.OptionPlace(20).Top, 3540.0f);
    EXPECT_EQ(control.OptionPlace(21).Left, 1830.0f);
}

TEST_F(MultiOptionTest, OnePerLineAndSingleRowLayouts)
{
    MultiOption column(&running);
    column.setOptionHeight(300);
    column.setOptionNumPerLine(1);
    column.setOptionNum(4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(column.OptionPlace(i).Top, 240.0f + 600.0f * static_cast<float>(i));
        EXPECT_EQ(column.OptionPlace(i).Left, 120.0f);
    }

    MultiOption row(&running);  // OptionNumPerLine keeps its initial 0
    row.setHoriSpace(-100);
    row.setOptionNum(3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(row.OptionPlace(i).Top, 240.0f);
        EXPECT_EQ(row.OptionPlace(i).Left, 120.0f + 1200.0f * static_cast<float>(i));
    }
}

TEST_F(MultiOptionTest, NewButtonsCopyButtonZerosLook)
{
    MultiOption control(&running);
    control.setOptionNum(5);
    QFont font(QStringLiteral("Serif"), 14);
    control.setOptionForeColor(0x00FF0000);
    control.setOptionBackColor(0x0000FF00);
    control.setOptionFont(font);
    control.setEnabled(false);
    control.setOptionNum(2);
    EXPECT_EQ(control.OptionCount(), 2);
    control.setOptionNum(5);
    ASSERT_EQ(control.OptionCount(), 5);
    for (int i = 2; i < 5; ++i) {
        SCOPED_TRACE(i);
        QRadioButton *button = control.Option(i);
        EXPECT_FALSE(button->isEnabled());
        EXPECT_EQ(button->font(), control.Option(0)->font());
        EXPECT_EQ(button->palette().color(QPalette::Active, QPalette::Window), QColor(0, 255, 0));
        EXPECT_EQ(button->palette().color(QPalette::Active, QPalette::WindowText),
                  QColor(0, 0, 255));
    }
    EXPECT_EQ(control.OptionForeColor(), 0x00FF0000u);
    EXPECT_EQ(control.OptionBackColor(), 0x0000FF00u);
    EXPECT_EQ(control.OptionFont(), font);
}

TEST_F(MultiOptionTest, ChangeIsRaisedForEverySelectionAndNoDeselection)
{
    MultiOption control(&running);
    control.setOptionNum(3);
    control.setOptionCaptions(QStringLiteral("a|b|c"));
    control.setValue(2);
    QSignalSpy changes(&control, &MultiOption::Change);
    control.show();  // shown: rebuilt, and DefaultValue chosen again
    EXPECT_EQ(control.Value(), 0);
    EXPECT_EQ(changes.count(), 1);
    changes.clear();

    control.setValue(2);
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(control.Value(), 2);
    control.setValue(-1);
    EXPECT_EQ(control.Value(), -1);
    control.setValue(1);
    control.Cls();
    EXPECT_EQ(control.Value(), -1);
    EXPECT_EQ(changes.count(), 2);

    QTest::mouseClick(control.Option(0), Qt::LeftButton);
    EXPECT_EQ(control.Value(), 0);
    EXPECT_EQ(changes.count(), 3);
    QTest::mouseClick(control.Option(0), Qt::LeftButton);  // already chosen: chosen again
    EXPECT_EQ(control.Value(), 0);
    EXPECT_EQ(changes.count(), 4);
    control.Option(0)->click();  // as assistive technology presses it
    EXPECT_EQ(changes.count(), 5);
    changes.removeLast();
    control.setValue(0);  // the program choosing it again raises nothing
    EXPECT_EQ(changes.count(), 4);

    control.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&control));
    control.Option(0)->setFocus();
    QTest::keyClick(control.Option(0), Qt::Key_Right);
    EXPECT_EQ(control.Value(), 1);
    EXPECT_EQ(changes.count(), 5);
}

// Typing in the group chooses the option the letters reach, as an arrow key would: keys within
// a second extend the search ("|" is a pause), the same letter again moves on.
TEST_F(MultiOptionTest, TypingChoosesTheOptionTheLettersReach)
{
    const struct {
        const char *keys;  // typed, or committed by an input method when it starts with "ime:"
        const char *chosen;
        int changes;
    } rows[] = {
        {"l", "Leu", 1},    {"ly", "Lys", 2},          {"L", "Leu", 1},           {"aa", "Arg", 2},
        {"aaa", "&Asn", 3}, {"as", "&Asn", 2},         {"l|y", "Leu", 1},         {"x", "", 0},
        {"lx", "Leu", 1},   {"ime:リシ", "リシン", 1}, {"ime:りし", "リシン", 1},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.keys);
        MultiOption control(&designing);
        control.setOptionNum(6);
        control.setOptionCaptions(QStringLiteral("Ala|Arg|&Asn|Leu|Lys|リシン"));
        control.setDefaultValue(-1);
        control.show();
        control.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&control));
        control.Option(0)->setFocus();
        QSignalSpy changes(&control, &MultiOption::Change);
        const QString keys = QString::fromUtf8(row.keys);
        if (keys.startsWith(QStringLiteral("ime:"))) {
            QInputMethodEvent commit;
            commit.setCommitString(keys.mid(4));
            QApplication::sendEvent(QApplication::focusWidget(), &commit);
        } else {
            unsigned long time = 100;
            for (const QChar c : keys) {
                time += c == QLatin1Char('|') ? 1500 : 200;
                QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
                press.setTimestamp(time);
                if (c != QLatin1Char('|')) {
                    QApplication::sendEvent(QApplication::focusWidget(), &press);
                }
            }
        }
        EXPECT_EQ(changes.count(), row.changes);
        const int value = control.Value();
        EXPECT_EQ(value < 0 ? QString() : control.Option(value)->text(),
                  QString::fromUtf8(row.chosen));
        if (value >= 0) {
            EXPECT_TRUE(control.Option(value)->hasFocus());
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_L, Qt::AltModifier);
        EXPECT_EQ(control.Value(), value);  // a key with Alt is no search
    }
}

// A host's Change handler may rebuild the group from inside the click or the write that raised
// it, destroying the very button whose selection Qt is still reporting.
TEST_F(MultiOptionTest, ChangeHandlerMayDestroyTheButtonBeingSelected)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const std::function<void(MultiOption &)> selections[] = {
        [](MultiOption &c) { QTest::mouseClick(c.Option(4), Qt::LeftButton); },
        [](MultiOption &c) { c.setValue(4); },
    };
    for (const auto &select : selections) {
        EXPECT_EXIT(
            {
                MultiOption control(&running);
                control.setOptionNum(5);
                control.setOptionCaptions(QStringLiteral("a|b|c|d|e"));
                control.show();
                QObject::connect(&control, &MultiOption::Change, [&control] {
                    if (control.Value() == 4) {
                        control.setOptionNum(2);
                    }
                });
                select(control);
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                std::exit(control.OptionCount() == 2 && control.Value() == 0 ? 0 : 1);
            },
            ::testing::ExitedWithCode(0), "");
    }
}

// A button the rebuild retires leaves the accessibility tree at once, and once freed leaves no
// interface behind for a new button that may take its place in memory.
TEST_F(MultiOptionTest, RetiredButtonsLeaveTheAccessibilityTree)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            MultiOption control(&running);
            control.setOptionNum(5);
            control.setOptionCaptions(QStringLiteral("a|b|c|d|e"));
            control.show();
            QAccessibleInterface *frame =
                QAccessible::queryAccessibleInterface(control.Option(0))->parent();
            for (int i = 0; i < 5; ++i) {
                (void)QAccessible::queryAccessibleInterface(control.Option(i))
                    ->text(QAccessible::Name);
            }
            control.setOptionNum(2);
            bool gone = frame->childCount() == 2;
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            control.setOptionNum(5);
            for (int i = 0; i < 5; ++i) {
                QAccessibleInterface *option =
                    QAccessible::queryAccessibleInterface(control.Option(i));
                gone = gone && option->object() == control.Option(i) &&
                       option->text(QAccessible::Name) == QString(QChar(u'a' + i));
            }
            std::exit(gone ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

// However the host's handler deselects, the click that raised it raised one Change.
TEST_F(MultiOptionTest, OneClickRaisesOneChangeWhateverTheHandlerDoes)
{
    const std::function<void(MultiOption &)> deselections[] = {
        [](MultiOption &c) { c.Cls(); },
        [](MultiOption &c) { c.setValue(-1); },
        [](MultiOption &c) { c.setOptionCaptions(QStringLiteral("a|b|c")); },
    };
    for (const auto &deselect : deselections) {
        MultiOption control(&designing);
        control.setOptionNum(3);
        control.setOptionCaptions(QStringLiteral("a|b|c"));
        control.setDefaultValue(-1);
        control.show();
        int changes = 0;
        QObject::connect(&control, &MultiOption::Change, [&] {
            ++changes;
            deselect(control);
        });
        QTest::mouseClick(control.Option(1), Qt::LeftButton);
        EXPECT_EQ(changes, 1);
        QTest::keyClick(control.Option(1), Qt::Key_Space);
        EXPECT_EQ(changes, 2);
    }
}

// A font given to the control is held whole: the frame's font reaches no button.
TEST_F(MultiOptionTest, FontsStayEachPartsOwn)
{
    const QFont serif(QStringLiteral("Serif"), 10);
    QFont caption(QStringLiteral("Sans"), 14);
    caption.setBold(true);
    caption.setItalic(true);
    caption.setUnderline(true);

    MultiOption written(&running);
    written.setOptionNum(3);
    written.setOptionFont(serif);
    written.setCaptionFont(caption);

    MultiOption stored(&running);
    stored.ReadProperties(tavimor::PropertyBag{{QStringLiteral("CaptionFont"), caption},
                                               {QStringLiteral("OptionFont"), serif},
                                               {QStringLiteral("OptionNum"), qint16{3}}});
    for (MultiOption *control : {&written, &stored}) {
        EXPECT_EQ(control->CaptionFont(), caption);
        EXPECT_EQ(control->OptionFont(), serif);
        for (int i = 0; i < control->OptionCount(); ++i) {
            EXPECT_FALSE(control->Option(i)->font().italic()) << i;
        }
    }
    tavimor::PropertyBag saved;
    stored.WriteProperties(saved);
    EXPECT_EQ(saved.ReadFont(QStringLiteral("OptionFont"), QFont()), serif);
}

TEST_F(MultiOptionTest, ValueBelowMinusOneKeepsTheSelectionAndMissingButtonsAreErrors)
{
    MultiOption control(&running);
    control.setOptionNum(3);
    control.setValue(1);
    control.setValue(-2);
    EXPECT_EQ(control.Value(), 1);
    EXPECT_EQ(ErrorNumber([&] { control.setValue(3); }), NumberedError::kElementDoesNotExist);
    EXPECT_EQ(control.Value(), 1);
}

TEST_F(MultiOptionTest, StoreAndRestoreKeepTheChoiceInMemory)
{
    MultiOption control(&running);
    control.setOptionNum(3);
    QSignalSpy changes(&control, &MultiOption::Change);
    control.Restore();  // nothing stored yet
    EXPECT_EQ(control.Value(), 0);
    EXPECT_EQ(changes.count(), 0);

    control.Cls();
    control.Store();  // keeps -1
    control.setValue(2);
    control.Restore();
    EXPECT_EQ(control.Value(), -1);

    control.setValue(1);
    control.Store();
    control.setValue(2);
    changes.clear();
    control.Restore();
    EXPECT_EQ(control.Value(), 1);
    EXPECT_EQ(changes.count(), 1);
}

TEST_F(MultiOptionTest, DefaultValueIsRefusedAtRunTime)
{
    MultiOption control(&running);
    control.setOptionNum(3);
    control.setValue(1);
    EXPECT_EQ(ErrorNumber([&] { control.setDefaultValue(2); }), NumberedError::kCannotSetAtRunTime);
    EXPECT_EQ(control.DefaultValue(), 0);
    EXPECT_EQ(control.Value(), 1);
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(MultiOptionTest, BadSettingsWhileDesigningShowTheControlsMessages)
{
    const struct {
        int locale;
        const char *title;
        const char *notLessThanOne;
        const char *notLessThanZero;
        const char *belowCount;
    } languages[] = {
        {1041, "警告!!", "1以上の数値を入力して下さい", "0以上の値を入力して下さい",
         "(オプションの数-1) 以下の値を入力して下さい"},
        {1033, "Warning!!", "Enter not less than 1.", "Enter not less than 0.",
         "Enter below (number of optionbuttons - 1)."},
    };
    for (const auto &language : languages) {
        SCOPED_TRACE(language.locale);
        designing.setLocaleID(language.locale);
        MultiOption control(&designing);
        control.setOptionNum(3);
        boxes.Clear();

        control.setDefaultValue(-1);  // accepted
        EXPECT_EQ(control.DefaultValue(), -1);
        EXPECT_EQ(control.Value(), -1);
        control.setDefaultValue(2);
        EXPECT_EQ(control.Value(), 2);
        EXPECT_TRUE(boxes.Boxes().empty());

        control.setDefaultValue(-2);
        control.setDefaultValue(3);
        control.setOptionNumPerLine(0);
        control.setOptionNum(0);
        ASSERT_EQ(boxes.Boxes().size(), 4u);
        const char *texts[] = {language.notLessThanZero, language.belowCount,
                               language.notLessThanOne, language.notLessThanOne};
        for (std::size_t i = 0; i < 4; ++i) {
            EXPECT_EQ(boxes.Boxes()[i].text, QString::fromUtf8(texts[i]));
            EXPECT_EQ(boxes.Boxes()[i].title, QString::fromUtf8(language.title));
            EXPECT_EQ(boxes.Boxes()[i].style, 16);
        }
        EXPECT_EQ(control.DefaultValue(), 2);
        EXPECT_EQ(control.OptionNumPerLine(), 0);
        EXPECT_EQ(control.OptionNum(), 3);
        EXPECT_EQ(control.OptionCount(), 3);
    }
}

TEST_F(MultiOptionTest, RebuildWithDefaultBeyondTheButtonsFailsAndKeepsTheSelection)
{
    MultiOption control(&designing);
    control.setOptionNum(4);
    control.setDefaultValue(3);
    control.setValue(1);
    EXPECT_EQ(ErrorNumber([&] { control.setOptionNum(2); }), NumberedError::kElementDoesNotExist);
    EXPECT_EQ(control.OptionCount(), 2);
    EXPECT_EQ(control.Value(), 1);
}

TEST_F(MultiOptionTest, RebuildSelectsTheDefaultOrNothing)
{
    MultiOption control(&designing);
    control.setOptionNum(3);
    control.setDefaultValue(-1);
    QSignalSpy changes(&control, &MultiOption::Change);
    control.setOptionCaptions(QStringLiteral("a|b|c"));
    EXPECT_EQ(control.Value(), -1);
    EXPECT_EQ(changes.count(), 0);
    control.setDefaultValue(2);
    changes.clear();
    control.setValue(0);
    control.setOptionCaptions(QStringLiteral("x|y|z"));
    EXPECT_EQ(control.Value(), 2);
    EXPECT_EQ(changes.count(), 2);
}

TEST_F(MultiOptionTest, EveryWriteNotifiesTheHostByName)
{
    MultiOption control(&running);
    QSignalSpy notices(&running, &ControlHost::PropertyChanged);
    control.setCaption(QStringLiteral("解答"));
    control.setOptionNum(2);
    control.setValue(1);
    control.setKeyName(QStringLiteral("k"));
    control.setBorderStyle(0);
    QStringList names;
    for (const auto &notice : notices) {
        names << notice.at(1).toString();
    }
    EXPECT_EQ(names, (QStringList{"Caption", "OptionNum", "Value", "KeyName", "BorderStyle"}));
    EXPECT_EQ(ErrorNumber([&] { control.setBorderStyle(40000); }), NumberedError::kOverflow);
    EXPECT_EQ(control.BorderStyle(), 0);
}

}  // namespace
