// SPDX-License-Identifier: GPL-3.0-or-later
// Platform layer (windows/platform/): see control_base.h.
#include "control_base.h"

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
    SetOwnFont(m_face.widget, m_host->AmbientFont());
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

bool ControlBase::Enabled() const
{
    return m_face.widget->isEnabledTo(this);
}

void ControlBase::setEnabled(bool enabled)
{
    m_face.widget->setEnabled(enabled);
    Notify("Enabled");
    EnabledChanged(enabled);
}

void ControlBase::EnabledChanged(bool /*enabled*/) {}

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

void ControlBase::LoadStored(const PropertyBag &bag, int first, int last)
{
    const QFont ambient = m_host->AmbientFont();
    for (int stage = first; stage <= last; ++stage) {
        for (const StoredProperty &row : StoredProperties()) {
            if (row.stage == stage) {
                row.load(*this, ReadStoredValue(bag, QString::fromLatin1(row.key), row.defaultValue,
                                                ambient));
            }
        }
    }
}

void ControlBase::Notify(const char *property)
{
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
