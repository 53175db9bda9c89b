// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the multi-option control's stored settings: reads, writes, their order and defaults.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QRadioButton>
#include <QSignalSpy>

#include "control_host.h"
#include "control_test_helpers.h"
#include "frm_main_properties.h"
#include "message_recorder.h"
#include "multi_option.h"
#include "numbered_error.h"
#include "property_bag.h"

namespace {

using tavimor::MultiOption;

using tavimor::ControlHost;
using tavimor::PropertyBag;
using tavimor::testing::Saved;
namespace design = tavimor::frm_main_design;

class MultiOptionPersistenceTest : public ::testing::Test {
protected:
    ControlHost host{ControlHost::Mode::Running};
};

TEST_F(MultiOptionPersistenceTest, EmptySetGivesTheInitialControl)
{
    MultiOption control(&host);
    QSignalSpy changes(&control, &MultiOption::Change);
    control.ReadProperties(PropertyBag());
    EXPECT_EQ(control.Caption(), QString());
    EXPECT_EQ(control.BorderStyle(), 1);
    EXPECT_EQ(control.BackColor(), 0x8000000Fu);
    EXPECT_EQ(control.CaptionColor(), 0x80000012u);
    EXPECT_EQ(control.CaptionFont(), host.AmbientFont());
    EXPECT_EQ(control.OptionCount(), 1);
    EXPECT_EQ(control.OptionLeft(), 120);
    EXPECT_EQ(control.OptionTop(), 240);
    EXPECT_EQ(control.OptionPlace(0).Height, 250.0f);
    EXPECT_EQ(control.OptionPlace(0).Width, 1300.0f);
    EXPECT_EQ(control.Value(), 0);
    EXPECT_GE(changes.count(), 1);
    EXPECT_TRUE(Saved(control).filter(QStringLiteral("Font")).size() == 2);
    EXPECT_EQ(Saved(control).size(), 2);  // only the two fonts
}

TEST_F(MultiOptionPersistenceTest, MainWindowSetsLoadAsDesigned)
{
    MultiOption question(&host);
    question.ReadProperties(design::mopQuestionType());
    EXPECT_EQ(question.Caption(), QStringLiteral("問題の形式"));
    ASSERT_EQ(question.OptionCount(), 4);
    EXPECT_EQ(question.Option(3)->text(), QStringLiteral("画像"));
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(question.OptionPlace(i).Left, 120.0f);
    }
    EXPECT_EQ(question.Value(), 0);

    MultiOption answerType(&host);
    answerType.ReadProperties(design::mopAnswerType());
    EXPECT_EQ(answerType.OptionCount(), 3);
    EXPECT_EQ(answerType.Value(), 2);

    MultiOption answer(&host);
    QSignalSpy changes(&answer, &MultiOption::Change);
    answer.ReadProperties(design::mopAnswer());
    EXPECT_EQ(answer.OptionCount(), 22);
    EXPECT_EQ(answer.OptionLeft(), 200);
    EXPECT_EQ(answer.OptionTop(), 240);
    EXPECT_EQ(answer.Value(), -1);
    EXPECT_EQ(changes.count(), 0);
    EXPECT_FALSE(answer.Enabled());
    for (int i = 0; i < 22; ++i) {
        EXPECT_FALSE(answer.Option(i)->isEnabled()) << i;
    }
}

TEST_F(MultiOptionPersistenceTest, SavedSetsReadBackToTheSameControl)
{
    const PropertyBag sets[] = {PropertyBag(), design::mopQuestionType(), design::mopAnswerType(),
                                design::mopAnswer()};
    for (const PropertyBag &set : sets) {
        MultiOption first(&host);
        first.ReadProperties(set);
        PropertyBag saved;
        first.WriteProperties(saved);
        MultiOption second(&host);
        second.ReadProperties(saved);
        EXPECT_EQ(Saved(first), Saved(second));
        EXPECT_EQ(first.Value(), second.Value());
        EXPECT_EQ(first.OptionCount(), second.OptionCount());
    }
}

