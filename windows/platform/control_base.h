// SPDX-License-Identifier: GPL-3.0-or-later
// What every control of the program has alike: its host (the default, running host when it is
// given none), the notice to the host that a property changed, its bilingual message table and
// the message box of its refusals, Refresh as an immediate repaint, the free-text KeyName and
// SectionName, kept with the control's settings and otherwise not interpreted, its face (the
// inner widget that carries its colours and font), its enabled state and font, whichever road
// writes them, and the loading and saving of its table of persisted settings.
// Platform layer (windows/platform/), below the controls and the windows.
#pragma once

#include <QMouseEvent>
#include <QPalette>
#include <QString>
#include <QWidget>
#include <functional>
#include <span>

#include "control_host.h"
#include "message_table.h"
#include "stored_property.h"

namespace tavimor {

class ControlHost;

class ControlBase : public QWidget {
    Q_OBJECT
    Q_PROPERTY(quint32 BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled)
    Q_PROPERTY(QString KeyName READ KeyName WRITE setKeyName)
    Q_PROPERTY(QString SectionName READ SectionName WRITE setSectionName)

public:
    // The name hosts create the control under ("Tavimor.MultiOption" ...), its class's TypeName.
    QString TypeName() const;

    void Refresh();

    // The face's background colour.
    quint32 BackColor() const;
    void setBackColor(quint32 colour);
    // The control's own enabled state, as QWidget::setEnabled (the property's setter too) sets
    // it: also while a disabled ancestor disables the control, it reads as set.
    bool Enabled() const { return !testAttribute(Qt::WA_ForceDisabled); }

    QString KeyName() const { return m_KeyName; }
    void setKeyName(const QString &name);
    QString SectionName() const { return m_SectionName; }
    void setSectionName(const QString &name);

    // Writes every persisted setting into the set, in the table's order, leaving out values
    // equal to their defaults.
    void WriteProperties(PropertyBag &bag) const;
    // Whether the read order names every key of the table once, and nothing else.
    bool ReadsEveryStoredKeyOnce() const;

protected:
    // `messages` are the control's own rows of its message table, beside the common ones.
    ControlBase(ControlHost *host, std::span<const MessageRow> messages, QWidget *parent);

    // The inner widget that shows the control's colours and font and holds its enabled state.
    // Its colours read as the defaults until they are set, and go to the palette roles given.
    struct Face {
        QWidget *widget = nullptr;
        quint32 backDefault = 0;
        quint32 foreDefault = 0;
        QPalette::ColorRole backRole = QPalette::Window;
        QPalette::ColorRole foreRole = QPalette::WindowText;
    };
    // Gives the face the host's ambient font, the font of a control placed new.
    void SetFace(const Face &face);
    quint32 FaceForeColor() const;
    QFont FaceFont() const { return m_face.widget->font(); }
    // Gives the face the text colour or the font, tells the host that `property` changed and
    // repaints.
    void SetFaceForeColor(quint32 colour, const char *property);
    void SetFaceFont(const QFont &font, const char *property);
    // Runs when a font is written to the control itself (QWidget::setFont, the setter of a
    // control's Font property), whole by then: the control gives it to its face.
    virtual void FontWritten(const QFont &font);

    // The enabled state and the font take the same road whoever writes them: QWidget's own
    // setters, through a QWidget pointer, Qt's properties or the control's.
    void changeEvent(QEvent *event) override;

    ControlHost *Host() const { return m_host; }
    // Tells the host that the named property changed.
    void Notify(const char *property);
    // Message `number` in the host's language.
    QString GetMessage(short number) const;
    // A refusal in a critical-stop box, titled with the warning message (102); `closed` runs
    // after the user's OK.
    void ShowMessage(const QString &text, const std::function<void()> &closed = {});
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

    // The control's persisted settings, in the order they are stored.
    virtual std::span<const StoredProperty> StoredProperties() const = 0;
    // The order in which they are read: the keys in parts, which ReadProperties loads one after
    // the other with steps of its own between them.
    using ReadPart = std::span<const char *const>;
    virtual std::span<const ReadPart> ReadOrder() const = 0;
    // Loads part `part` of the read order from `bag`, key by key. A value the control refuses
    // stops the reading at its key, with the keys before it in.
    void LoadStored(const PropertyBag &bag, int part);

    QString m_KeyName;
    QString m_SectionName;

private:
    ControlHost *m_host;
    Face m_face;
    // The enabled state last notified.
    bool m_notifiedEnabled = true;
    // While settings load, or the control is set up, no property notice goes to the host.
    bool m_quiet = false;
    std::span<const MessageRow> m_messages;
};

}  // namespace tavimor
