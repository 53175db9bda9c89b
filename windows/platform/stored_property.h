// SPDX-License-Identifier: GPL-3.0-or-later
// A control's persisted settings as one table. A row holds a setting's key in the stored set, its
// default, whose type is the type stored, and how the control takes a stored value in and gives
// its own out. A control lists its rows in the order they are written; the order in which they
// are read is a list of the control's own (ControlBase::ReadOrder).
// Platform layer (windows/platform/), below the controls and the windows.
#pragma once

#include <QFont>
#include <QString>
#include <QVariant>
#include <cstdint>
#include <type_traits>
#include <utility>
#include <variant>

namespace tavimor {

class ControlBase;
class PropertyBag;

// The default of a font setting: the host's ambient font when the set is read or written.
struct AmbientFont {};

// A setting's default, and by its type the type stored: a 16-bit or 32-bit integer, a colour
// (the only unsigned 32-bit type), a boolean, a double, a text or a font.
using StoredDefault =
    std::variant<std::int16_t, std::int32_t, std::uint32_t, bool, double, QString, AmbientFont>;

// The value stored under `key`, or the default when the set lacks the key, as the default's type.
QVariant ReadStoredValue(const PropertyBag &bag, const QString &key,
                         const StoredDefault &defaultValue, const QFont &ambient);
// Stores `value`, converted to the default's type, unless it equals the default.
void WriteStoredValue(PropertyBag &bag, const QString &key, const QVariant &value,
                      const StoredDefault &defaultValue, const QFont &ambient);

struct StoredProperty {
    const char *key;
    StoredDefault defaultValue;
    void (*load)(ControlBase &control, const QVariant &value);
    QVariant (*save)(const ControlBase &control);
};

// The rows of the table of `Control`, a class derived from ControlBase.
template <typename Control>
struct StoredRows {
    // A setting kept in a field of the control, taken in as it is stored.
    template <auto Member>
    static StoredProperty Field(const char *key, StoredDefault defaultValue)
    {
        return {key, std::move(defaultValue),
                [](ControlBase &base, const QVariant &value) {
                    auto &control = static_cast<Control &>(base);
                    control.*Member = value.value<std::remove_cvref_t<decltype(control.*Member)>>();
                },
                [](const ControlBase &base) {
                    return QVariant::fromValue(static_cast<const Control &>(base).*Member);
                }};
    }

    // A setting given out by the getter `Get` and taken in by `Load`, a lambda without captures
    // that receives the control and the stored value as the getter's type.
    template <auto Get, typename Load>
    static StoredProperty Getter(const char *key, StoredDefault defaultValue, Load /*load*/)
    {
        return {key, std::move(defaultValue),
                [](ControlBase &base, const QVariant &value) {
                    auto &control = static_cast<Control &>(base);
                    Load{}(control, value.value<std::remove_cvref_t<decltype((control.*Get)())>>());
                },
                [](const ControlBase &base) {
                    return QVariant::fromValue((static_cast<const Control &>(base).*Get)());
                }};
    }

    // A setting taken in by `Load` from the stored value and given out by `Save`, lambdas
    // without captures on the control.
    template <typename Load, typename Save>
    static StoredProperty Custom(const char *key, StoredDefault defaultValue, Load /*load*/,
                                 Save /*save*/)
    {
        return {key, std::move(defaultValue),
                [](ControlBase &base, const QVariant &value) {
                    Load{}(static_cast<Control &>(base), value);
                },
                [](const ControlBase &base) {
                    return QVariant::fromValue(Save{}(static_cast<const Control &>(base)));
                }};
    }
};

}  // namespace tavimor
