// SPDX-License-Identifier: GPL-3.0-or-later
// A property set as text, for the tests and the fuzzer to write sets by hand and compare them:
// one entry a line, `key = Type:value`, the types Int16, Int32, Bool, Double, String (quoted,
// with \" \\ \n \r escapes) and Font.
// Test support (tests/support/), on the platform layer.
#pragma once

#include <QString>
#include <optional>

#include "property_bag.h"

namespace tavimor::testing {

QString ToText(const PropertyBag &bag);
// Reads a set written by ToText, every entry as written (a key twice, a value equal to a
// default); blank lines and lines starting with "#" are skipped. Nothing, with the line and its
// fault in `error`, for text that is not such a set.
std::optional<PropertyBag> FromText(const QString &text, QString *error = nullptr);

}  // namespace tavimor::testing
