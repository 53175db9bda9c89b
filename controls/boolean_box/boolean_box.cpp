// SPDX-License-Identifier: GPL-3.0-or-later
// Check-box control (controls/boolean_box/): see boolean_box.h.
#include "boolean_box.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionButton>

#include "access_key.h"
#include "check_button.h"
#include "colours.h"
#include "control_host.h"
#include "input_codes.h"
#include "numbered_error.h"
#include "own_font.h"
#include "property_bag.h"

namespace tavimor {

namespace {

using Defaults = BooleanBox::Defaults;
const QString kDefaultCaption = QString::fromLatin1(Defaults::Caption);

// The caption as pieces that a line break never splits: an access key's "&" with its letter
// ("&&" for an ampersand), a surrogate pair, and, as Japanese text is set, an opening bracket
// with what follows it and a closing bracket or a mark of punctuation with what comes before.
QStringList Unbreakable(const QString &caption)
{
    static const QString opening = QStringLiteral("(（「『【〔［");
    static const QString closing = QStringLiteral(")）」』】〕］、。，．・ー！？!?,.:;");
    QStringList pieces;
    bool joinNext = false;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        qsizetype length = 1;
        if ((caption.at(i) == QLatin1Char('&') || caption.at(i).isHighSurrogate()) &&
            i + 1 < caption.size()) {
            length = 2;
            if (caption.at(i + 1).isHighSurrogate() && i + 2 < caption.size()) {
                length = 3;  // "&" before a character of two units
            }
        }
        const QString piece = caption.mid(i, length);
        i += length - 1;
        if (!pieces.isEmpty() && (joinNext || closing.contains(piece.back()))) {
            pieces.back() += piece;
        } else {
            pieces.append(piece);
        }
        joinNext = opening.contains(piece.back());
    }
    return pieces;
}

// The caption broken into lines that fit `width`: between any two pieces of Japanese text, at
// the last blank of a line when it has one.
QString WrapCaption(const QString &caption, const QFontMetrics &metrics, int width)
{
    if (width <= 0 || metrics.horizontalAdvance(CaptionAsShown(caption)) <= width) {
        return caption;
    }
    QString wrapped;
    QString line;
    for (const QString &piece : Unbreakable(caption)) {
        if (!line.isEmpty() && metrics.horizontalAdvance(CaptionAsShown(line + piece)) > width) {
            const qsizetype blank = line.lastIndexOf(QLatin1Char(' '));
            if (blank > 0) {
                wrapped += line.left(blank) + QLatin1Char('\n');
                line = line.mid(blank + 1);
            } else {
                wrapped += line + QLatin1Char('\n');
                line.clear();
            }
        }
        line += piece;
    }
    return wrapped + line;
}

}  // namespace

BooleanBox::BooleanBox(ControlHost *host, QWidget *parent)
    : ControlBase(host, {}, parent), chkBooleanBox(new CheckButton(this))
{
    SetFace({chkBooleanBox, Defaults::BackColor, Defaults::ForeColor});
    setObjectName(QStringLiteral("BooleanBox"));
    chkBooleanBox->setObjectName(QStringLiteral("chkBooleanBox"));
    chkBooleanBox->setGeometry(TwipsRect(0, 0, 2175, 375));
    chkBooleanBox->installEventFilter(this);
    setFocusProxy(chkBooleanBox);
    connect(chkBooleanBox, &QCheckBox::stateChanged, this, [this](int state) {
        if (state != Qt::PartiallyChecked) {
            chkBooleanBox->setTristate(false);
        }
        emit Click();
    });
    QWidget::resize(TwipsToPixels(3090), TwipsToPixels(720));
}

// ---- methods ----

void BooleanBox::Cls()
{
    setValue(false);
}

void BooleanBox::Restore()
{
    if (std::holds_alternative<std::monostate>(m_savedState)) {
        return;
    }
    if (const QString *text = std::get_if<QString>(&m_savedState)) {
        if (text->isEmpty()) {
            return;
        }
        const PropertyBag saved{{QStringLiteral("state"), *text}};
        SetCheckState(saved.ReadInt16(QStringLiteral("state"), kUnchecked));
        return;
    }
    SetCheckState(std::get<short>(m_savedState));
}

void BooleanBox::RestoreDefault()
{
    setValue(m_DefaultValue);
}

void BooleanBox::Store()
{
    m_savedState = QString::number(CheckState());
}

// ---- the box's state ----

short BooleanBox::CheckState() const
{
    switch (chkBooleanBox->checkState()) {
        case Qt::Checked:
            return kChecked;
        case Qt::PartiallyChecked:
            return kGrayed;
        default:
            return kUnchecked;
    }
}

void BooleanBox::SetCheckState(short state)
{
    switch (state) {
        case kUnchecked:
            chkBooleanBox->setCheckState(Qt::Unchecked);
            break;
        case kChecked:
            chkBooleanBox->setCheckState(Qt::Checked);
            break;
        case kGrayed:
            chkBooleanBox->setTristate(true);
            chkBooleanBox->setCheckState(Qt::PartiallyChecked);
            break;
        default:
            throw NumberedError(NumberedError::kInvalidPropertyValue);
    }
}

// ---- properties ----

