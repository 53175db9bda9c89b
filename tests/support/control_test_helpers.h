// Small helpers shared by the controls' tests.
#pragma once

#include <QStringList>
#include <cstdint>
#include <functional>

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

// Everything a control writes into a fresh property set, as "key=value" lines, to compare two
// controls.
template <typename Control>
QStringList Saved(const Control &control)
{
    PropertyBag bag;
    control.WriteProperties(bag);
    QStringList lines;
    for (const auto &entry : bag.Entries()) {
        lines << entry.key + QLatin1Char('=') + entry.value.toString();
    }
    return lines;
}

// The keys a control writes into a fresh property set, in the order written.
template <typename Control>
QStringList WrittenKeys(const Control &control)
{
    PropertyBag bag;
    control.WriteProperties(bag);
    QStringList keys;
    for (const auto &entry : bag.Entries()) {
        keys << entry.key;
    }
    return keys;
}

}  // namespace tavimor::testing
