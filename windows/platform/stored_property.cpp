// SPDX-License-Identifier: GPL-3.0-or-later
// Platform layer (windows/platform/): see stored_property.h.
#include "stored_property.h"

#include "property_bag.h"

namespace tavimor {

QVariant ReadStoredValue(const PropertyBag &bag, const QString &key,
                         const StoredDefault &defaultValue, const QFont &ambient)
{
    return std::visit(
        [&](const auto &fallback) {
            using T = std::decay_t<decltype(fallback)>;
            if constexpr (std::is_same_v<T, std::int16_t>) {
                return QVariant::fromValue(bag.ReadInt16(key, fallback));
            } else if constexpr (std::is_same_v<T, std::int32_t>) {
                return QVariant::fromValue(bag.ReadInt32(key, fallback));
            } else if constexpr (std::is_same_v<T, std::uint32_t>) {
                return QVariant::fromValue(bag.ReadColour(key, fallback));
            } else if constexpr (std::is_same_v<T, bool>) {
                return QVariant::fromValue(bag.ReadBool(key, fallback));
            } else if constexpr (std::is_same_v<T, double>) {
                return QVariant::fromValue(bag.ReadDouble(key, fallback));
            } else if constexpr (std::is_same_v<T, QString>) {
                return QVariant::fromValue(bag.ReadString(key, fallback));
            } else {
                return QVariant::fromValue(bag.ReadFont(key, ambient));
            }
        },
        defaultValue);
}

void WriteStoredValue(PropertyBag &bag, const QString &key, const QVariant &value,
                      const StoredDefault &defaultValue, const QFont &ambient)
{
    std::visit(
        [&](const auto &fallback) {
            using T = std::decay_t<decltype(fallback)>;
            if constexpr (std::is_same_v<T, std::uint32_t>) {
                bag.WriteColour(key, value.value<std::uint32_t>(), fallback);
            } else if constexpr (std::is_same_v<T, AmbientFont>) {
                bag.WriteProperty(key, value, ambient);
            } else {
                bag.WriteProperty(key, QVariant::fromValue(value.value<T>()),
                                  QVariant::fromValue(fallback));
            }
        },
        defaultValue);
}

}  // namespace tavimor
