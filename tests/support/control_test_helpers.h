// SPDX-License-Identifier: GPL-3.0-or-later
// Small helpers shared by the controls' tests.
#pragma once

#include <QStringList>
#include <cstdint>
#include <functional>
#include <vector>

#include "numbered_error.h"
#include "property_bag.h"

namespace tavimor::testing {

// The number of the numbered error the action raises, 0 when it raises none.
inline std::int32_t ErrorNumber(const std::function<void()> &action)
{
    try {
        action();
    } catch (const NumberedError &error) {
        return error.Number();
    }
    return 0;
}

// The entries a control writes into a fresh property set, in the order written.
template <typename Control>
std::vector<PropertyBag::Entry> Written(const Control &control)
{
    PropertyBag bag;
    control.WriteProperties(bag);
    return bag.Entries();
}

// Everything a control writes, as "key=value" lines, to compare two controls.
template <typename Control>
QStringList Saved(const Control &control)
{
    QStringList lines;
    for (const auto &entry : Written(control)) {
        lines << entry.key + QLatin1Char('=') + entry.value.toString();
    }
    return lines;
}

// The keys a control writes, in the order written.
template <typename Control>
QStringList WrittenKeys(const Control &control)
{
    QStringList keys;
    for (const auto &entry : Written(control)) {
        keys << entry.key;
    }
    return keys;
}

}  // namespace tavimor::testing
