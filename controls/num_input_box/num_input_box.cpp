// SPDX-License-Identifier: GPL-3.0-or-later
// Number input control (controls/num_input_box/): see num_input_box.h.
#include "num_input_box.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>

#include "colours.h"
#include "control_host.h"
#include "input_codes.h"
#include "key_codes.h"
#include "num_key_filter.h"
#include "num_messages.h"
#include "num_validation.h"
#include "numbered_error.h"
#include "property_bag.h"
#include "typed_text_box.h"
#include "value_conversion.h"

namespace tavimor {

namespace {

using Defaults = NumInputBoxR::Defaults;

}  // namespace

NumInputBoxR::NumInputBoxR(ControlHost *host, QWidget *parent)
    : ControlBase(host, NumInputMessages(), parent), txtInput(new TypedTextBox(this))
{
    SetFace({txtInput, Defaults::BackColor, Defaults::ForeColor, QPalette::Base, QPalette::Text});
    setObjectName(QStringLiteral("NumInputBoxR"));
    txtInput->setObjectName(QStringLiteral("txtInput"));
    txtInput->setGeometry(TwipsRect(0, 0, 2775, 615));
    // MaxLength limits what the learner puts in by any road of the box, never the program's
    // writes; the box's own menu edits the text the way the chords do.
    txtInput->installEventFilter(this);
    setFocusProxy(txtInput);
    ApplyIMEMode();
    connect(txtInput, &QLineEdit::textChanged, this, [this] {
        ApplyMustEnterColor();
        emit Change();
    });
    QWidget::resize(TwipsToPixels(3165), TwipsToPixels(780));
}

QLineEdit *NumInputBoxR::TextBox() const
{
    return txtInput;
}

std::span<const MessageRow> NumInputBoxR::Messages()
{
    return NumInputMessages();
}

void NumInputBoxR::ApplyMustEnterColor()
{
    if (m_MustEnter) {
        SetBackColor(txtInput, txtInput->text().isEmpty() ? m_MustEnterColor : m_NormalBackColor,
                     QPalette::Base);
        Notify("BackColor");
    }
    Refresh();
}

void NumInputBoxR::ApplyIMEMode()
{
    // An input method would put text into the box past the keystroke rules, so only the free
    // text mode lets one work, and only when the input-method mode does not turn it off.
    txtInput->setAttribute(Qt::WA_InputMethodEnabled, m_Mode == kModeFreeText &&
                                                          m_IMEMode != kIMEDisable &&
                                                          m_IMEMode != kIMEOff);
}

// ---- methods ----

void NumInputBoxR::Cls()
{
    txtInput->setText(QString());
}

void NumInputBoxR::Store()
{
    m_StoredValue = txtInput->text();
}

void NumInputBoxR::Restore()
{
    txtInput->setText(m_StoredValue.value_or(QString()));
}

void NumInputBoxR::RestoreDefault()
{
    setValue(m_DefaultValue);
}

bool NumInputBoxR::ValidateValue()
{
    return ValidateInput();
}

bool NumInputBoxR::Cancel()
{
    return !ValidateInput();
}

// ---- validation and conversion ----

bool NumInputBoxR::ValidateInput(std::function<void()> refused)
{
    if (m_Mode == kModeFreeText) {
        return true;
    }
    const QString typed = txtInput->text();
    const ValidationResult result = ValidateNumberText(
        typed.toStdString(), m_LimitCheck, m_LowerLimit, m_UpperLimit, txtInput->UserMaxLength());
    if (result.problem == ValidationProblem::ConversionError) {
        m_ErrFlag = true;
    }
    // A refused text stays as typed, every unit of it (also one that UTF-8 cannot carry), with
    // the unfinished exponent completed; an accepted one takes its canonical form.
    QString text = QString::fromStdString(result.text);
    if (!result.accepted) {
        text = result.exponentCompleted ? typed + QLatin1Char('0') : typed;
    }
    // The box and the control may both be gone by the time a browser's box is closed.
    auto settle = [box = QPointer<TypedTextBox>(txtInput), text = std::move(text),
                   accepted = result.accepted, refused = std::move(refused)] {
        if (box) {
            box->setText(text);
        }
        if (!accepted && refused) {
            refused();
        }
    };
    if (result.problem != ValidationProblem::None) {
        ShowMessage(ValidationRefusal(result.problem, m_LowerLimit, m_UpperLimit,
                                      [this](short number) { return GetMessage(number); }),
                    settle);
    } else {
        settle();
    }
    return result.accepted;
}

void NumInputBoxR::RaiseConversionError(int status, std::int32_t overflowOffset,
                                        short overflowMessage)
{
    m_ErrFlag = true;
    const std::string source = Host()->ApplicationTitle().toStdString();
    if (status == static_cast<int>(ConversionStatus::Overflow)) {
        throw NumberedError(AddErrorNumber(m_ErrBase, overflowOffset), source,
                            GetMessage(overflowMessage).toStdString());
    }
    throw NumberedError(AddErrorNumber(m_ErrBase, NumberedError::kTypeMismatch), source,
                        NumberedError::PlatformText(NumberedError::kTypeMismatch));
}

template <typename T>
T NumInputBoxR::Convert(Converted<T> (*convert)(std::string_view), std::int32_t overflowOffset,
                        short overflowMessage)
{
    const QString text = txtInput->text();
    if (text.isEmpty()) {
        return 0;
    }
    const Converted<T> converted = convert(text.toStdString());
    if (converted.status != ConversionStatus::Ok) {
        RaiseConversionError(static_cast<int>(converted.status), overflowOffset, overflowMessage);
    }
    return converted.value;
}

double NumInputBoxR::ValDbl()
{
    return Convert(ToDouble, NumberedError::kDoubleOverflowOffset, num_message::kDoubleConversion);
}

float NumInputBoxR::ValSng()
{
    return Convert(ToSingle, NumberedError::kSingleOverflowOffset, num_message::kSingleConversion);
}

qint16 NumInputBoxR::ValInt()
{
    return Convert(ToInteger, NumberedError::kIntegerOverflowOffset,
                   num_message::kIntegerConversion);
}

qint32 NumInputBoxR::ValLng()
{
    return Convert(ToLong, NumberedError::kLongOverflowOffset, num_message::kLongConversion);
}

// ---- properties ----

void NumInputBoxR::setDefaultValue(const QString &value)
{
    if (Host()->UserMode()) {
        throw NumberedError(NumberedError::kCannotSetAtRunTime);
    }
    m_DefaultValue = value;
    Notify("DefaultValue");
    setValue(m_DefaultValue);
}

void NumInputBoxR::setErrBase(qint32 base)
{
    m_ErrBase = base;
    Notify("ErrBase");
}

void NumInputBoxR::setIMEMode(qint32 mode)
{
    if (mode < -32768 || mode > 32767) {
        throw NumberedError(NumberedError::kOverflow);
    }
    m_IMEMode = static_cast<qint16>(mode);
    ApplyIMEMode();
    Notify("IMEMode");
}

void NumInputBoxR::setLimitCheck(bool check)
{
    m_LimitCheck = check;
    Notify("LimitCheck");
}

void NumInputBoxR::setLowerLimit(double limit)
{
    if (limit > m_UpperLimit) {
        if (Host()->UserMode()) {
            throw NumberedError(NumberedError::kLimitsCross, {},
                                GetMessage(num_message::kLowerAboveUpper).toStdString());
        }
        ShowMessage(GetMessage(num_message::kLowerAboveUpper));
        return;
    }
    m_LowerLimit = limit;
    Notify("LowerLimit");
}

qint16 NumInputBoxR::MaxLength() const
{
    if (txtInput->UserMaxLength() > 32767 || txtInput->UserMaxLength() < -32768) {
        throw NumberedError(NumberedError::kOverflow);
    }
    return static_cast<qint16>(txtInput->UserMaxLength());
}

qint16 NumInputBoxR::MaxLengthProperty() const
{
    return static_cast<qint16>(std::clamp<qint32>(txtInput->UserMaxLength(), -32768, 32767));
}

namespace {

template <typename T>
T ReadOrZero(NumInputBoxR *box, T (NumInputBoxR::*read)())
{
    try {
        return (box->*read)();
    } catch (const NumberedError &) {
        return 0;
    }
}

}  // namespace

double NumInputBoxR::ValDblProperty()
{
    return ReadOrZero(this, &NumInputBoxR::ValDbl);
}

qint16 NumInputBoxR::ValIntProperty()
{
    return ReadOrZero(this, &NumInputBoxR::ValInt);
}

qint32 NumInputBoxR::ValLngProperty()
{
    return ReadOrZero(this, &NumInputBoxR::ValLng);
}

float NumInputBoxR::ValSngProperty()
{
    return ReadOrZero(this, &NumInputBoxR::ValSng);
}

void NumInputBoxR::setMaxLength(qint16 length)
{
    if (length < 0) {
        throw NumberedError(NumberedError::kInvalidPropertyValue);
    }
    txtInput->setUserMaxLength(length);
    Notify("MaxLength");
}

void NumInputBoxR::setMode(qint32 mode)
{
    if (mode < 0 || mode > kModeFreeText) {
        if (Host()->UserMode()) {
            throw NumberedError(NumberedError::kInvalidMode, {},
                                GetMessage(num_message::kModeRange).toStdString());
        }
        ShowMessage(GetMessage(num_message::kModeRange));
        return;
    }
    m_Mode = mode;
    ApplyIMEMode();
    Notify("Mode");
}

void NumInputBoxR::setMustEnter(bool mustEnter)
{
    m_MustEnter = mustEnter;
    Notify("MustEnter");
}

void NumInputBoxR::setMustEnterColor(quint32 colour)
{
    m_MustEnterColor = colour;
    Notify("MustEnterColor");
}

qint32 NumInputBoxR::SelLength() const
{
    return static_cast<qint32>(txtInput->selectedText().size());
}

void NumInputBoxR::setSelLength(qint32 length)
{
    const int start = SelStart();
    const int available = static_cast<int>(txtInput->text().size()) - start;
    txtInput->setSelection(start, std::clamp(length, 0, std::max(available, 0)));
    Notify("SelLength");
}

qint32 NumInputBoxR::SelStart() const
{
    return txtInput->hasSelectedText() ? txtInput->selectionStart() : txtInput->cursorPosition();
}

void NumInputBoxR::setSelStart(qint32 start)
{
    txtInput->setCursorPosition(std::clamp(start, 0, static_cast<int>(txtInput->text().size())));
    Notify("SelStart");
}

QString NumInputBoxR::SelText() const
{
    return txtInput->selectedText();
}

void NumInputBoxR::setSelText(const QString &text)
{
    txtInput->insert(text);
    Notify("SelText");
}

QString NumInputBoxR::Text() const
{
    return txtInput->text();
}

void NumInputBoxR::setText(const QString &text)
{
    txtInput->setText(text);
    Notify("Text");
}

void NumInputBoxR::setUpperLimit(double limit)
{
    if (limit < m_LowerLimit) {
        if (Host()->UserMode()) {
            throw NumberedError(NumberedError::kLimitsCross, {},
                                GetMessage(num_message::kUpperBelowLower).toStdString());
        }
        ShowMessage(GetMessage(num_message::kUpperBelowLower));
        return;
    }
    m_UpperLimit = limit;
    Notify("UpperLimit");
}

void NumInputBoxR::setValidateAtLostFocus(bool validate)
{
    m_ValidateAtLostFocus = validate;
    Notify("ValidateAtLostFocus");
}

void NumInputBoxR::setValue(const QString &value)
{
    txtInput->setText(value);
    Notify("Value");
}

// ---- persistence ----

std::span<const StoredProperty> NumInputBoxR::StoredProperties() const
{
    using Row = StoredRows<NumInputBoxR>;
    using C = NumInputBoxR;
    static const StoredProperty rows[] = {
        Row::Getter<&C::BackColor>(
            "BackColor", Defaults::BackColor,
            [](C &c, quint32 v) { SetBackColor(c.txtInput, v, QPalette::Base); }),
        Row::Getter<&C::Enabled>("Enabled", Defaults::Enabled,
                                 [](C &c, bool v) { c.setEnabled(v); }),
        Row::Getter<&C::Font>("Font", AmbientFont{}, [](C &c, const QFont &v) { c.setFont(v); }),
        Row::Getter<&C::ForeColor>(
            "ForeColor", Defaults::ForeColor,
            [](C &c, quint32 v) { SetForeColor(c.txtInput, v, QPalette::Text); }),
        Row::Field<&C::m_IMEMode>("IMEMode", Defaults::IMEMode),
        Row::Custom(
            "MaxLength", Defaults::MaxLength,
            [](C &c, const QVariant &v) { c.txtInput->setUserMaxLength(v.toInt()); },
            [](const C &c) { return c.txtInput->UserMaxLength(); }),
        Row::Field<&C::m_DefaultValue>("DefaultValue", QString()),
        Row::Field<&C::m_KeyName>("KeyName", QString()),
        Row::Field<&C::m_LimitCheck>("LimitCheck", Defaults::LimitCheck),
        Row::Field<&C::m_LowerLimit>("LowerLimit", Defaults::LowerLimit),
        Row::Field<&C::m_Mode>("Mode", Defaults::Mode),
        Row::Field<&C::m_MustEnter>("MustEnter", Defaults::MustEnter),
        Row::Field<&C::m_MustEnterColor>("MustEnterColor", Defaults::MustEnterColor),
        Row::Field<&C::m_SectionName>("SectionName", QString()),
        Row::Field<&C::m_UpperLimit>("UpperLimit", Defaults::UpperLimit),
        Row::Field<&C::m_ValidateAtLostFocus>("ValidateAtLostFocus", Defaults::ValidateAtLostFocus),
        Row::Field<&C::m_ErrBase>("ErrBase", Defaults::ErrBase),
    };
    return rows;
}

std::span<const ControlBase::ReadPart> NumInputBoxR::ReadOrder() const
{
    // The text box's colours, enabled state and input-method mode, its font and maximum length,
    // the fields as they are stored; after the text is set from DefaultValue, the error base.
    static constexpr const char *first[] = {
        "BackColor",      "Enabled",     "ForeColor",    "IMEMode",
        "Font",           "MaxLength",   "DefaultValue", "KeyName",
        "LimitCheck",     "LowerLimit",  "Mode",         "MustEnter",
        "MustEnterColor", "SectionName", "UpperLimit",   "ValidateAtLostFocus"};
    static constexpr const char *last[] = {"ErrBase"};
    static constexpr ReadPart parts[] = {first, last};
    return parts;
}

void NumInputBoxR::FontWritten(const QFont &font)
{
    SetFaceFont(font, "Font");
}

void NumInputBoxR::ReadProperties(const PropertyBag &bag)
{
    LoadStored(bag, 0);
    ApplyIMEMode();
    m_NormalBackColor = BackColor();
    if (Host()->UserMode()) {
        ApplyMustEnterColor();
    }
    txtInput->setText(m_DefaultValue);
    Refresh();
    LoadStored(bag, 1);
}

// ---- events ----

void NumInputBoxR::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    txtInput->setGeometry(0, 0, width(), height());
}

