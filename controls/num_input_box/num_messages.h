// SPDX-License-Identifier: GPL-3.0-or-later
// The number box's own rows of its bilingual message table, and the texts of its validation
// refusals assembled from them.
// Number input control (controls/num_input_box/).
#pragma once

#include <QString>
#include <functional>
#include <span>

#include "message_table.h"
#include "num_validation.h"

namespace tavimor {

// The numbers of the number box's own messages.
namespace num_message {
inline constexpr short kConversionError = 2001;
inline constexpr short kCorrectInput = 2002;
inline constexpr short kValidInput = 2003;
inline constexpr short kNegativeValue = 2004;
inline constexpr short kPositiveValue = 2005;
inline constexpr short kLimitsIrregular = 2006;
inline constexpr short kOutOfRange = 2007;
inline constexpr short kTooLongStart = 2008;  // with the two lines after it
inline constexpr short kTooLongMiddle = 2009;
inline constexpr short kTooLongEnd = 2010;
inline constexpr short kModeRange = 2011;
inline constexpr short kLowerAboveUpper = 2012;
inline constexpr short kUpperBelowLower = 2013;
inline constexpr short kSingleConversion = 2014;
inline constexpr short kDoubleConversion = 2015;
inline constexpr short kIntegerConversion = 2016;
inline constexpr short kLongConversion = 2017;
}  // namespace num_message

std::span<const MessageRow> NumInputMessages();

// The text of the box that refuses a validated text for `problem`, with the limits where it
// names them; empty for no problem. `message` gives a row of the table in the host's language.
QString ValidationRefusal(ValidationProblem problem, double lower, double upper,
                          const std::function<QString(short)> &message);

}  // namespace tavimor
