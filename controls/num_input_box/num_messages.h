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

std::span<const MessageRow> NumInputMessages();

// The text of the box that refuses a validated text for `problem`, with the limits where it
// names them; empty for no problem. `message` gives a row of the table in the host's language.
QString ValidationRefusal(ValidationProblem problem, double lower, double upper,
                          const std::function<QString(short)> &message);

}  // namespace tavimor
