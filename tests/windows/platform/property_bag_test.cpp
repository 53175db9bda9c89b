// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of property sets: typed reads and conversions, defaults left out, the text form.
#include "property_bag.h"
#include "property_bag_text.h"

#include <gtest/gtest.h>

#include "numbered_error.h"

namespace tavimor {
namespace {

using testing::FromText;
using testing::ToText;

TEST(PropertyBag, KeysMatchWithoutRegardToCaseAndTheFirstEntryWins)
{
    const PropertyBag bag{{QStringLiteral("optionleft"), qint32{200}},
                          {QStringLiteral("OPTIONLEFT"), qint32{300}},
                          {QStringLiteral("caption"), QStringLiteral("解答")}};
    EXPECT_EQ(bag.ReadInt32(QStringLiteral("OptionLeft"), 120), 200);
    EXPECT_EQ(bag.ReadString(QStringLiteral("Caption"), QString()), QStringLiteral("解答"));
    EXPECT_EQ(bag.ReadInt32(QStringLiteral("OptionTop"), 240), 240);
}

TEST(PropertyBag, ValuesEqualToTheirDefaultsAreLeftOutButFontsAlwaysStay)
{
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("OptionNum"), qint16{1}, qint16{1});
    bag.WriteProperty(QStringLiteral("Caption"), QString(), QString());
    bag.WriteProperty(QStringLiteral("Enabled"), true, true);
    bag.WriteColour(QStringLiteral("BackColor"), 0x8000000F, 0x8000000F);
    bag.WriteProperty(QStringLiteral("Font"), QFont(), QFont());
    ASSERT_EQ(bag.Entries().size(), 1u);
    EXPECT_EQ(bag.Entries()[0].key, QStringLiteral("Font"));

    bag.WriteProperty(QStringLiteral("OptionNum"), qint16{22}, qint16{1});
    bag.WriteProperty(QStringLiteral("optionnum"), qint16{4}, qint16{1});
    EXPECT_EQ(bag.Entries().size(), 2u);
    EXPECT_EQ(bag.ReadInt16(QStringLiteral("OptionNum"), 1), 4);
    bag.WriteProperty(QStringLiteral("OptionNum"), qint16{1}, qint16{1});
    EXPECT_FALSE(bag.Contains(QStringLiteral("OptionNum")));
}

TEST(PropertyBag, SystemColoursReadBackUnsigned)
{
    PropertyBag bag;
    bag.WriteColour(QStringLiteral("BackColor"), 0x80000004, 0x80000005);
    EXPECT_EQ(bag.ReadColour(QStringLiteral("BackColor"), 0), 0x80000004u);
    EXPECT_EQ(bag.ReadColour(QStringLiteral("ForeColor"), 0x80000008), 0x80000008u);
}

TEST(PropertyBag, ConversionsRaiseOverflowAndTypeMismatch)
{
    const PropertyBag bag{{QStringLiteral("big"), qint32{40000}},
                          {QStringLiteral("text"), QStringLiteral("abc")},
                          {QStringLiteral("number"), QStringLiteral("12")},
                          {QStringLiteral("half"), 2.5},
                          {QStringLiteral("yes"), true},
                          {QStringLiteral("font"), QFont()}};
    const auto errorOf = [](auto read) {
        try {
            read();
        } catch (const NumberedError &error) {
            return error.Number();
        }
        return 0;
    };
    EXPECT_EQ(errorOf([&] { bag.ReadInt16(QStringLiteral("big"), 0); }), 6);
    EXPECT_EQ(errorOf([&] { bag.ReadInt32(QStringLiteral("text"), 0); }), 13);
    EXPECT_EQ(errorOf([&] { bag.ReadBool(QStringLiteral("text"), false); }), 13);
    EXPECT_EQ(errorOf([&] { bag.ReadString(QStringLiteral("font"), QString()); }), 13);
    EXPECT_EQ(errorOf([&] { bag.ReadFont(QStringLiteral("number"), QFont()); }), 13);
    EXPECT_EQ(bag.ReadInt32(QStringLiteral("big"), 0), 40000);
    EXPECT_EQ(bag.ReadInt16(QStringLiteral("number"), 0), 12);
    EXPECT_EQ(bag.ReadInt16(QStringLiteral("half"), 0), 2);  // halves to even
    EXPECT_EQ(bag.ReadInt16(QStringLiteral("yes"), 0), -1);
    EXPECT_TRUE(bag.ReadBool(QStringLiteral("number"), false));
    EXPECT_EQ(bag.ReadString(QStringLiteral("half"), QString()), QStringLiteral("2.5"));
}

}  // namespace
}  // namespace tavimor

namespace tavimor {
namespace {

TEST(PropertyBagText, EverySetReadsBackFromItsText)
{
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
    font.setPointSize(9);
    const PropertyBag bag{{QStringLiteral("_extentx"), qint32{2143}},
                          {QStringLiteral("optionnum"), qint16{-22}},
                          {QStringLiteral("enabled"), false},
                          {QStringLiteral("lowerlimit"), 0.1},
                          {QStringLiteral("upperlimit"), -1.7976931348623157e308},
                          {QStringLiteral("caption"), QStringLiteral("解答 \"a\\b\"\r\n|")},
                          {QStringLiteral("font"), font}};
    const QString text = ToText(bag);
    QString error;
    const std::optional<PropertyBag> back = FromText(text, &error);
    ASSERT_TRUE(back.has_value()) << error.toStdString();
    ASSERT_EQ(back->Entries().size(), bag.Entries().size());
    for (std::size_t i = 0; i < bag.Entries().size(); ++i) {
        EXPECT_EQ(back->Entries()[i].key, bag.Entries()[i].key);
        EXPECT_EQ(back->Entries()[i].value, bag.Entries()[i].value) << i;
    }
    EXPECT_EQ(ToText(*back), text);
}

TEST(PropertyBagText, MalformedTextIsRefusedWithItsLine)
{
    const char *faults[] = {
        "caption",       "1key = Int16:1", "k = Int16:40000",  "k = Int32:",
        "k = Bool:yes",  "k = Double:1,5", "k = String:\"a",   "k = String:\"a\\q\"",
        "k = Unknown:1", "k = Int16:1.5",  "k = Double:1e400", "k = String:a\"b\"",
    };
    for (const char *fault : faults) {
        QString error;
        EXPECT_FALSE(
            FromText(QStringLiteral("# design\n\n") + QString::fromUtf8(fault), &error).has_value())
            << fault;
        EXPECT_TRUE(error.startsWith(QStringLiteral("line 3"))) << error.toStdString();
    }
}

}  // namespace
}  // namespace tavimor
