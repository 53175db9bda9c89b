// SPDX-License-Identifier: GPL-3.0-or-later
// NumInputBoxR: a single-line box for one number. It filters keystrokes by Mode (real or
// integer, signed or not, or free text), validates and rewrites its text in canonical form when
// the focus leaves it or the host asks, converts its text to the numeric types with errors
// numbered from ErrBase, and paints an empty box in MustEnterColor while MustEnter is set.
// MaxLength (0 for none) limits what the user puts in, by every road: typing, Ctrl+V,
// Shift+Insert, the edit menu, a middle click, an input method's commit. It never limits the
// text the program writes: Text, Value, SelText and DefaultValue are taken whole, whatever their
// length (the box sets no limit of its own, and so each of those roads is the control's). Every
// character the user's keys would insert, whatever modifiers produced it (AltGr comes as
// Ctrl+Alt), passes the keystroke filter and raises KeyPress; a host that sets KeyAscii to 8
// gets a backspace, and other control characters are never inserted. A host that sets KeyCode
// to 0 in KeyDown stops the box's own handling of the key (Delete, Shift+Insert), not the
// character it makes. A key or paste that changes nothing raises no Change.
// The clipboard chords Ctrl+C, Ctrl+X and Ctrl+V are the control's own; Shift+Insert pastes like
// Ctrl+V, the box's edit menu (切り取り, コピー, 貼り付け, 削除, すべて選択) does the same work,
// and dropping text on the box is turned off.
// Number input control (controls/num_input_box/).
#pragma once

#include <QFont>
#include <QString>
#include <functional>
#include <optional>
#include <span>
#include <string_view>

#include "colours.h"
#include "control_base.h"

class QLineEdit;

namespace tavimor {
class TypedTextBox;
template <typename T>
struct Converted;
class ControlHost;
struct MessageRow;
class PropertyBag;
}  // namespace tavimor

