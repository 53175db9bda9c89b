// SPDX-License-Identifier: GPL-3.0-or-later
// Window layouts (windows/): see frm_main_properties.h.
#include "frm_main_properties.h"

#include <cmath>

#include "program_resources.h"

namespace tavimor::frm_main_design {
namespace {

// A length in twips as the extent entries store it: hundredths of a millimetre.
qint32 Extent(double twips)
{
    return static_cast<qint32>(std::lround(twips * 2540.0 / 1440.0));
}

QString Key(const char *key)
{
    return QString::fromLatin1(key);
}

}  // namespace

QFont WindowFont()
{
    QFont font(DesignedFontFamily());
    font.setPointSize(9);
    font.setWeight(QFont::Normal);
    return font;
}

PropertyBag mopQuestionType()
{
    return {{Key("_extentx"), Extent(1455)},
            {Key("_extenty"), Extent(2175)},
            {Key("caption"), QStringLiteral("問題の形式")},
            {Key("captionfont"), WindowFont()},
            {Key("optionfont"), WindowFont()},
            {Key("optioncaptions"), QStringLiteral("1文字表記|3文字表記|名称|画像")},
            {Key("optionnum"), qint16{4}},
            {Key("optionnumperline"), qint16{1}}};
}

PropertyBag mopAnswerType()
{
    return {{Key("_extentx"), Extent(1455)},
            {Key("_extenty"), Extent(1695)},
            {Key("caption"), QStringLiteral("解答の形式")},
            {Key("captionfont"), WindowFont()},
            {Key("optionfont"), WindowFont()},
            {Key("defaultvalue"), qint16{2}},
            {Key("optioncaptions"), QStringLiteral("1文字表記|3文字表記|名称")},
            {Key("optionnum"), qint16{3}},
            {Key("optionnumperline"), qint16{1}}};
}

PropertyBag mopAnswer()
{
    // The stored layout holds "optionleft" twice, with the same value.
    return {{Key("_extentx"), Extent(6735)},          {Key("_extenty"), Extent(3855)},
            {Key("caption"), QStringLiteral("解答")}, {Key("enabled"), false},
            {Key("optionfont"), WindowFont()},        {Key("optionleft"), qint32{200}},
            {Key("captionfont"), WindowFont()},       {Key("defaultvalue"), qint16{-1}},
            {Key("optionheight"), qint32{300}},       {Key("optionleft"), qint32{200}},
            {Key("optionnum"), qint16{22}},           {Key("optionnumperline"), qint16{4}},
            {Key("optionwidth"), qint32{1600}}};
}

PropertyBag txtTimeLimit()
{
    return {{Key("_extentx"), Extent(1095)},
            {Key("_extenty"), Extent(255)},
            {Key("backcolor"), static_cast<qint32>(0x80000004u)},
            {Key("enabled"), false},
            {Key("font"), WindowFont()},
            {Key("mode"), qint32{3}}};
}

PropertyBag chkUseTimer()
{
    return {{Key("_extentx"), Extent(1455)},
            {Key("_extenty"), Extent(255)},
            {Key("caption"), QStringLiteral("タイマー使用")},
            {Key("font"), WindowFont()}};
}

PropertyBag chkOmitPushAnswer()
{
    return {{Key("_extentx"), Extent(1455)},
            {Key("_extenty"), Extent(495)},
            {Key("caption"), QStringLiteral("解答の確定を省略")},
            {Key("font"), WindowFont()}};
}

PropertyBag chkShowAnswer()
{
    return {{Key("_extentx"), Extent(1215)},
            {Key("_extenty"), Extent(375)},
            {Key("caption"), QStringLiteral("正解を表示")},
            {Key("font"), WindowFont()},
            {Key("defaultvalue"), true}};
}

}  // namespace tavimor::frm_main_design
