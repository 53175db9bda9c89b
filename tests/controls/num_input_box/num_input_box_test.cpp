// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the number input control: keystrokes, clipboard roads, validation, conversion, settings.
#include "num_input_box.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "clipboard.h"
#include "control_host.h"
#include "control_test_helpers.h"
#include "frm_main_properties.h"
#include "message_recorder.h"
#include "num_input_box_fixture.h"
#include "num_rules_cases.h"
#include "numbered_error.h"
#include "property_bag.h"

namespace {

using tavimor::NumInputBoxR;
using tavimor::testing::NumInputBoxTest;

using tavimor::ControlHost;
using tavimor::NumberedError;
using tavimor::PropertyBag;
using tavimor::testing::ErrorNumber;
using tavimor::testing::MessageRecorder;
namespace design = tavimor::frm_main_design;

TEST_F(NumInputBoxTest, KeystrokesAreFilteredAtTheCaret)
{
    for (const auto &row : tavimor::testing::kKeyCases) {
        SCOPED_TRACE(std::string(row.text) + " mode " + std::to_string(row.mode) + " key " +
                     row.character);
        if (row.mode <= 4) {
            box.setMode(row.mode);
        } else {
            box.ReadProperties(PropertyBag{{QStringLiteral("mode"), qint32{row.mode}}});
        }
        box.setText(QString::fromUtf8(row.text));
        box.setSelStart(row.caret);
        QSignalSpy presses(&box, &NumInputBoxR::KeyPress);
        QTest::keyClick(box.TextBox(), row.character);
        EXPECT_EQ(box.Text(), QString::fromUtf8(row.after));
        EXPECT_EQ(presses.count(), row.mode == 4 ? 0 : 1);
    }
}

TEST_F(NumInputBoxTest, SelectionDoesNotSoftenTheRules)
{
    box.setText(QStringLiteral("-5"));
    box.TextBox()->selectAll();
    QTest::keyClick(box.TextBox(), Qt::Key_3);
    EXPECT_EQ(box.Text(), QStringLiteral("-5"));
    box.setText(QStringLiteral("1.5"));
    box.TextBox()->selectAll();
    QTest::keyClick(box.TextBox(), Qt::Key_Period);
    EXPECT_EQ(box.Text(), QStringLiteral("1.5"));
}

// The host sees every character the keys would insert, refused ones as 0, and may discard or
// change it: 0 discards, 8 is a backspace. A key code set to 0 in KeyDown discards the key.
TEST_F(NumInputBoxTest, HostSeesRefusedKeysAsZeroAndMayDiscardAccepted)
{
    box.setMode(3);
    QList<short> seen;
    QObject::connect(&box, &NumInputBoxR::KeyPress, &box, [&seen](short &keyAscii) {
        seen << keyAscii;
        if (keyAscii == '7') {
            keyAscii = 0;
        } else if (keyAscii == '9') {
            keyAscii = 8;
        }
    });
    // A key code set to 0 stops the box's own handling of the key (Delete), not its character.
    QObject::connect(&box, &NumInputBoxR::KeyDown, &box, [](short &keyCode, short &) {
        if (keyCode == '5' || keyCode == 46) {
            keyCode = 0;
        }
    });
    QTest::keyClicks(box.TextBox(), QStringLiteral("a17259"));
    EXPECT_EQ(seen, (QList<short>{0, '1', '7', '2', '5', '9'}));
    EXPECT_EQ(box.Text(), QStringLiteral("12"));
    box.setSelStart(0);
    QTest::keyClick(box.TextBox(), Qt::Key_Delete);
    EXPECT_EQ(box.Text(), QStringLiteral("12"));
    // AltGr arrives as Ctrl+Alt: its characters meet the filter too.
    for (char c : {'@', '{'}) {
        QTest::keyClick(box.TextBox(), c, Qt::ControlModifier | Qt::AltModifier);
    }
    EXPECT_EQ(box.Text(), QStringLiteral("12"));
    EXPECT_EQ(seen.mid(6), (QList<short>{0, 0}));
}

// A one-line box takes no control character, whether the host put it in or Ctrl+Backspace
// (the delete character, 127) made it.
TEST_F(NumInputBoxTest, NoControlCharacterLandsInTheBox)
{
    box.setMode(3);
    QObject::connect(&box, &NumInputBoxR::KeyPress, &box, [](short &keyAscii) {
        keyAscii = keyAscii == '5' ? 13 : keyAscii == '6' ? 9 : keyAscii == '7' ? 27 : keyAscii;
    });
    box.setText(QStringLiteral("12"));
    box.setSelStart(2);
    QTest::keyClicks(box.TextBox(), QStringLiteral("567"));
    QTest::keyClick(box.TextBox(), Qt::Key_Backspace, Qt::ControlModifier);
    EXPECT_EQ(box.Text(), QStringLiteral("12"));
}

TEST_F(NumInputBoxTest, ClipboardChordsAreTheControlsOwn)
{
    box.setMode(3);
    QSignalSpy presses(&box, &NumInputBoxR::KeyPress);
    tavimor::SetClipboardText(QStringLiteral("-7.5"));
    QTest::keyClick(box.TextBox(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box.Text(), QStringLiteral("-7.5"));  // pasted unfiltered, once
    ASSERT_EQ(presses.count(), 1);  // and the host sees the chord's character refused
    EXPECT_EQ(presses.at(0).at(0).value<short>(), 0);

    box.TextBox()->setSelection(1, 2);
    QTest::keyClick(box.TextBox(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(tavimor::ClipboardText(), QStringLiteral("7."));

    QTest::keyClick(box.TextBox(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(tavimor::ClipboardText(), QStringLiteral("7."));
    EXPECT_EQ(box.Text(), QStringLiteral("-5"));

    box.setSelStart(1);
    QTest::keyClick(box.TextBox(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(tavimor::ClipboardText(), QString());

    box.TextBox()->selectAll();
    QTest::keyClick(box.TextBox(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box.Text(), QString());
    EXPECT_FALSE(box.TextBox()->acceptDrops());
    EXPECT_EQ(presses.count(), 5);

    // What is pasted or typed stops at MaxLength, and a key that changes nothing raises no
    // Change; what the program writes is taken whole.
    box.setMaxLength(3);
    tavimor::SetClipboardText(QStringLiteral("12345"));
    QTest::keyClick(box.TextBox(), Qt::Key_V, Qt::ControlModifier);
    QSignalSpy changes(&box, &NumInputBoxR::Change);
    QTest::keyClick(box.TextBox(), Qt::Key_6);
    QTest::keyClick(box.TextBox(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(changes.count(), 0);
    box.Cls();
    QTest::keyClick(box.TextBox(), Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(box.Text(), QStringLiteral("123"));
    if (tavimor::SelectionSupported()) {  // a middle click pastes the desktop's selection
        QGuiApplication::clipboard()->setText(QStringLiteral("98765"), QClipboard::Selection);
        box.Cls();
        QTest::mouseClick(box.TextBox(), Qt::MiddleButton);
        EXPECT_EQ(box.Text(), QStringLiteral("987"));
    }
    box.setText(QStringLiteral("123456"));
    EXPECT_EQ(box.Text(), QStringLiteral("123456"));
    box.setMaxLength(0);
    box.Cls();

    // The context menu's Paste pastes like Ctrl+V.
    tavimor::SetClipboardText(QStringLiteral("12"));
    emit box.TextBox()->customContextMenuRequested(QPoint(2, 2));
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QAction *paste = nullptr;
    for (QAction *action : menu->actions()) {
        if (action->text() == QStringLiteral("貼り付け(&P)")) {
            paste = action;
        }
    }
    ASSERT_NE(paste, nullptr);
    ASSERT_TRUE(paste->isEnabled());
    paste->trigger();
    menu->close();
    EXPECT_EQ(box.Text(), QStringLiteral("12"));
}

TEST_F(NumInputBoxTest, ValidationRewritesOrRefuses)
{
    for (const auto &row : tavimor::testing::kValidationCases) {
        SCOPED_TRACE(row.before);
        NumInputBoxR fresh(&running);
        fresh.setMode(row.mode);
        fresh.setUpperLimit(row.upper);
        fresh.setLowerLimit(row.lower);
        fresh.setLimitCheck(row.limitCheck);
        fresh.setMaxLength(static_cast<qint16>(row.maxLength));
        fresh.setText(QString::fromUtf8(row.before));
        boxes.Clear();
        EXPECT_EQ(fresh.ValidateValue(), row.result);
        EXPECT_EQ(fresh.Text(), QString::fromUtf8(row.after));
        EXPECT_EQ(static_cast<int>(boxes.Boxes().size()), row.messages);
        EXPECT_EQ(fresh.Cancel(), !row.result);
    }
}

TEST_F(NumInputBoxTest, MessageBoxesAreAssembledFromTheTable)
{
    const struct {
        int locale;
        const char *outOfRange;
        const char *tooLong;
        const char *conversion;
        const char *title;
    } languages[] = {
        {1041, "入力が制限範囲を越えています\r 1≦ Input ≦ 100",
         "変換後の文字数が\r入力を許可されている\r最大値を越えました",
         "変換エラーが生じました\r入力を修正してください\r入力可能な数値：\r負の値は "
         "-1.79769313486232E308 "
         "～ -4.94065645841247E-324\r正の値は  4.94065645841247E-324 ～  1.79769313486232E308",
         "警告!!"},
        {1033, "Input value out of defined range.\r 1≦ Input ≦ 100",
         "The character number of converted value\rovered the defined maximum limitation.\r",
         "Conversion error.\rCorrect input value.\rEffective input value：\rNegative value "
         "-1.79769313486232E308 ～ -4.94065645841247E-324\rPositive value  4.94065645841247E-324 "
         "～  1.79769313486232E308",
         "Warning!!"},
    };
    for (const auto &language : languages) {
        SCOPED_TRACE(language.locale);
        running.setLocaleID(language.locale);
        boxes.Clear();
        box.setMode(0);
        box.setUpperLimit(100);
        box.setLowerLimit(1);
        box.setLimitCheck(true);
        box.setText(QStringLiteral("500"));
        box.ValidateValue();
        box.setLimitCheck(false);
        box.setMaxLength(4);
        box.setText(QStringLiteral("1e5"));
        box.ValidateValue();
        box.setMaxLength(0);
        box.setText(QStringLiteral("x"));
        box.ValidateValue();
        ASSERT_EQ(boxes.Boxes().size(), 3u);
        EXPECT_EQ(boxes.Boxes()[0].text, QString::fromUtf8(language.outOfRange));
        EXPECT_EQ(boxes.Boxes()[1].text, QString::fromUtf8(language.tooLong));
        EXPECT_EQ(boxes.Boxes()[2].text, QString::fromUtf8(language.conversion));
        for (const auto &shown : boxes.Boxes()) {
            EXPECT_EQ(shown.title, QString::fromUtf8(language.title));
            EXPECT_EQ(shown.style, 16);
        }
    }
    boxes.Clear();
    box.setLimitCheck(true);
    box.ReadProperties(PropertyBag{{QStringLiteral("limitcheck"), true},
                                   {QStringLiteral("lowerlimit"), 10.0},
                                   {QStringLiteral("upperlimit"), 5.0}});
    box.setText(QStringLiteral("7"));
    EXPECT_FALSE(box.ValidateValue());
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("Irregal limitation for input."));
}

TEST_F(NumInputBoxTest, ConversionReadsRaiseNumberedErrors)
{
    box.setText(QStringLiteral("2.5"));
    EXPECT_EQ(box.ValLng(), 2);
    box.setText(QStringLiteral("3.5"));
    EXPECT_EQ(box.ValLng(), 4);
    EXPECT_EQ(box.ValInt(), 4);
    EXPECT_FLOAT_EQ(box.ValSng(), 3.5f);
    box.setText(QStringLiteral("3.4999999"));  // 3.5 in single precision, which ValInt reads
    EXPECT_EQ(box.ValInt(), 4);
    EXPECT_EQ(box.ValLng(), 3);
    // Read as a single at once, not rounded twice through a double.
    box.setText(QStringLiteral("1.000000059604644775390625001"));
    EXPECT_EQ(box.ValSng(), 1.00000011920928955078125f);
    box.setText(QStringLiteral("2.500000119209289550781251"));
    EXPECT_EQ(box.ValInt(), 3);
    box.setText(QString());
    EXPECT_EQ(box.ValLng(), 0);
    EXPECT_EQ(box.ValDbl(), 0.0);
    EXPECT_FALSE(box.ErrFlag());

    const struct {
        const char *text;
        std::function<void(NumInputBoxR &)> read;
        std::int32_t number;
    } failures[] = {
        {"abc", [](NumInputBoxR &b) { b.ValLng(); }, -2147221491},
        {"40000", [](NumInputBoxR &b) { b.ValInt(); }, -2147218492},
        {"1e39", [](NumInputBoxR &b) { b.ValSng(); }, -2147218494},
        {"1e400", [](NumInputBoxR &b) { b.ValDbl(); }, -2147218493},
        {"3e9", [](NumInputBoxR &b) { b.ValLng(); }, -2147218491},
        {"99999999999999999999", [](NumInputBoxR &b) { b.ValLng(); }, -2147218491},
    };
    for (const auto &failure : failures) {
        SCOPED_TRACE(failure.text);
        box.setText(QString::fromUtf8(failure.text));
        EXPECT_EQ(ErrorNumber([&] { failure.read(box); }), failure.number);
    }
    EXPECT_TRUE(box.ErrFlag());
    // Read through the meta-object system, where no error may pass, a failed conversion is 0.
    box.setText(QStringLiteral("abc"));
    EXPECT_EQ(ErrorNumber([&] { EXPECT_EQ(box.property("ValDbl").toDouble(), 0.0); }), 0);
    box.setText(QStringLiteral("5"));
    EXPECT_TRUE(box.ValidateValue());
    EXPECT_TRUE(box.ErrFlag());  // never cleared

    box.setErrBase(2147483647);
    box.setText(QStringLiteral("abc"));
    EXPECT_EQ(ErrorNumber([&] { box.ValLng(); }), NumberedError::kOverflow);
}

TEST_F(NumInputBoxTest, BadSettingsAreRefusedAndKeepTheirValues)
{
    EXPECT_EQ(ErrorNumber([&] { box.setMode(5); }), 3000);
    EXPECT_EQ(ErrorNumber([&] { box.setLowerLimit(5); }), 3001);
    EXPECT_EQ(ErrorNumber([&] { box.setDefaultValue(QStringLiteral("1")); }), 382);
    EXPECT_EQ(ErrorNumber([&] { box.setIMEMode(40000); }), NumberedError::kOverflow);
    EXPECT_EQ(box.Mode(), 0);
    EXPECT_EQ(box.LowerLimit(), 0.0);
    try {
        box.setMode(-1);
    } catch (const NumberedError &error) {
        EXPECT_EQ(error.Description(), "このプロパティには0から4の整数を入力して下さい");
    }
    box.setUpperLimit(10);
    box.setLowerLimit(5);
    EXPECT_EQ(box.LowerLimit(), 5.0);
    EXPECT_EQ(ErrorNumber([&] { box.setUpperLimit(4); }), 3001);
    box.setUpperLimit(5);  // equal limits are accepted

    ControlHost designing(ControlHost::Mode::Designing);
    designing.setLocaleID(1033);
    NumInputBoxR designed(&designing);
    designed.setMode(9);
    designed.setLowerLimit(1);
    designed.setUpperLimit(-1);
    ASSERT_EQ(boxes.Boxes().size(), 3u);
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("Valid value is from 0 to 4."));
    EXPECT_EQ(boxes.Boxes()[1].text, QStringLiteral("Enter below UpperLimit value."));
    EXPECT_EQ(boxes.Boxes()[2].text, QStringLiteral("Enter not less than LowerLimit value."));
    designed.setDefaultValue(QStringLiteral("42"));
    EXPECT_EQ(designed.Text(), QStringLiteral("42"));
}

TEST_F(NumInputBoxTest, MustEnterPaintsTheEmptyBox)
{
    box.ReadProperties(PropertyBag{{QStringLiteral("mustenter"), true}});
    EXPECT_EQ(box.BackColor(), 0x000000FFu);  // empty from the start while running
    EXPECT_EQ(box.NormalBackColor(), 0x80000005u);
    QTest::keyClick(box.TextBox(), Qt::Key_4);
    EXPECT_EQ(box.BackColor(), 0x80000005u);
    QTest::keyClick(box.TextBox(), Qt::Key_Backspace);
    EXPECT_EQ(box.BackColor(), 0x000000FFu);

    box.setText(QStringLiteral("1"));
    box.setBackColor(0x0000FF00);
    EXPECT_EQ(box.BackColor(), 0x0000FF00u);
    box.setText(QStringLiteral("12"));
    EXPECT_EQ(box.BackColor(), 0x80000005u);

    NumInputBoxR later(&running);
    later.setMustEnter(true);  // no colour change until the text changes
    EXPECT_EQ(later.BackColor(), 0x80000005u);

    ControlHost designing(ControlHost::Mode::Designing);
    NumInputBoxR designed(&designing);  // loading colours an empty box only while running
    designed.ReadProperties(PropertyBag{{QStringLiteral("mustenter"), true}});
    EXPECT_EQ(designed.BackColor(), 0x80000005u);
}

TEST_F(NumInputBoxTest, StoreRestoreAndTheChangePath)
{
    QSignalSpy changes(&box, &NumInputBoxR::Change);
    box.setText(QStringLiteral("12"));
    box.Restore();  // nothing stored: empties the box
    EXPECT_EQ(box.Text(), QString());
    box.setValue(QStringLiteral("34"));
    EXPECT_EQ(box.Text(), box.Value());
    box.Store();
    box.Cls();
    box.Restore();
    EXPECT_EQ(box.Text(), QStringLiteral("34"));
    EXPECT_EQ(changes.count(), 5);
}

TEST_F(NumInputBoxTest, TimeLimitSetReadsSavesAndReadsAgain)
{
    NumInputBoxR first(&running);
    first.ReadProperties(design::txtTimeLimit());
    EXPECT_EQ(first.Mode(), 3);
    EXPECT_EQ(first.BackColor(), 0x80000004u);
    EXPECT_FALSE(first.Enabled());
    EXPECT_EQ(first.IMEMode(), 3);
    EXPECT_EQ(first.ErrBase(), static_cast<qint32>(0x80040000u));
    EXPECT_TRUE(first.ValidateAtLostFocus());
    PropertyBag saved;
    first.WriteProperties(saved);
    NumInputBoxR second(&running);
    second.ReadProperties(saved);
    PropertyBag savedAgain;
    second.WriteProperties(savedAgain);
    ASSERT_EQ(saved.Entries().size(), savedAgain.Entries().size());
    for (std::size_t i = 0; i < saved.Entries().size(); ++i) {
        EXPECT_EQ(saved.Entries()[i].key, savedAgain.Entries()[i].key);
        EXPECT_EQ(saved.Entries()[i].value, savedAgain.Entries()[i].value);
    }
    EXPECT_EQ(saved.Entries().size(), 4u);  // BackColor, Enabled, Font, Mode
}

// A control whose every setting differs from its default writes every key, in its fixed order.
TEST_F(NumInputBoxTest, WritesEveryKeyInItsOrder)
{
    NumInputBoxR loaded(&running);
    EXPECT_TRUE(loaded.ReadsEveryStoredKeyOnce());
    loaded.ReadProperties(PropertyBag{{"ErrBase", qint32{1000}},
                                      {"ValidateAtLostFocus", false},
                                      {"UpperLimit", 9.0},
                                      {"SectionName", QStringLiteral("s")},
                                      {"MustEnterColor", qint32{0x10}},
                                      {"MustEnter", true},
                                      {"Mode", qint32{3}},
                                      {"LowerLimit", 1.0},
                                      {"LimitCheck", true},
                                      {"KeyName", QStringLiteral("k")},
                                      {"DefaultValue", QStringLiteral("5")},
                                      {"MaxLength", qint32{4}},
                                      {"IMEMode", qint16{1}},
                                      {"ForeColor", qint32{0x20}},
                                      {"Font", QFont(QStringLiteral("Serif"), 15)},
                                      {"Enabled", false},
                                      {"BackColor", qint32{0x30}}});
    EXPECT_EQ(tavimor::testing::WrittenKeys(loaded),
              (QStringList{"BackColor", "Enabled", "Font", "ForeColor", "IMEMode", "MaxLength",
                           "DefaultValue", "KeyName", "LimitCheck", "LowerLimit", "Mode",
                           "MustEnter", "MustEnterColor", "SectionName", "UpperLimit",
                           "ValidateAtLostFocus", "ErrBase"}));
}

// Every property write tells the host, once, naming the property.
TEST_F(NumInputBoxTest, EveryWriteNotifiesTheHostByName)
{
    ControlHost designing(ControlHost::Mode::Designing);
    NumInputBoxR fresh(&designing);
    fresh.setText(QStringLiteral("123"));
    const struct {
        const char *property;
        QVariant value;
    } writes[] = {
        {"BackColor", quint32{0x10}},
        {"Enabled", false},
        {"ErrBase", qint32{7}},
        {"Font", QFont(QStringLiteral("Serif"), 15)},
        {"ForeColor", quint32{0x20}},
        {"IMEMode", qint32{1}},
        {"KeyName", QStringLiteral("k")},
        {"LimitCheck", true},
        {"UpperLimit", 9.0},
        {"LowerLimit", 1.0},
        {"MaxLength", qint16{4}},
        {"Mode", qint32{3}},

        {"MustEnterColor", quint32{0x30}},
        {"SectionName", QStringLiteral("s")},
        {"SelStart", qint32{1}},
        {"SelLength", qint32{1}},
        {"SelText", QStringLiteral("4")},
        {"Text", QStringLiteral("12")},
        {"ValidateAtLostFocus", false},
        {"Value", QStringLiteral("13")},
        {"MustEnter", true},  // last: a text change then also notifies BackColor
    };
    for (const auto &write : writes) {
        SCOPED_TRACE(write.property);
        QSignalSpy notices(&designing, &ControlHost::PropertyChanged);
        ASSERT_TRUE(fresh.setProperty(write.property, write.value));
        ASSERT_EQ(notices.count(), 1);
        EXPECT_EQ(notices.at(0).at(1).toString(), QString::fromLatin1(write.property));
    }
}

TEST_F(NumInputBoxTest, LongAndStrangeTextsNeverBreakTheBox)
{
    box.setMode(0);
    box.setText(QString(40000, QLatin1Char('9')));  // MaxLength 0: nothing is cut
    EXPECT_EQ(box.Text().size(), 40000);
    box.setSelStart(39999);
    QTest::keyClick(box.TextBox(), Qt::Key_E);
    QTest::keyClick(box.TextBox(), Qt::Key_Minus);
    EXPECT_FALSE(box.ValidateValue());  // beyond the range of a double
    for (const char *text : {".", "e", "-e", "1e-", "\x7f", "１２", "1,5", "0x10"}) {
        box.setText(QString::fromUtf8(text));
        box.ValidateValue();
        EXPECT_EQ(ErrorNumber([&] { box.ValLng(); }) != 0, QString::fromUtf8(text) != "1e-")
            << text;
    }

    // A refused text stays as it was, every UTF-16 unit; no paste cuts a surrogate pair.
    const QString lone = QStringLiteral("5") + QChar(0xDC00) + QStringLiteral("e");
    box.setText(lone);
    EXPECT_FALSE(box.ValidateValue());
    EXPECT_EQ(box.Text(), lone + QStringLiteral("0"));
    box.Cls();
    box.setMode(4);
    box.setMaxLength(2);
    tavimor::SetClipboardText(QStringLiteral("1😀"));
    QTest::keyClick(box.TextBox(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box.Text(), QStringLiteral("1"));
}

}  // namespace
