// SPDX-License-Identifier: GPL-3.0-or-later
// What every control of the program has alike: its host (the default, running host when it is
// given none), the notice to the host that a property changed, its bilingual message table and
// the message box of its refusals, Refresh as an immediate repaint, and the free-text KeyName
// and SectionName, kept with the control's settings and otherwise not interpreted, and the
// loading and saving of the control's table of persisted settings.
// Platform layer (windows/platform/), below the controls and the windows.
#pragma once

#include <QMouseEvent>
#include <QString>
#include <QWidget>
#include <span>

#include "control_host.h"
#include "message_table.h"
#include "property_bag.h"
#include "stored_property.h"

namespace tavimor {

class ControlHost;

class ControlBase : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString KeyName READ KeyName WRITE setKeyName)
    Q_PROPERTY(QString SectionName READ SectionName WRITE setSectionName)

public:
    void Refresh();

    QString KeyName() const { return m_KeyName; }
    void setKeyName(const QString &name);
    QString SectionName() const { return m_SectionName; }
    void setSectionName(const QString &name);

protected:
    // `messages` are the control's own rows of its message table, beside the common ones.
    ControlBase(ControlHost *host, std::span<const MessageRow> messages, QWidget *parent);

    ControlHost *Host() const { return m_host; }
    // Tells the host that the named property changed.
    void Notify(const char *property);
    // Message `number` in the host's language.
    QString GetMessage(short number) const;
    // A refusal in a critical-stop box, titled with the warning message (102).
    void ShowMessage(const QString &text);
    // Raises `down`, `move` or `up` of `control` for a mouse press, move or release, with the
    // button, the modifiers and the place in twips; false, raising nothing, for other events.
    template <typename Control, typename Signal>
    static bool RaiseMouseEvent(Control *control, const QEvent *event, Signal down, Signal move,
                                Signal up)
    {
        const Signal signal = event->type() == QEvent::MouseButtonPress     ? down
                              : event->type() == QEvent::MouseMove          ? move
                              : event->type() == QEvent::MouseButtonRelease ? up
                                                                            : nullptr;
        if (signal == nullptr) {
            return false;
        }
        MouseArguments a = MouseArgumentsOf(static_cast<const QMouseEvent *>(event));
        emit(control->*signal)(a.Button, a.Shift, a.X, a.Y);
        return true;
    }

    // Loads the rows of `table` whose stage is `first` to `last` from `bag`, stage by stage and
    // in table order within a stage.
    template <typename Control>
    void LoadStored(std::span<const StoredProperty<Control>> table, const PropertyBag &bag,
                    int first, int last)
    {
        const QFont ambient = m_host->AmbientFont();
        for (int stage = first; stage <= last; ++stage) {
            for (const StoredProperty<Control> &row : table) {
                if (row.stage == stage) {
                    row.load(static_cast<Control &>(*this),
                             ReadStoredValue(bag, QString::fromLatin1(row.key), row.defaultValue,
                                             ambient));
                }
            }
        }
    }
    // Writes every row of `table` into `bag`, in table order.
    template <typename Control>
    void SaveStored(std::span<const StoredProperty<Control>> table, PropertyBag &bag) const
    {
        const QFont ambient = m_host->AmbientFont();
        for (const StoredProperty<Control> &row : table) {
            WriteStoredValue(bag, QString::fromLatin1(row.key),
                             row.save(static_cast<const Control &>(*this)), row.defaultValue,
                             ambient);
        }
    }

    QString m_KeyName;
    QString m_SectionName;

private:
    ControlHost *m_host;
    std::span<const MessageRow> m_messages;
};

}  // namespace tavimor