namespace tavimor {

class NumInputBoxR : public tavimor::ControlBase {
    Q_OBJECT
    Q_CLASSINFO("TypeName", "Tavimor.NumInputBoxR")
    Q_PROPERTY(QString DefaultValue READ DefaultValue WRITE setDefaultValue)
    Q_PROPERTY(qint32 ErrBase READ ErrBase WRITE setErrBase)
    Q_PROPERTY(bool ErrFlag READ ErrFlag)
    Q_PROPERTY(QFont Font READ Font WRITE setFont)
    Q_PROPERTY(quint32 ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(qint32 IMEMode READ IMEMode WRITE setIMEMode)
    Q_PROPERTY(bool LimitCheck READ LimitCheck WRITE setLimitCheck)
    Q_PROPERTY(double LowerLimit READ LowerLimit WRITE setLowerLimit)
    Q_PROPERTY(qint16 MaxLength READ MaxLengthProperty WRITE setMaxLength)
    Q_PROPERTY(qint32 Mode READ Mode WRITE setMode)
    Q_PROPERTY(bool MustEnter READ MustEnter WRITE setMustEnter)
    Q_PROPERTY(quint32 MustEnterColor READ MustEnterColor WRITE setMustEnterColor)
    Q_PROPERTY(qint32 SelLength READ SelLength WRITE setSelLength)
    Q_PROPERTY(qint32 SelStart READ SelStart WRITE setSelStart)
    Q_PROPERTY(QString SelText READ SelText WRITE setSelText)
    Q_PROPERTY(QString Text READ Text WRITE setText)
    Q_PROPERTY(double UpperLimit READ UpperLimit WRITE setUpperLimit)
    Q_PROPERTY(double ValDbl READ ValDblProperty)
    Q_PROPERTY(bool ValidateAtLostFocus READ ValidateAtLostFocus WRITE setValidateAtLostFocus)
    Q_PROPERTY(qint16 ValInt READ ValIntProperty)
    Q_PROPERTY(qint32 ValLng READ ValLngProperty)
    Q_PROPERTY(float ValSng READ ValSngProperty)
    Q_PROPERTY(QString Value READ Value WRITE setValue)

public:
    // The input-method modes of IMEMode: the box's input method left as it is, turned on, turned
    // off, or not to be used at all.
    static constexpr qint16 kIMENoControl = 0;
    static constexpr qint16 kIMEOn = 1;
    static constexpr qint16 kIMEOff = 2;
    static constexpr qint16 kIMEDisable = 3;

    // The defaults of the persisted settings, each stated here once: what a box placed new has,
    // what a stored set without the key reads, and what is not stored.
    struct Defaults {
        static constexpr quint32 BackColor = tavimor::kSysWindow;
        static constexpr quint32 ForeColor = tavimor::kSysWindowText;
        static constexpr bool Enabled = true;
        static constexpr qint16 IMEMode = kIMEDisable;
        static constexpr qint32 MaxLength = 0;
        static constexpr bool LimitCheck = false;
        static constexpr double LowerLimit = 0;
        static constexpr qint32 Mode = 0;
        static constexpr bool MustEnter = false;
        static constexpr quint32 MustEnterColor = 0x000000FF;
        static constexpr double UpperLimit = 0;
        static constexpr bool ValidateAtLostFocus = true;
        static constexpr qint32 ErrBase = static_cast<qint32>(0x80040000u);
    };

    // Placed new: the fields take their initial values and the box its design look.
    explicit NumInputBoxR(tavimor::ControlHost *host = nullptr, QWidget *parent = nullptr);

    // The control's own rows of its bilingual message table (beside the common ones).
    static std::span<const tavimor::MessageRow> Messages();

    void ReadProperties(const tavimor::PropertyBag &bag);

    void Cls();
    void Store();
    void Restore();
    void RestoreDefault();
    bool ValidateValue();
    bool Cancel();

    QString DefaultValue() const { return m_DefaultValue; }
    void setDefaultValue(const QString &value);
    qint32 ErrBase() const { return m_ErrBase; }
    void setErrBase(qint32 base);
    bool ErrFlag() const { return m_ErrFlag; }
    QFont Font() const { return FaceFont(); }
    quint32 ForeColor() const { return FaceForeColor(); }
    void setForeColor(quint32 colour) { SetFaceForeColor(colour, "ForeColor"); }
    qint32 IMEMode() const { return m_IMEMode; }
    void setIMEMode(qint32 mode);
    bool LimitCheck() const { return m_LimitCheck; }
    void setLimitCheck(bool check);
    double LowerLimit() const { return m_LowerLimit; }
    void setLowerLimit(double limit);
    qint16 MaxLength() const;
    void setMaxLength(qint16 length);
    qint32 Mode() const { return m_Mode; }
    void setMode(qint32 mode);
    bool MustEnter() const { return m_MustEnter; }
    void setMustEnter(bool mustEnter);
    quint32 MustEnterColor() const { return m_MustEnterColor; }
    void setMustEnterColor(quint32 colour);
    qint32 SelLength() const;
    void setSelLength(qint32 length);
    qint32 SelStart() const;
    void setSelStart(qint32 start);
    QString SelText() const;
    void setSelText(const QString &text);
    QString Text() const;
    void setText(const QString &text);
    double UpperLimit() const { return m_UpperLimit; }
    void setUpperLimit(double limit);
    double ValDbl();
    bool ValidateAtLostFocus() const { return m_ValidateAtLostFocus; }
    void setValidateAtLostFocus(bool validate);
    qint16 ValInt();
    qint32 ValLng();
    float ValSng();
    QString Value() const { return Text(); }
    void setValue(const QString &value);

    // The colour an empty box gets back once it is filled; captured at loading.
    quint32 NormalBackColor() const { return m_NormalBackColor; }
    QLineEdit *TextBox() const;

signals:
    void Change();
    void Click();
    void DblClick();
    void KeyDown(short &KeyCode, short &Shift);
    void KeyPress(short &KeyAscii);
    void KeyUp(short &KeyCode, short &Shift);
    void MouseDown(short Button, short Shift, float X, float Y);
    void MouseMove(short Button, short Shift, float X, float Y);
    void MouseUp(short Button, short Shift, float X, float Y);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    std::span<const tavimor::StoredProperty> StoredProperties() const override;
    std::span<const ReadPart> ReadOrder() const override;
    void FontWritten(const QFont &font) override;

    // The reads behind the properties, for QObject::property, through which no error may pass: a
    // text that does not convert reads as 0 (and sets ErrFlag), a MaxLength beyond 16 bits as the
    // nearest 16-bit number.
    double ValDblProperty();
    qint16 ValIntProperty();
    qint32 ValLngProperty();
    float ValSngProperty();
    qint16 MaxLengthProperty() const;

    // Validates the text and writes it back in its canonical form, after the refusal's box where
    // there is one; then `refused` runs if the text was refused.
    bool ValidateInput(std::function<void()> refused = {});
    void ApplyMustEnterColor();

    bool HandleKeyPress(QKeyEvent *event);
    void ApplyIMEMode();
    // The text converted by `convert`, 0 for an empty box; a text that does not convert raises
    // the type-mismatch error, one beyond the type the overflow error numbered from ErrBase.
    template <typename T>
    T Convert(tavimor::Converted<T> (*convert)(std::string_view), std::int32_t overflowOffset,
              short overflowMessage);
    [[noreturn]] void RaiseConversionError(int status, std::int32_t overflowOffset,
                                           short overflowMessage);

    tavimor::TypedTextBox *txtInput;
    qint16 m_IMEMode = Defaults::IMEMode;
    bool m_validating = false;

    quint32 m_NormalBackColor = 0;
    std::optional<QString> m_StoredValue;
    QString m_DefaultValue;
    qint32 m_ErrBase = Defaults::ErrBase;
    bool m_ErrFlag = false;
    bool m_LimitCheck = Defaults::LimitCheck;
    double m_LowerLimit = Defaults::LowerLimit;
    qint32 m_Mode = Defaults::Mode;
    bool m_MustEnter = Defaults::MustEnter;
    quint32 m_MustEnterColor = Defaults::MustEnterColor;
    double m_UpperLimit = Defaults::UpperLimit;
    bool m_ValidateAtLostFocus = Defaults::ValidateAtLostFocus;
};

}  // namespace tavimor
