// SPDX-License-Identifier: GPL-3.0-or-later
// Number input control (controls/num_input_box/): see num_messages.h.
#include "num_messages.h"

#include "number_text.h"

namespace tavimor {
namespace {

const MessageRow kMessages[] = {
    {num_message::kConversionError, "変換エラーが生じました", "Conversion error."},
    {num_message::kCorrectInput, "入力を修正してください", "Correct input value."},
    {num_message::kValidInput, "入力可能な数値：", "Effective input value："},
    {num_message::kNegativeValue, "負の値は", "Negative value"},
    {num_message::kPositiveValue, "正の値は", "Positive value"},
    {num_message::kLimitsIrregular, "入力制限値の設定が不正です", "Irregal limitation for input."},
    {num_message::kOutOfRange, "入力が制限範囲を越えています", "Input value out of defined range."},
    {num_message::kTooLongStart, "変換後の文字数が", "The character number of converted value"},
    {num_message::kTooLongMiddle, "入力を許可されている", "overed the defined maximum limitation."},
    {num_message::kTooLongEnd, "最大値を越えました", ""},
    {num_message::kModeRange, "このプロパティには0から4の整数を入力して下さい",
     "Valid value is from 0 to 4."},
    {num_message::kLowerAboveUpper, "このプロパティにはUpperLimit以下の数値を入力して下さい",
     "Enter below UpperLimit value."},
    {num_message::kUpperBelowLower, "このプロパティにはLowerLimit以上の数値を入力して下さい",
     "Enter not less than LowerLimit value."},
    {num_message::kSingleConversion, "単精度への変換エラーが生じました。",
     "Conversion to single type error."},
    {num_message::kDoubleConversion, "倍精度への変換エラーが生じました。",
     "Conversion to double type error."},
    {num_message::kIntegerConversion, "整数への変換エラーが生じました。",
     "Conversion to integer type error."},
    {num_message::kLongConversion, "長整数への変換エラーが生じました。",
     "Conversion to long integer type error."},
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
            return message(num_message::kLimitsIrregular);
        case ValidationProblem::OutOfRange:
            return message(num_message::kOutOfRange) + kCR + s(lower) +
                   QStringLiteral("≦ Input ≦") + s(upper);
        case ValidationProblem::TooLong:
            return message(num_message::kTooLongStart) + kCR +
                   message(num_message::kTooLongMiddle) + kCR + message(num_message::kTooLongEnd);
        case ValidationProblem::ConversionError:
            return message(num_message::kConversionError) + kCR +
                   message(num_message::kCorrectInput) + kCR + message(num_message::kValidInput) +
                   kCR + message(num_message::kNegativeValue) +
                   QStringLiteral(" -1.79769313486232E308 ～ -4.94065645841247E-324") + kCR +
                   message(num_message::kPositiveValue) +
                   QStringLiteral("  4.94065645841247E-324 ～  1.79769313486232E308");
    }
    return {};
}

}  // namespace tavimor
