// SPDX-License-Identifier: GPL-3.0-or-later
// Test support: see property_bag_text.h.
#include "property_bag_text.h"

#include <QStringList>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>

#include "number_text.h"

namespace tavimor::testing {
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

QString ToText(const PropertyBag &bag)
{
    QString text;
    for (const PropertyBag::Entry &entry : bag.Entries()) {
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

std::optional<PropertyBag> FromText(const QString &text, QString *error)
{
    std::vector<PropertyBag::Entry> entries;
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
        entries.push_back({key, parsed});
    }
    return PropertyBag(std::move(entries));
}

}  // namespace tavimor::testing