// A control whose every setting differs from its default writes every key, in its fixed order.
TEST_F(MultiOptionPersistenceTest, WritesEveryKeyInItsOrder)
{
    const QFont font(QStringLiteral("Serif"), 15);
    MultiOption control(&host);
    EXPECT_TRUE(control.ReadsEveryStoredKeyOnce());
    control.ReadProperties(PropertyBag{
        {"VartSpace", qint32{7}},
        {"SectionName", QStringLiteral("s")},
        {"KeyName", QStringLiteral("k")},
        {"OptionWidth", qint32{1310}},
        {"OptionTop", qint32{250}},
        {"OptionNumPerLine", qint16{1}},
        {"OptionNum", qint16{2}},
        {"OptionHeight", qint32{260}},
        {"OptionCaptions", QStringLiteral("a|b")},
        {"HoriSpace", qint32{5}},
        {"DefaultValue", qint16{1}},
        {"CaptionFont", font},
        {"BorderStyle", qint16{0}},
        {"OptionLeft", qint32{130}},
        {"OptionFont", font},
        {"OptionBackColor", qint32{0x20}},
        {"OptionForeColor", qint32{0x10}},
        {"Enabled", false},
        {"CaptionColor", qint32{0x445566}},
        {"Caption", QStringLiteral("c")},
        {"BackColor", qint32{0x112233}},
        {"BackStyle", qint16{0}},
    });
    EXPECT_EQ(tavimor::testing::WrittenKeys(control),
              (QStringList{"BackStyle",        "BackColor",       "Caption",         "CaptionColor",
                           "Enabled",          "OptionForeColor", "OptionBackColor", "OptionFont",
                           "OptionLeft",       "BorderStyle",     "CaptionFont",     "DefaultValue",
                           "HoriSpace",        "OptionCaptions",  "OptionHeight",    "OptionNum",
                           "OptionNumPerLine", "OptionTop",       "OptionWidth",     "KeyName",
                           "SectionName",      "VartSpace"}));
}

// A bad stored value stops the reading at its key: the keys read before it are in, the keys
// after it are not.
TEST_F(MultiOptionPersistenceTest, ABadValueStopsTheReadingAtItsKey)
{
    const QFont serif(QStringLiteral("Serif"), 10);
    const struct {
        const char *bad;
        const char *caption;
        quint32 captionColor;
        bool optionFontIn;
        const char *keyName;
    } cases[] = {
        {"BorderStyle", "", 0x80000012, false, ""},
        {"Enabled", "C", 0x80000012, false, ""},
        {"OptionLeft", "C", 0x445566, false, ""},
        {"OptionWidth", "C", 0x445566, true, "k"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.bad);
        MultiOption control(&host);
        const int error = tavimor::testing::ErrorNumber([&] {
            control.ReadProperties(PropertyBag{{QString::fromLatin1(c.bad), QStringLiteral("x")},
                                               {QStringLiteral("Caption"), QStringLiteral("C")},
                                               {QStringLiteral("CaptionColor"), qint32{0x445566}},
                                               {QStringLiteral("OptionFont"), serif},
                                               {QStringLiteral("KeyName"), QStringLiteral("k")}});
        });
        EXPECT_EQ(error, tavimor::NumberedError::kTypeMismatch);
        EXPECT_EQ(control.Caption(), QString::fromLatin1(c.caption));
        EXPECT_EQ(control.CaptionColor(), c.captionColor);
        EXPECT_EQ(control.OptionFont() == serif, c.optionFontIn);
        EXPECT_EQ(control.KeyName(), QString::fromLatin1(c.keyName));
    }
}

TEST_F(MultiOptionPersistenceTest, ChangedPlacesAndLooksSurviveASave)
{
    MultiOption first(&host);
    first.setOptionLeft(333);
    first.setOptionTop(444);
    first.setOptionNum(3);
    first.setBackColor(0x00112233);
    first.setBorderStyle(0);
    first.setCaptionColor(0x80000008);
    first.setHoriSpace(-50);
    first.setVartSpace(25);
    first.setKeyName(QStringLiteral("key"));
    first.setSectionName(QStringLiteral("section"));
    PropertyBag saved;
    first.WriteProperties(saved);
    EXPECT_EQ(saved.Entries().front().key, QStringLiteral("BackColor"));

    MultiOption second(&host);
    second.ReadProperties(saved);
    EXPECT_EQ(second.OptionLeft(), 333);
    EXPECT_EQ(second.OptionTop(), 444);
    EXPECT_EQ(second.BackColor(), 0x00112233u);
    EXPECT_EQ(second.BorderStyle(), 0);
    EXPECT_EQ(second.CaptionColor(), 0x80000008u);
    EXPECT_EQ(second.OptionPlace(1).Left, 333.0f + 1300.0f - 50.0f);
    EXPECT_EQ(second.KeyName(), QStringLiteral("key"));
    EXPECT_EQ(second.SectionName(), QStringLiteral("section"));
}

TEST_F(MultiOptionPersistenceTest, StoredSetsAreTakenWithoutCheckingOrNotices)
{
    tavimor::testing::MessageRecorder boxes;
    QSignalSpy notices(&host, &ControlHost::PropertyChanged);
    MultiOption control(&host);
    control.ReadProperties(PropertyBag{{QStringLiteral("optionnumperline"), qint16{0}},
                                       {QStringLiteral("optionnum"), qint16{0}},
                                       {QStringLiteral("defaultvalue"), qint16{-1}}});
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_EQ(control.OptionCount(), 1);  // button 0 stays
    EXPECT_EQ(control.Value(), -1);
    ASSERT_EQ(notices.count(), 1);
    EXPECT_EQ(notices.at(0).at(1).toString(), QStringLiteral("Value"));
}

}  // namespace
