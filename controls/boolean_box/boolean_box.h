// SPDX-License-Identifier: GPL-3.0-or-later
// BooleanBox: one check box with a caption, giving the host a Boolean Value instead of the box's
// three states (0 unchecked, 1 checked, 2 grayed). Every change of the box, by the user or the
// program, raises Click; the box's key and mouse events pass on to the host under the same names,
// and a host handler that sets KeyAscii (or KeyCode) to 0 discards the key.
// Check-box control (controls/boolean_box/).
#pragma once

#include <QFont>
#include <QString>
#include <variant>

#include "colours.h"
#include "control_base.h"

class QCheckBox;

namespace tavimor {
class ControlHost;
class PropertyBag;
}  // namespace tavimor

namespace tavimor {

class BooleanBox : public tavimor::ControlBase {
    Q_OBJECT
    Q_CLASSINFO("TypeName", "Tavimor.BooleanBox")
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(bool DefaultValue READ DefaultValue WRITE setDefaultValue)
    Q_PROPERTY(QFont Font READ Font WRITE setFont)
    Q_PROPERTY(quint32 ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(bool Value READ Value WRITE setValue)
    Q_PROPERTY(bool AlwaysFalseWhenNotEnabled READ AlwaysFalseWhenNotEnabled WRITE
                   setAlwaysFalseWhenNotEnabled)

public:
    // The defaults of the persisted settings, each stated here once: what a box placed new has,
    // what a stored set without the key reads, and what is not stored.
    struct Defaults {
        static constexpr quint32 BackColor = tavimor::kSysButtonFace;
        static constexpr quint32 ForeColor = tavimor::kSysButtonText;
        static constexpr const char *Caption = "chkBooleanBox";
        static constexpr bool Enabled = true;
        static constexpr bool AlwaysFalseWhenNotEnabled = false;
        static constexpr bool DefaultValue = false;
    };

    static constexpr short kUnchecked = 0;
    static constexpr short kChecked = 1;
    static constexpr short kGrayed = 2;

    // Placed new: no caption, unchecked, enabled. Without a host the default (running) host.
    explicit BooleanBox(tavimor::ControlHost *host = nullptr, QWidget *parent = nullptr);

    void ReadProperties(const tavimor::PropertyBag &bag);

    void Cls();
    void Restore();
    void RestoreDefault();
    void Store();

    QString Caption() const { return m_Caption; }
    void setCaption(const QString &caption);
    bool DefaultValue() const { return m_DefaultValue; }
    void setDefaultValue(bool value);
    QFont Font() const { return FaceFont(); }
    quint32 ForeColor() const { return FaceForeColor(); }
    void setForeColor(quint32 colour) { SetFaceForeColor(colour, "ForeColor"); }
    bool Value() const;
    void setValue(bool value);
    bool AlwaysFalseWhenNotEnabled() const { return m_AlwaysFalseWhenNotEnabled; }
    void setAlwaysFalseWhenNotEnabled(bool value);

    // The box's state: 0 unchecked, 1 checked, 2 grayed.
    short CheckState() const;
    void SetCheckState(short state);
    QCheckBox *CheckBox() const { return chkBooleanBox; }

signals:
    void Click();
    void KeyDown(short &KeyCode, short &Shift);
    void KeyPress(short &KeyAscii);
    void KeyUp(short &KeyCode, short &Shift);
    void MouseDown(short &Button, short &Shift, float X, float Y);
    void MouseMove(short &Button, short &Shift, float X, float Y);
    void MouseUp(short &Button, short &Shift, float X, float Y);
    void Resize();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    std::span<const tavimor::StoredProperty> StoredProperties() const override;
    std::span<const ReadPart> ReadOrder() const override;
    void FontWritten(const QFont &font) override;
    void ShowCaption();

    QCheckBox *chkBooleanBox;
    QString m_Caption;
    bool m_AlwaysFalseWhenNotEnabled = Defaults::AlwaysFalseWhenNotEnabled;
    bool m_DefaultValue = Defaults::DefaultValue;
    std::variant<std::monostate, short, QString> m_savedState;
};

}  // namespace tavimor
