// SPDX-License-Identifier: GPL-3.0-or-later
// Number input control (controls/num_input_box/): see num_messages.h.
#include "num_messages.h"

#include "number_text.h"

namespace tavimor {
namespace {

const MessageRow kMessages[] = {
    {2001, "変換エラーが生じました", "Conversion error."},
    {2002, "入力を修正してください", "Correct input value."},
    {2003, "入力可能な数値：", "Effective input value："},
    {2004, "負の値は", "Negative value"},
    {2005, "正の値は", "Positive value"},
    {2006, "入力制限値の設定が不正です", "Irregal limitation for input."},
    {2007, "入力が制限範囲を越えています", "Input value out of defined range."},
    {2008, "変換後の文字数が", "The character number of converted value"},
    {2009, "入力を許可されている", "overed the defined maximum limitation."},
    {2010, "最大値を越えました", ""},
    {2011, "このプロパティには0から4の整数を入力して下さい", "Valid value is from 0 to 4."},
    {2012, "このプロパティにはUpperLimit以下の数値を入力して下さい",
     "Enter below UpperLimit value."},
    {2013, "このプロパティにはLowerLimit以上の数値を入力して下さい",
     "Enter not less than LowerLimit value."},
    {2014, "単精度への変換エラーが生じました。", "Conversion to single type error."},
    {2015, "倍精度への変換エラーが生じました。", "Conversion to double type error."},
    {2016, "整数への変換エラーが生じました。", "Conversion to integer type error."},
    {2017, "長整数への変換エラーが生じました。", "Conversion to long integer type error."},
};

const QChar kCR(u'\r');

}  // namespace

std::span<const MessageRow> NumInputMessages()
{
    return kMessages;
}

QString ValidationRefusal(ValidationProblem problem, double lower, double upper,
                          const std::function<QString(short)> &message)
{
    const auto s = [](double x) { return QString::fromStdString(GeneralNumberText(x)); };
    switch (problem) {
        case ValidationProblem::None:
            return {};
        case ValidationProblem::LimitsInverted:
            return message(2006);
        case ValidationProblem::OutOfRange:
            return message(2007) + kCR + s(lower) + QStringLiteral("≦ Input ≦") + s(upper);
        case ValidationProblem::TooLong:
            return message(2008) + kCR + message(2009) + kCR + message(2010);
        case ValidationProblem::ConversionError:
            return message(2001) + kCR + message(2002) + kCR + message(2003) + kCR + message(2004) +
                   QStringLiteral(" -1.79769313486232E308 ～ -4.94065645841247E-324") + kCR +
                   message(2005) +
                   QStringLiteral("  4.94065645841247E-324 ～  1.79769313486232E308");
    }
    return {};
}

}  // namespace tavimor
