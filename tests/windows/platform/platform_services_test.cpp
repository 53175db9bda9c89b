// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the platform layer's services: colours, twips, host, messages, timer, labels.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <limits>

#include "colours.h"
#include "control_host.h"
#include "desktop_services.h"
#include "drill_timer.h"
#include "input_codes.h"
#include "message_table.h"
#include "numbered_error.h"
#include "program_resources.h"
#include "web_speech.h"

namespace tavimor {
namespace {

TEST(Colours, PlainColoursAreBlueGreenRed)
{
    EXPECT_EQ(ToQColor(0x000000FF), QColor(255, 0, 0));
    EXPECT_EQ(ToQColor(0x00FF0000), QColor(0, 0, 255));
    EXPECT_EQ(ToQColor(0x00123456), QColor(0x56, 0x34, 0x12));
}

TEST(Colours, SystemColoursFollowThePalette)
{
    const QPalette palette = QApplication::palette();
    EXPECT_EQ(ToQColor(kSysWindow), palette.color(QPalette::Base));
    EXPECT_EQ(ToQColor(kSysWindowText), palette.color(QPalette::Text));
    EXPECT_EQ(ToQColor(kSysButtonFace), palette.color(QPalette::Window));
    EXPECT_EQ(ToQColor(kSysButtonText), palette.color(QPalette::ButtonText));
    EXPECT_EQ(ToQColor(kSysHighlightText), palette.color(QPalette::HighlightedText));
    EXPECT_EQ(ToQColor(kSys3DHighlight), palette.color(QPalette::Light));
    EXPECT_EQ(ToQColor(kSysMenu), palette.color(QPalette::Window));
}

TEST(Colours, TwipsAreFifteenToAPixel)
{
    EXPECT_EQ(TwipsToPixels(8895), 593);
    EXPECT_EQ(TwipsToPixels(7215), 481);
    EXPECT_EQ(TwipsToPixels(1600), 107);
    EXPECT_EQ(TwipsRect(240, 240, 1455, 2175), QRect(16, 16, 97, 145));
    EXPECT_EQ(TwipsToPixels(std::numeric_limits<double>::max()), 1 << 24);
    EXPECT_EQ(TwipsToPixels(-std::numeric_limits<double>::infinity()), -(1 << 24));
}

TEST(NumberedError, ErrorNumbersAddAsThirtyTwoBitValues)
{
    const std::int32_t base = static_cast<std::int32_t>(0x80040000u);
    EXPECT_EQ(AddErrorNumber(base, 3010), -2147218494);
    EXPECT_EQ(AddErrorNumber(base, 13), -2147221491);
    try {
        AddErrorNumber(std::numeric_limits<std::int32_t>::max(), 3010);
        FAIL() << "no overflow";
    } catch (const NumberedError &error) {
        EXPECT_EQ(error.Number(), 6);
    }
    EXPECT_EQ(NumberedError(382).Description(), NumberedError::PlatformText(382));
}

TEST(MessageTable, LocaleChoosesTheColumn)
{
    const MessageRow rows[] = {{4001, "1以上の数値を入力して下さい", "Enter not less than 1."}};
    EXPECT_EQ(LookupMessage(rows, 102, 1041), QStringLiteral("警告!!"));
    EXPECT_EQ(LookupMessage(rows, 102, 1033), QStringLiteral("Warning!!"));
    EXPECT_EQ(LookupMessage(rows, 101, 2052), QStringLiteral("Caution!!"));
    EXPECT_EQ(LookupMessage(rows, 4001, 1041), QStringLiteral("1以上の数値を入力して下さい"));
    EXPECT_EQ(LookupMessage(rows, 4001, 1033), QStringLiteral("Enter not less than 1."));
    EXPECT_EQ(LookupMessage(rows, 9999, 1041), QStringLiteral("未定義"));
    EXPECT_EQ(LookupMessage(rows, -1, 1033), QStringLiteral("Undefined."));
}

TEST(InputCodes, KeysBecomeVirtualKeysAndCharacterCodes)
{
    const struct {
        int key;
        Qt::KeyboardModifiers modifiers;
        QString text;
        short keyCode;
        short keyAscii;
    } cases[] = {
        {Qt::Key_C, Qt::ControlModifier, QString(), 67, 3},
        {Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier, QString(), 86, 22},
        {Qt::Key_5, Qt::NoModifier, QStringLiteral("5"), 53, 53},
        {Qt::Key_Minus, Qt::NoModifier, QStringLiteral("-"), 0, 45},
        {Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"), 8, 8},
        {Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), 13, 13},
        {Qt::Key_Escape, Qt::NoModifier, QString(), 27, 27},
        {Qt::Key_Left, Qt::NoModifier, QString(), 37, 0},
        {Qt::Key_Delete, Qt::NoModifier, QString(), 46, 0},
        {Qt::Key_Q, Qt::ControlModifier | Qt::AltModifier, QStringLiteral("@"), 81, 64},  // AltGr
        {Qt::Key_C, Qt::ControlModifier | Qt::AltModifier, QString(), 67, 3},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.key);
        const QKeyEvent event(QEvent::KeyPress, c.key, c.modifiers, c.text);
        EXPECT_EQ(KeyCodeOf(&event), c.keyCode);
        EXPECT_EQ(KeyAsciiOf(&event), c.keyAscii);
    }
    EXPECT_EQ(ShiftCode(Qt::ShiftModifier | Qt::AltModifier), 5);
    EXPECT_EQ(MouseButtonCode(Qt::LeftButton | Qt::MiddleButton), 5);
}

// An interval of 0 never ticks; disabling and enabling starts a whole interval again.
TEST(DrillTimer, ZeroNeverTicksAndARestartWaitsAFullInterval)
{
    DrillTimer timer;
    QSignalSpy ticks(&timer, &DrillTimer::Timer);
    timer.setInterval(0);
    QCoreApplication::processEvents();
    EXPECT_FALSE(timer.IsRunning());
    EXPECT_EQ(ticks.count(), 0);

    // A long interval, so that no stall of a loaded machine between two lines decides.
    timer.setInterval(60000);
    QTest::qWait(200);
    EXPECT_LT(timer.RemainingTime(), 59900);
    timer.setEnabled(false);
    EXPECT_FALSE(timer.IsRunning());
    timer.setEnabled(true);
    EXPECT_GT(timer.RemainingTime(), 59000);
    EXPECT_EQ(ticks.count(), 0);
}

// Installed at start-up (on a helper thread), the embedded face counts as Latin too, so that one
// font engine serves the kana, kanji, digits and letters of a caption; and it stands in for the
// designed face wherever that is absent.
TEST(ProgramFonts, TheEmbeddedFaceServesEveryScriptOfTheWindows)
{
    ASSERT_TRUE(PrepareDesktopServices());
    const QString embedded = QString::fromLatin1(kEmbeddedFontFamily);
    EXPECT_TRUE(QFontDatabase::writingSystems(embedded).contains(QFontDatabase::Latin));
    if (!QFontDatabase::families().contains(QString::fromUtf8(kDesignedFontFamily))) {
        EXPECT_EQ(DesignedFontFamily(), embedded);
    }
}

// What the page's live regions say of a control that takes the focus, and of a box coming up:
// as a screen reader on the desktop names them.
TEST(PageSpeech, NamesTheFocusedControlAndReadsTheBox)
{
    QPushButton question(QStringLiteral("出題(&Q)"));
    QRadioButton option(QStringLiteral("K"));
    option.setChecked(true);
    QCheckBox timer(QStringLiteral("タイマー使用"));
    timer.setEnabled(false);
    QLineEdit limit(QStringLiteral("60"));
    limit.setAccessibleName(QStringLiteral("タイムリミット"));
    const std::pair<QWidget *, const char *> rows[] = {
        {&question, "出題(Q) push button"},
        {&option, "K radio button checked"},
        {&timer, "タイマー使用 check box not checked unavailable"},
        {&limit, "タイムリミット text 60"},
    };
    for (const auto &[widget, said] : rows) {
        EXPECT_EQ(FocusSpeech(QAccessible::queryAccessibleInterface(widget)),
                  QString::fromUtf8(said));
    }
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Tavimor"),
                    QStringLiteral("問題の形式と解答の形式が同じです"));
    EXPECT_EQ(AlertSpeech(QAccessible::queryAccessibleInterface(&box)),
              QStringLiteral("Tavimor 問題の形式と解答の形式が同じです"));
}

}  // namespace
}  // namespace tavimor