void BooleanBox::setCaption(const QString &caption)
{
    m_Caption = caption;
    ShowCaption();
    Notify("Caption");
}

void BooleanBox::ShowCaption()
{
    // A caption wider than the box goes on over more lines, as a check box's caption does.
    QStyleOptionButton option;
    option.initFrom(chkBooleanBox);
    const QStyle *style = chkBooleanBox->style();
    const int indicator =
        style->pixelMetric(QStyle::PM_IndicatorWidth, &option, chkBooleanBox) +
        style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, chkBooleanBox);
    chkBooleanBox->setText(WrapCaption(m_Caption, chkBooleanBox->fontMetrics(),
                                       chkBooleanBox->width() - indicator - 2));
    chkBooleanBox->setAccessibleName(m_Caption);
}

void BooleanBox::setDefaultValue(bool value)
{
    if (Host()->UserMode()) {
        throw NumberedError(NumberedError::kCannotSetAtRunTime);
    }
    m_DefaultValue = value;
    setValue(value);
    Notify("DefaultValue");
}

void BooleanBox::FontWritten(const QFont &font)
{
    SetOwnFont(chkBooleanBox, font);
    ShowCaption();
    Notify("Font");
}

bool BooleanBox::Value() const
{
    if (m_AlwaysFalseWhenNotEnabled && !Enabled()) {
        return false;
    }
    return CheckState() == kChecked;
}

void BooleanBox::setValue(bool value)
{
    SetCheckState(value ? kChecked : kUnchecked);
    Notify("Value");
}

void BooleanBox::setAlwaysFalseWhenNotEnabled(bool value)
{
    m_AlwaysFalseWhenNotEnabled = value;
    Notify("AlwaysFalseWhenNotEnabled");
}

// ---- persistence ----

std::span<const StoredProperty> BooleanBox::StoredProperties() const
{
    using Row = StoredRows<BooleanBox>;
    using C = BooleanBox;
    static const StoredProperty rows[] = {
        Row::Getter<&C::BackColor>("BackColor", Defaults::BackColor,
                                   [](C &c, quint32 v) { SetBackColor(c.chkBooleanBox, v); }),
        Row::Field<&C::m_Caption>("Caption", kDefaultCaption),
        Row::Getter<&C::Enabled>("Enabled", Defaults::Enabled,
                                 [](C &c, bool v) { c.setEnabled(v); }),
        Row::Getter<&C::Font>("Font", AmbientFont{}, [](C &c, const QFont &v) { c.setFont(v); }),
        Row::Getter<&C::ForeColor>("ForeColor", Defaults::ForeColor,
                                   [](C &c, quint32 v) { SetForeColor(c.chkBooleanBox, v); }),
        Row::Field<&C::m_AlwaysFalseWhenNotEnabled>("AlwaysFalseWhenNotEnabled",
                                                    Defaults::AlwaysFalseWhenNotEnabled),
        Row::Field<&C::m_DefaultValue>("DefaultValue", Defaults::DefaultValue),
        Row::Field<&C::m_KeyName>("KeyName", QString()),
        Row::Field<&C::m_SectionName>("SectionName", QString()),
    };
    return rows;
}

std::span<const ControlBase::ReadPart> BooleanBox::ReadOrder() const
{
    // The check box's own settings, then the font and the fields.
    static constexpr const char *keys[] = {"BackColor",    "Caption", "Enabled",
                                           "ForeColor",    "Font",    "AlwaysFalseWhenNotEnabled",
                                           "DefaultValue", "KeyName", "SectionName"};
    static constexpr ReadPart parts[] = {keys};
    return parts;
}

void BooleanBox::ReadProperties(const PropertyBag &bag)
{
    LoadStored(bag, 0);
    m_savedState = short{0};
    setValue(m_DefaultValue);
}

// ---- events ----

void BooleanBox::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    chkBooleanBox->resize(chkBooleanBox->width(), height());
    chkBooleanBox->resize(width(), height());
    ShowCaption();
    emit Resize();
}

bool BooleanBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != chkBooleanBox) {
        return QWidget::eventFilter(watched, event);
    }
    switch (event->type()) {
        case QEvent::KeyPress: {
            auto *key = static_cast<QKeyEvent *>(event);
            short keyCode = KeyCodeOf(key);
            short shift = ShiftCode(key->modifiers());
            emit KeyDown(keyCode, shift);
            if (keyCode == 0 && KeyCodeOf(key) != 0) {
                return true;
            }
            short keyAscii = KeyAsciiOf(key);
            if (keyAscii != 0) {
                emit KeyPress(keyAscii);
                if (keyAscii == 0) {
                    return true;
                }
            }
            return false;
        }
        case QEvent::KeyRelease: {
            auto *key = static_cast<QKeyEvent *>(event);
            short keyCode = KeyCodeOf(key);
            short shift = ShiftCode(key->modifiers());
            emit KeyUp(keyCode, shift);
            return keyCode == 0 && KeyCodeOf(key) != 0;
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseMove:
            RaiseMouseEvent(this, event, &BooleanBox::MouseDown, &BooleanBox::MouseMove,
                            &BooleanBox::MouseUp);
            return false;
        default:
            return false;
    }
}

}  // namespace tavimor
