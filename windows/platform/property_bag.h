// SPDX-License-Identifier: GPL-3.0-or-later
// A control's persisted settings: named, typed values. Keys are compared without regard to case,
// a value equal to the default named by its writer is not stored, and a key the set does not
// hold reads as the default named by its reader. A set written by hand (a window's stored design)
// may hold a key twice; the first entry is the one read.
// Platform layer (windows/platform/), below the controls and the windows.
#pragma once

#include <QFont>
#include <QString>
#include <QVariant>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>

namespace tavimor {

class PropertyBag {
public:
    struct Entry {
        QString key;
        QVariant value;  // qint16, qint32, bool, double, QString or QFont
    };

    PropertyBag() = default;
    PropertyBag(std::initializer_list<Entry> entries) : m_entries(entries) {}
    // Every entry as given, a key twice or a value equal to a default among them.
    explicit PropertyBag(std::vector<Entry> entries) : m_entries(std::move(entries)) {}

    // Typed reads. A stored value of another type is converted as an assignment would: a number
    // out of the target's range raises the overflow error, a text or font that is not a number
    // the type-mismatch error.
    std::int16_t ReadInt16(const QString &key, std::int16_t defaultValue) const;
    std::int32_t ReadInt32(const QString &key, std::int32_t defaultValue) const;
    std::uint32_t ReadColour(const QString &key, std::uint32_t defaultValue) const;
    bool ReadBool(const QString &key, bool defaultValue) const;
    double ReadDouble(const QString &key, double defaultValue) const;
    QString ReadString(const QString &key, const QString &defaultValue) const;
    QFont ReadFont(const QString &key, const QFont &defaultValue) const;

    // Stores the value under the key, replacing what the set held, unless it equals the
    // default: then the key is left out. A font is always stored.
    void WriteProperty(const QString &key, const QVariant &value, const QVariant &defaultValue);
    void WriteColour(const QString &key, std::uint32_t value, std::uint32_t defaultValue);

    bool Contains(const QString &key) const { return Find(key) != nullptr; }

    const std::vector<Entry> &Entries() const { return m_entries; }

private:
    const Entry *Find(const QString &key) const;

    std::vector<Entry> m_entries;
};

}  // namespace tavimor
