// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the check-box control: its states, Value, events, persistence and notices.
#include "boolean_box.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QSignalSpy>
#include <QTest>

#include "control_host.h"
#include "control_test_helpers.h"
#include "frm_main_properties.h"
#include "numbered_error.h"
#include "property_bag.h"

namespace {

using tavimor::BooleanBox;

using tavimor::ControlHost;
using tavimor::NumberedError;
using tavimor::PropertyBag;
using tavimor::testing::Saved;
namespace design = tavimor::frm_main_design;

class BooleanBoxTest : public ::testing::Test {
protected:
    ControlHost running{ControlHost::Mode::Running};
    ControlHost designing{ControlHost::Mode::Designing};
};

TEST_F(BooleanBoxTest, DisabledBoxReadsFalseOnlyWhenAskedTo)
{
    BooleanBox box(&running);
    box.setValue(true);
    box.setEnabled(false);
    EXPECT_TRUE(box.Value());
    box.setAlwaysFalseWhenNotEnabled(true);
    EXPECT_FALSE(box.Value());
    box.setEnabled(true);
    EXPECT_TRUE(box.Value());
    EXPECT_EQ(box.CheckState(), BooleanBox::kChecked);

    // Qt's own roads, a QWidget pointer and Qt's properties, come to the same: state, inner
    // widget and notice.
    QSignalSpy notices(&running, &ControlHost::PropertyChanged);
    QWidget &widget = box;
    widget.setEnabled(false);
    EXPECT_FALSE(box.Value());
    EXPECT_FALSE(box.CheckBox()->isEnabled());
    ASSERT_TRUE(box.setProperty("enabled", true));
    EXPECT_TRUE(box.Enabled());
    const QFont serif(QStringLiteral("Serif"), 15);
    widget.setFont(serif);
    EXPECT_EQ(box.Font(), serif);
    EXPECT_EQ(box.CheckBox()->font(), serif);
    EXPECT_EQ(notices.count(), 3);
}

TEST_F(BooleanBoxTest, GrayedReadsFalseAndSurvivesStoreAndRestore)
{
    BooleanBox box(&running);
    box.SetCheckState(BooleanBox::kGrayed);
    EXPECT_FALSE(box.Value());
    box.Store();
    box.Cls();
    EXPECT_EQ(box.CheckState(), BooleanBox::kUnchecked);
    box.Restore();
    EXPECT_EQ(box.CheckState(), BooleanBox::kGrayed);
}

TEST_F(BooleanBoxTest, EveryChangeOfTheBoxRaisesClick)
{
    BooleanBox box(&running);
    box.ReadProperties(design::chkShowAnswer());
    EXPECT_TRUE(box.Value());
    QSignalSpy clicks(&box, &BooleanBox::Click);
    box.Cls();
    EXPECT_FALSE(box.Value());
    EXPECT_EQ(clicks.count(), 1);

    box.setValue(true);
    box.Store();
    box.Cls();
    box.Restore();
    EXPECT_TRUE(box.Value());
    EXPECT_EQ(clicks.count(), 4);

    box.show();
    QTest::mouseClick(box.CheckBox(), Qt::LeftButton, {}, QPoint(box.width() - 3, 5));
    EXPECT_FALSE(box.Value());
    EXPECT_EQ(clicks.count(), 5);
}

TEST_F(BooleanBoxTest, RestoreRightAfterLoadingUnchecks)
{
    BooleanBox box(&running);
    box.ReadProperties(design::chkShowAnswer());
    QSignalSpy clicks(&box, &BooleanBox::Click);
    box.Restore();
    EXPECT_FALSE(box.Value());
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(BooleanBoxTest, DefaultValueOnlyWhileDesigning)
{
    BooleanBox box(&running);
    box.setValue(true);
    try {
        box.setDefaultValue(false);
        FAIL() << "accepted at run time";
    } catch (const NumberedError &error) {
        EXPECT_EQ(error.Number(), NumberedError::kCannotSetAtRunTime);
    }
    EXPECT_TRUE(box.Value());

    BooleanBox designed(&designing);
    QSignalSpy notices(&designing, &ControlHost::PropertyChanged);
    designed.setDefaultValue(true);
    EXPECT_TRUE(designed.Value());
    ASSERT_EQ(notices.count(), 2);
    EXPECT_EQ(notices.at(0).at(1).toString(), QStringLiteral("Value"));
    EXPECT_EQ(notices.at(1).at(1).toString(), QStringLiteral("DefaultValue"));
}

TEST_F(BooleanBoxTest, HostHandlersCanDiscardKeys)
{
    BooleanBox box(&running);
    box.show();
    box.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    box.CheckBox()->setFocus();
    QList<short> pressed;
    QObject::connect(&box, &BooleanBox::KeyPress, &box, [&pressed](short &keyAscii) {
        pressed << keyAscii;
        keyAscii = 0;
    });
    QTest::keyClick(box.CheckBox(), Qt::Key_Space);
    EXPECT_EQ(pressed, QList<short>{32});
    EXPECT_FALSE(box.Value());  // the space never reached the box
}

TEST_F(BooleanBoxTest, MouseCoordinatesArriveInTwips)
{
    BooleanBox box(&running);
    box.resize(100, 30);
    box.show();
    QSignalSpy downs(&box, &BooleanBox::MouseDown);
    QTest::mousePress(box.CheckBox(), Qt::LeftButton, Qt::ShiftModifier, QPoint(10, 4));
    ASSERT_EQ(downs.count(), 1);
    EXPECT_EQ(downs.at(0).at(2).toFloat(), 150.0f);
    EXPECT_EQ(downs.at(0).at(3).toFloat(), 60.0f);
    QTest::mouseRelease(box.CheckBox(), Qt::LeftButton, Qt::ShiftModifier, QPoint(10, 4));
}

TEST_F(BooleanBoxTest, ResizeMakesTheBoxCoverTheControl)
{
    BooleanBox box(&running);
    box.show();
    QSignalSpy resizes(&box, &BooleanBox::Resize);
    box.resize(81, 25);  // 1215 x 375 twips
    EXPECT_EQ(box.CheckBox()->geometry(), QRect(0, 0, 81, 25));
    EXPECT_GE(resizes.count(), 1);

    // However the caption wraps, its access key stays with its letter and clicks the box.
    box.setCaption(QStringLiteral("解答の確定を省略(&O)"));
    box.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    for (int width = 40; width <= 200; ++width) {
        SCOPED_TRACE(width);
        box.resize(width, 60);
        box.setValue(false);
        QTest::keyClick(&box, Qt::Key_O, Qt::AltModifier);
        EXPECT_TRUE(box.Value());
    }
}

TEST_F(BooleanBoxTest, AllDefaultSaveStoresOnlyTheFont)
{
    BooleanBox box(&running);
    box.ReadProperties(PropertyBag());
    EXPECT_EQ(box.Caption(), QStringLiteral("chkBooleanBox"));
    EXPECT_EQ(Saved(box).size(), 1);
    EXPECT_TRUE(Saved(box).front().startsWith(QStringLiteral("Font=")));
}

// A control whose every setting differs from its default writes every key, in its fixed order.
TEST_F(BooleanBoxTest, WritesEveryKeyInItsOrder)
{
    BooleanBox box(&running);
    EXPECT_TRUE(box.ReadsEveryStoredKeyOnce());
    box.ReadProperties(PropertyBag{{"SectionName", QStringLiteral("s")},
                                   {"KeyName", QStringLiteral("k")},
                                   {"DefaultValue", true},
                                   {"AlwaysFalseWhenNotEnabled", true},
                                   {"ForeColor", qint32{0x10}},
                                   {"Font", QFont(QStringLiteral("Serif"), 15)},
                                   {"Enabled", false},
                                   {"Caption", QStringLiteral("c")},
                                   {"BackColor", qint32{0x20}}});
    EXPECT_EQ(tavimor::testing::WrittenKeys(box),
              (QStringList{"BackColor", "Caption", "Enabled", "Font", "ForeColor",
                           "AlwaysFalseWhenNotEnabled", "DefaultValue", "KeyName", "SectionName"}));
}

TEST_F(BooleanBoxTest, MainWindowSetsReadSaveAndReadAgain)
{
    for (const PropertyBag &set :
         {design::chkUseTimer(), design::chkOmitPushAnswer(), design::chkShowAnswer()}) {
        BooleanBox first(&running);
        first.ReadProperties(set);
        PropertyBag saved;
        first.WriteProperties(saved);
        BooleanBox second(&running);
        second.ReadProperties(saved);
        EXPECT_EQ(Saved(first), Saved(second));
        EXPECT_EQ(first.Value(), second.Value());
        EXPECT_EQ(second.Font(), design::WindowFont());
    }
    BooleanBox timer(&running);
    timer.ReadProperties(design::chkUseTimer());
    EXPECT_EQ(timer.Caption(), QStringLiteral("タイマー使用"));
    EXPECT_FALSE(timer.Value());
}

}  // namespace
