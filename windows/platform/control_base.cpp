// SPDX-License-Identifier: GPL-3.0-or-later
// Platform layer (windows/platform/): see control_base.h.
#include "control_base.h"

#include <QMetaClassInfo>
#include <QStringList>
#include <algorithm>
#include <string_view>
#include <utility>

#include "colours.h"
#include "control_host.h"
#include "message_box.h"
#include "own_font.h"
#include "property_bag.h"

namespace tavimor {

ControlBase::ControlBase(ControlHost *host, std::span<const MessageRow> messages, QWidget *parent)
    : QWidget(parent), m_host(host != nullptr ? host : ControlHost::Default()), m_messages(messages)
{}

void ControlBase::SetFace(const Face &face)
{
    m_face = face;
    // The control's own font is the face's, whole, so no window's font reaches either.
    m_quiet = true;
    SetOwnFont(this, m_host->AmbientFont());
    SetOwnFont(m_face.widget, m_host->AmbientFont());
    m_quiet = false;
}

QString ControlBase::TypeName() const
{
    const int index = metaObject()->indexOfClassInfo("TypeName");
    return index < 0 ? QString() : QString::fromLatin1(metaObject()->classInfo(index).value());
}

void ControlBase::Refresh()
{
    repaint();
}

quint32 ControlBase::BackColor() const
{
    return BackColorOf(m_face.widget, m_face.backDefault);
}

void ControlBase::setBackColor(quint32 colour)
{
    SetBackColor(m_face.widget, colour, m_face.backRole);
    Notify("BackColor");
    Refresh();
}

void ControlBase::FontWritten(const QFont & /*font*/) {}

void ControlBase::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        // Also sent when an ancestor is enabled or disabled, which leaves the control's own
        // state as it was.
        if (Enabled() != m_notifiedEnabled) {
            m_notifiedEnabled = Enabled();
            Notify("Enabled");
        }
    } else if (event->type() == QEvent::FontChange && testAttribute(Qt::WA_SetFont)) {
        // A font written with attributes unset has them from the ancestors now; made whole, it
        // takes nothing from them later (the second change applies it).
        if (font().resolveMask() != QFont::AllPropertiesResolved) {
            SetOwnFont(this, font());
        } else if (font() != m_face.widget->font() ||
                   m_face.widget->font().resolveMask() != QFont::AllPropertiesResolved) {
            FontWritten(font());
        }
    }
}

quint32 ControlBase::FaceForeColor() const
{
    return ForeColorOf(m_face.widget, m_face.foreDefault);
}

void ControlBase::SetFaceForeColor(quint32 colour, const char *property)
{
    SetForeColor(m_face.widget, colour, m_face.foreRole);
    Notify(property);
    Refresh();
}

void ControlBase::SetFaceFont(const QFont &font, const char *property)
{
    SetOwnFont(m_face.widget, font);
    Notify(property);
    Refresh();
}

void ControlBase::setKeyName(const QString &name)
{
    m_KeyName = name;
    Notify("KeyName");
}

void ControlBase::setSectionName(const QString &name)
{
    m_SectionName = name;
    Notify("SectionName");
}

void ControlBase::WriteProperties(PropertyBag &bag) const
{
    const QFont ambient = m_host->AmbientFont();
    for (const StoredProperty &row : StoredProperties()) {
        WriteStoredValue(bag, QString::fromLatin1(row.key), row.save(*this), row.defaultValue,
                         ambient);
    }
}

bool ControlBase::ReadsEveryStoredKeyOnce() const
{
    QStringList read;
    for (const ReadPart &part : ReadOrder()) {
        for (const char *key : part) {
            read << QString::fromLatin1(key);
        }
    }
    QStringList stored;
    for (const StoredProperty &row : StoredProperties()) {
        stored << QString::fromLatin1(row.key);
    }
    read.sort();
    stored.sort();
    return read == stored;
}

void ControlBase::LoadStored(const PropertyBag &bag, int part)
{
    const QFont ambient = m_host->AmbientFont();
    const std::span<const StoredProperty> rows = StoredProperties();
    const bool wasQuiet = std::exchange(m_quiet, true);
    try {
        for (const char *key : ReadOrder()[static_cast<std::size_t>(part)]) {
            const auto row = std::find_if(rows.begin(), rows.end(), [key](const StoredProperty &r) {
                return std::string_view(r.key) == key;
            });
            if (row != rows.end()) {
                row->load(*this, ReadStoredValue(bag, QString::fromLatin1(row->key),
                                                 row->defaultValue, ambient));
            }
        }
    } catch (...) {
        m_quiet = wasQuiet;
        throw;
    }
    m_quiet = wasQuiet;
}

void ControlBase::Notify(const char *property)
{
    if (m_quiet) {
        return;
    }
    m_host->NotifyPropertyChanged(this, QString::fromLatin1(property));
}

QString ControlBase::GetMessage(short number) const
{
    return LookupMessage(m_messages, number, m_host->LocaleID());
}

void ControlBase::ShowMessage(const QString &text, const std::function<void()> &closed)
{
    MsgBox(text, kMsgBoxCritical, GetMessage(102), closed);
}

}  // namespace tavimor
