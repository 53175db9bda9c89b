// SPDX-License-Identifier: GPL-3.0-or-later
// Platform layer (windows/platform/): see property_bag.h.
#include "property_bag.h"

#include <charconv>
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

namespace tavimor {
namespace {

QString Quote(const QString &text)
{
    QString quoted = QStringLiteral("\"");
    for (const QChar c : text) {
        switch (c.unicode()) {
            case u'"':
                quoted += QStringLiteral("\\\"");
                break;
            case u'\\':
                quoted += QStringLiteral("\\\\");
                break;
            case u'\n':
                quoted += QStringLiteral("\\n");
                break;
            case u'\r':
                quoted += QStringLiteral("\\r");
                break;
            default:
                quoted += c;
        }
    }
    return quoted + QLatin1Char('"');
}

std::optional<QString> Unquote(const QString &text)
{
    if (text.size() < 2 || !text.startsWith(QLatin1Char('"')) || !text.endsWith(QLatin1Char('"'))) {
        return std::nullopt;
    }
    QString plain;
    for (qsizetype i = 1; i + 1 < text.size(); ++i) {
        QChar c = text[i];
        if (c == QLatin1Char('"')) {
            return std::nullopt;
        }
        if (c == QLatin1Char('\\')) {
            if (i + 2 >= text.size()) {
                return std::nullopt;
            }
            const QChar next = text[++i];
            if (next == QLatin1Char('n')) {
                c = QLatin1Char('\n');
            } else if (next == QLatin1Char('r')) {
                c = QLatin1Char('\r');
            } else if (next == QLatin1Char('"') || next == QLatin1Char('\\')) {
                c = next;
            } else {
                return std::nullopt;
            }
        }
        plain += c;
    }
    return plain;
}

bool IsKey(const QString &key)
{
    if (key.isEmpty()) {
        return false;
    }
    for (qsizetype i = 0; i < key.size(); ++i) {
        const char16_t c = key[i].unicode();
        const bool letter = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_';
        const bool digit = c >= u'0' && c <= u'9';
        if (!letter && !(digit && i > 0)) {
            return false;
        }
    }
    return true;
}

}  // namespace

QString PropertyBag::ToText() const
{
    QString text;
    for (const Entry &entry : m_entries) {
        const QVariant &v = entry.value;
        QString value;
        switch (v.typeId()) {
            case QMetaType::Short:
                value = QStringLiteral("Int16:") + QString::number(v.value<qint16>());
                break;
            case QMetaType::Int:
                value = QStringLiteral("Int32:") + QString::number(v.toInt());
                break;
            case QMetaType::Bool:
                value = v.toBool() ? QStringLiteral("Bool:True") : QStringLiteral("Bool:False");
                break;
            case QMetaType::Double: {
                // The shortest text that reads back as the same double.
                char buffer[64];
                const auto end = std::to_chars(buffer, buffer + sizeof buffer, v.toDouble()).ptr;
                value = QStringLiteral("Double:") + QString::fromLatin1(buffer, end - buffer);
                break;
            }
            case QMetaType::QFont:
                value = QStringLiteral("Font:") + Quote(v.value<QFont>().toString());
                break;
            default:
                value = QStringLiteral("String:") + Quote(v.toString());
                break;
        }
        text += entry.key + QStringLiteral(" = ") + value + QLatin1Char('\n');
    }
    return text;
}

std::optional<PropertyBag> PropertyBag::FromText(const QString &text, QString *error)
{
    PropertyBag bag;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const QString line = lines[n].trimmed();
        const auto fail = [&](const char *fault) -> std::optional<PropertyBag> {
            if (error != nullptr) {
                *error = QStringLiteral("line %1: %2").arg(n + 1).arg(QString::fromLatin1(fault));
            }
            return std::nullopt;
        };
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) {
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0) {
            return fail("no '='");
        }
        const QString key = line.left(equals).trimmed();
        const QString rest = line.mid(equals + 1).trimmed();
        if (!IsKey(key)) {
            return fail("not a key");
        }
        const qsizetype colon = rest.indexOf(QLatin1Char(':'));
        if (colon < 0) {
            return fail("no type");
        }
        const QString type = rest.left(colon);
        const QString value = rest.mid(colon + 1);
        const std::string number = value.toStdString();
        QVariant parsed;
        if (type == QLatin1String("Int16") || type == QLatin1String("Int32")) {
            const bool narrow = type == QLatin1String("Int16");
            std::int64_t whole = 0;
            const auto [end, ec] =
                std::from_chars(number.data(), number.data() + number.size(), whole);
            if (ec != std::errc() || end != number.data() + number.size() || number.empty() ||
                whole < (narrow ? -32768 : INT32_MIN) || whole > (narrow ? 32767 : INT32_MAX)) {
                return fail("not a whole number of its type");
            }
            parsed = narrow ? QVariant::fromValue<qint16>(static_cast<qint16>(whole))
                            : QVariant::fromValue<qint32>(static_cast<qint32>(whole));
        } else if (type == QLatin1String("Bool")) {
            if (value != QLatin1String("True") && value != QLatin1String("False")) {
                return fail("not True or False");
            }
            parsed = value == QLatin1String("True");
        } else if (type == QLatin1String("Double")) {
            const ParsedNumber read = ParseNumber(number);
            if (read.status != ParseStatus::Ok || value.contains(QLatin1Char(' '))) {
                return fail("not a number");
            }
            parsed = read.value;
        } else if (type == QLatin1String("String") || type == QLatin1String("Font")) {
            const std::optional<QString> plain = Unquote(value);
            if (!plain) {
                return fail("not a quoted text");
            }
            if (type == QLatin1String("Font")) {
                QFont font;
                if (!font.fromString(*plain)) {
                    return fail("not a font");
                }
                parsed = font;
            } else {
                parsed = *plain;
            }
        } else {
            return fail("unknown type");
        }
        bag.m_entries.push_back({key, parsed});
    }
    return bag;
}

}  // namespace tavimor
