// SPDX-License-Identifier: GPL-3.0-or-later
// Platform layer (windows/platform/): see control_base.h.
#include "control_base.h"

#include "control_host.h"
#include "message_box.h"

namespace tavimor {

ControlBase::ControlBase(ControlHost *host, std::span<const MessageRow> messages, QWidget *parent)
    : QWidget(parent), m_host(host != nullptr ? host : ControlHost::Default()), m_messages(messages)
{}

void ControlBase::Refresh()
{
    repaint();
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

void ControlBase::Notify(const char *property)
{
    m_host->NotifyPropertyChanged(this, QString::fromLatin1(property));
}

QString ControlBase::GetMessage(short number) const
{
    return LookupMessage(m_messages, number, m_host->LocaleID());
}

void ControlBase::ShowMessage(const QString &text)
{
    MsgBox(text, kMsgBoxCritical, GetMessage(102));
}

}  // namespace tavimor