bool NumInputBoxR::HandleKeyPress(QKeyEvent *event)
{
    short keyCode = KeyCodeOf(event);
    short shift = ShiftCode(event->modifiers());
    // Ctrl with C, X or V, whatever the other modifiers.
    const bool clipboardChord = (shift & kCtrlMask) != 0 && txtInput->RunClipboardChord(keyCode);
    const short pressed = keyCode;
    emit KeyDown(keyCode, shift);
    // A key code the host sets to 0 stops the box's own handling of the key (Delete, the arrows,
    // Shift+Insert); the character the key makes still arrives.
    const bool keyStopped = keyCode == 0 && pressed != 0;

    short keyAscii = KeyAsciiOf(event);
    if (keyAscii == 0) {
        if (clipboardChord || keyStopped) {
            return true;
        }
        if (event->matches(QKeySequence::Paste)) {  // Shift+Insert, a Paste key
            txtInput->PasteFromClipboard();
            return true;
        }
        return false;  // the box's own editing keys
    }
    if (m_Mode == kModeFreeText) {
        // Unfiltered: the key's text goes in within MaxLength. A chord's work is done; a
        // backspace and the box's own chords are the box's, unless the host stopped the key.
        const QString text = event->text();
        if (clipboardChord) {
            return true;
        }
        if (text.isEmpty() || !text.at(0).isPrint()) {
            return keyStopped && keyAscii != kAsciiBackspace;
        }
        txtInput->InsertTyped(text);
        return true;
    }
    const short typed = keyAscii;
    const QString text = txtInput->text();
    const int caret = std::min(SelStart(), 32767);
    keyAscii = FilterNumberKey(
        keyAscii,
        std::u16string_view(reinterpret_cast<const char16_t *>(text.utf16()), text.size()), caret,
        m_Mode);
    emit KeyPress(keyAscii);
    if (keyAscii == 0 || (clipboardChord && keyAscii == typed)) {
        return true;  // refused, or a chord whose work is done
    }
    const auto character = static_cast<char16_t>(keyAscii);
    if (character == kAsciiBackspace) {
        txtInput->backspace();
    } else if (character >= 0x20 && character != 0x7F && !QChar::isSurrogate(character)) {
        // The control inserts the character itself: the box would not for every modifier that
        // made it, and it may be the host's replacement. A one-line box takes no other control
        // character, nor half of a surrogate pair.
        txtInput->InsertTyped(QString(QChar(character)));
    }
    return true;
}

