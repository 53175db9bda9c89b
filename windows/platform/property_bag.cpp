// SPDX-License-Identifier: GPL-3.0-or-later
// Platform layer (windows/platform/): see property_bag.h.
#include "property_bag.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "number_text.h"
#include "numbered_error.h"

namespace tavimor {
namespace {

bool IsNumber(const QVariant &value)
{
    switch (value.typeId()) {
        case QMetaType::Short:
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::Double:
        case QMetaType::Float:
        case QMetaType::Bool:
            return true;
        default:
            return false;
    }
}

// The value as a number, as a numeric assignment reads it (True is -1).
double AsNumber(const QVariant &value)
{
    if (value.typeId() == QMetaType::Bool) {
        return value.toBool() ? -1.0 : 0.0;
    }
    if (IsNumber(value)) {
        return value.toDouble();
    }
    if (value.typeId() == QMetaType::QString) {
        const QString text = value.toString();
        if (text.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0) {
            return -1.0;
        }
        if (text.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0) {
            return 0.0;
        }
        const ParsedNumber parsed = ParseNumber(text.toStdString());
        if (parsed.status == ParseStatus::Overflow) {
            throw NumberedError(NumberedError::kOverflow);
        }
        if (parsed.status == ParseStatus::Ok) {
            return parsed.value;
        }
    }
    throw NumberedError(NumberedError::kTypeMismatch);
}

// Rounds to a whole number, halves to even, and checks the range.
std::int64_t ToWhole(const QVariant &value, double low, double high)
{
    const double rounded = std::nearbyint(AsNumber(value));
    if (!(rounded >= low && rounded <= high)) {
        throw NumberedError(NumberedError::kOverflow);
    }
    return static_cast<std::int64_t>(rounded);
}

bool SameValue(const QVariant &a, const QVariant &b)
{
    if (IsNumber(a) && IsNumber(b)) {
        return AsNumber(a) == AsNumber(b);
    }
    return a == b;
}

}  // namespace

const PropertyBag::Entry *PropertyBag::Find(const QString &key) const
{
    for (const Entry &entry : m_entries) {
        if (entry.key.compare(key, Qt::CaseInsensitive) == 0) {
            return &entry;
        }
    }
    return nullptr;
}

std::int16_t PropertyBag::ReadInt16(const QString &key, std::int16_t defaultValue) const
{
    const Entry *entry = Find(key);
    if (entry == nullptr) {
        return defaultValue;
    }
    return static_cast<std::int16_t>(ToWhole(entry->value, -32768.0, 32767.0));
}

std::int32_t PropertyBag::ReadInt32(const QString &key, std::int32_t defaultValue) const
{
    const Entry *entry = Find(key);
    if (entry == nullptr) {
        return defaultValue;
    }
    return static_cast<std::int32_t>(ToWhole(entry->value, -2147483648.0, 2147483647.0));
}

std::uint32_t PropertyBag::ReadColour(const QString &key, std::uint32_t defaultValue) const
{
    const Entry *entry = Find(key);
    if (entry == nullptr) {
        return defaultValue;
    }
    // Colours are stored as 32-bit values; the system colours are the negative ones.
    return static_cast<std::uint32_t>(ToWhole(entry->value, -2147483648.0, 4294967295.0));
}

bool PropertyBag::ReadBool(const QString &key, bool defaultValue) const
{
    const Entry *entry = Find(key);
    if (entry == nullptr) {
        return defaultValue;
    }
    if (entry->value.typeId() == QMetaType::Bool) {
        return entry->value.toBool();
    }
    return AsNumber(entry->value) != 0.0;
}

double PropertyBag::ReadDouble(const QString &key, double defaultValue) const
{
    const Entry *entry = Find(key);
    return entry != nullptr ? AsNumber(entry->value) : defaultValue;
}

QString PropertyBag::ReadString(const QString &key, const QString &defaultValue) const
{
    const Entry *entry = Find(key);
    if (entry == nullptr) {
        return defaultValue;
    }
    if (entry->value.typeId() == QMetaType::QString) {
        return entry->value.toString();
    }
    if (entry->value.typeId() == QMetaType::Bool) {
        return entry->value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    }
    if (IsNumber(entry->value)) {
        return QString::fromStdString(GeneralNumberText(entry->value.toDouble())).trimmed();
    }
    throw NumberedError(NumberedError::kTypeMismatch);
}

QFont PropertyBag::ReadFont(const QString &key, const QFont &defaultValue) const
{
    const Entry *entry = Find(key);
    if (entry == nullptr) {
        return defaultValue;
    }
    if (entry->value.typeId() != QMetaType::QFont) {
        throw NumberedError(NumberedError::kTypeMismatch);
    }
    return entry->value.value<QFont>();
}

void PropertyBag::WriteProperty(const QString &key, const QVariant &value,
                                const QVariant &defaultValue)
{
    std::erase_if(m_entries, [&key](const Entry &entry) {
        return entry.key.compare(key, Qt::CaseInsensitive) == 0;
    });
    if (value.typeId() == QMetaType::QFont || !SameValue(value, defaultValue)) {
        m_entries.push_back({key, value});
    }
}

void PropertyBag::WriteColour(const QString &key, std::uint32_t value, std::uint32_t defaultValue)
{
    WriteProperty(key, static_cast<qint32>(value), static_cast<qint32>(defaultValue));
}

}  // namespace tavimor
