// SPDX-License-Identifier: GPL-3.0-or-later
// Platform layer (windows/platform/): see stored_property.h.
#include "stored_property.h"

#include "property_bag.h"

namespace tavimor {
namespace {

template <typename... Reads>
struct Overloaded : Reads... {
    using Reads::operator()...;
};
template <typename... Reads>
Overloaded(Reads...) -> Overloaded<Reads...>;

}  // namespace

QVariant ReadStoredValue(const PropertyBag &bag, const QString &key,
                         const StoredDefault &defaultValue, const QFont &ambient)
{
    return std::visit(
        Overloaded{
            [&](std::int16_t d) { return QVariant::fromValue(bag.ReadInt16(key, d)); },
            [&](std::int32_t d) { return QVariant::fromValue(bag.ReadInt32(key, d)); },
            [&](std::uint32_t d) { return QVariant::fromValue(bag.ReadColour(key, d)); },
            [&](bool d) { return QVariant::fromValue(bag.ReadBool(key, d)); },
            [&](double d) { return QVariant::fromValue(bag.ReadDouble(key, d)); },
            [&](const QString &d) { return QVariant::fromValue(bag.ReadString(key, d)); },
            [&](AmbientFont /*font*/) { return QVariant::fromValue(bag.ReadFont(key, ambient)); }},
        defaultValue);
}

void WriteStoredValue(PropertyBag &bag, const QString &key, const QVariant &value,
                      const StoredDefault &defaultValue, const QFont &ambient)
{
    std::visit(
        Overloaded{[&](std::uint32_t d) { bag.WriteColour(key, value.value<std::uint32_t>(), d); },
                   [&](AmbientFont /*font*/) { bag.WriteProperty(key, value, ambient); },
                   [&](const auto &d) {
                       using T = std::decay_t<decltype(d)>;
                       bag.WriteProperty(key, QVariant::fromValue(value.value<T>()),
                                         QVariant::fromValue(d));
                   }},
        defaultValue);
}

}  // namespace tavimor