bool NumInputBoxR::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != txtInput) {
        return QWidget::eventFilter(watched, event);
    }
    switch (event->type()) {
        case QEvent::KeyPress:
            return HandleKeyPress(static_cast<QKeyEvent *>(event));
        case QEvent::KeyRelease: {
            auto *key = static_cast<QKeyEvent *>(event);
            short keyCode = KeyCodeOf(key);
            short shift = ShiftCode(key->modifiers());
            emit KeyUp(keyCode, shift);
            return false;
        }
        case QEvent::FocusOut:
            // Only the focus moving to another widget of the program validates, in this window
            // or another: not a menu or a message box coming up, nor another program taking the
            // focus; and not the validation's own box.
            if (m_ValidateAtLostFocus && !m_validating &&
                FocusLeavesForTheProgram(static_cast<QFocusEvent *>(event))) {
                // A refused text takes the focus back, once its box is closed.
                m_validating = true;
                ValidateInput([box = QPointer<TypedTextBox>(txtInput)] {
                    if (box == nullptr) {
                        return;
                    }
                    QMetaObject::invokeMethod(
                        box.data(),
                        [box] {
                            if (!box->isActiveWindow()) {
                                box->activateWindow();
                            }
                            box->setFocus();
                        },
                        Qt::QueuedConnection);
                });
                m_validating = false;
            }
            return false;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseMove:
            RaiseMouseEvent(this, event, &NumInputBoxR::MouseDown, &NumInputBoxR::MouseMove,
                            &NumInputBoxR::MouseUp);
            if (event->type() == QEvent::MouseButtonRelease &&
                txtInput->rect().contains(
                    static_cast<QMouseEvent *>(event)->position().toPoint())) {
                emit Click();
            }
            return false;
        case QEvent::MouseButtonDblClick:
            emit DblClick();
            return false;
        default:
            return false;
    }
}

}  // namespace tavimor
