// SPDX-License-Identifier: GPL-3.0-or-later
// Multi-option control (controls/multi_option/): see multi_option.h.
#include "multi_option.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QRadioButton>
#include <algorithm>
#include <cmath>

#include "caption_frame.h"
#include "caption_list.h"
#include "colours.h"
#include "control_host.h"
#include "input_codes.h"
#include "message_box.h"
#include "message_table.h"
#include "numbered_error.h"
#include "option_button.h"
#include "option_grid.h"
#include "own_font.h"
#include "property_bag.h"

namespace tavimor {

namespace {

const MessageRow kMessages[] = {
    {4001, "1以上の数値を入力して下さい", "Enter not less than 1."},
    {4002, "0以上の値を入力して下さい", "Enter not less than 0."},
    {4003, "(オプションの数-1) 以下の値を入力して下さい",
     "Enter below (number of optionbuttons - 1)."},
};

using Defaults = MultiOption::Defaults;

}  // namespace

MultiOption::MultiOption(ControlHost *host, QWidget *parent)
    : ControlBase(host, kMessages, parent),
      frameContainer(new CaptionFrame(this)),
      m_group(new QButtonGroup(this))
{
    SetFace({frameContainer, Defaults::BackColor, Defaults::ForeColor});
    setObjectName(QStringLiteral("MultiOption"));
    frameContainer->setObjectName(QStringLiteral("frameContainer"));
    SetBackColor(frameContainer, Defaults::BackColor);
    SetForeColor(frameContainer, Defaults::ForeColor);
    frameContainer->installEventFilter(this);
    m_group->setExclusive(true);

    OptionButton *first = CreateOption(0);
    SetOwnFont(first, Host()->AmbientFont());
    SetBackColor(first, Defaults::BackColor);
    SetForeColor(first, Defaults::ForeColor);
    m_optionGeometry[0] = {Defaults::OptionLeft, Defaults::OptionTop, 1335, 255};
    PlaceOption(0);
    first->show();
    resize(TwipsToPixels(1455), TwipsToPixels(1215));
}

OptionButton *MultiOption::CreateOption(int index)
{
    auto *button = new OptionButton(frameContainer);
    button->setObjectName(QStringLiteral("optChildOption%1").arg(index));
    // The exclusive group keeps one option chosen; the buttons stay auto-exclusive as well, so
    // assistive technology announces them as radio buttons.
    m_group->addButton(button, index);
    // Typing selects, also what an input method commits (the type-ahead search).
    button->installEventFilter(this);
    button->setAttribute(Qt::WA_InputMethodEnabled);
    // The learner's click on the option already chosen is a choice too: with answering by
    // choosing, it is how that option is given as the answer.
    connect(button, &OptionButton::Chosen, this, [this] {
        UpdateTabStop();
        emit Change();
    });
    optChildOption.push_back(button);
    m_optionGeometry.push_back({});
    return button;
}

void MultiOption::PlaceOption(int index)
{
    const OptionGeometry &g = m_optionGeometry[static_cast<std::size_t>(index)];
    optChildOption[static_cast<std::size_t>(index)]->setGeometry(
        TwipsRect(g.Left, g.Top, g.Width, g.Height));
}

QRadioButton *MultiOption::Option(int index) const
{
    if (index < 0 || index >= OptionCount()) {
        return nullptr;
    }
    return optChildOption[static_cast<std::size_t>(index)];
}

MultiOption::OptionGeometry MultiOption::OptionPlace(int index) const
{
    if (index < 0 || index >= OptionCount()) {
        return {};
    }
    return m_optionGeometry[static_cast<std::size_t>(index)];
}

std::span<const MessageRow> MultiOption::Messages()
{
    return kMessages;
}

void MultiOption::ShowMessage(short number)
{
    ControlBase::ShowMessage(GetMessage(number));
}

void MultiOption::DeselectAll()
{
    // An exclusive group refuses to clear its last chosen button: exclusivity is off for the
    // moment of clearing.
    m_group->setExclusive(false);
    for (QRadioButton *button : optChildOption) {
        button->setChecked(false);
    }
    m_group->setExclusive(true);
    UpdateTabStop();
}

void MultiOption::UpdateTabStop()
{
    // Tab enters the group on its chosen option, or on the first when none is chosen; the arrow
    // keys move within it.
    const int chosen = std::max<int>(Value(), 0);
    for (int i = 0; i < OptionCount(); ++i) {
        QRadioButton *button = optChildOption[static_cast<std::size_t>(i)];
        button->setFocusPolicy(i == chosen ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

void MultiOption::SelectOption(int index)
{
    if (index < 0 || index >= OptionCount()) {
        throw NumberedError(NumberedError::kElementDoesNotExist);
    }
    optChildOption[static_cast<std::size_t>(index)]->setChecked(true);
}

// ---- methods ----

void MultiOption::Cls()
{
    DeselectAll();
}

void MultiOption::Store()
{
    m_StoredValue = Value();
}

void MultiOption::Restore()
{
    if (m_StoredValue) {
        setValue(*m_StoredValue);
    }
}

void MultiOption::RestoreDefault()
{
    setValue(m_DefaultValue);
}

// ---- properties ----

void MultiOption::setBorderStyle(qint32 style)
{
    if (style < -32768 || style > 32767) {
        throw NumberedError(NumberedError::kOverflow);
    }
    m_BorderStyle = static_cast<qint16>(style);
    frameContainer->setFlat(m_BorderStyle == 0);
    Notify("BorderStyle");
    Refresh();
}

QString MultiOption::Caption() const
{
    return frameContainer->title();
}

void MultiOption::setCaption(const QString &caption)
{
    frameContainer->setTitle(caption);
    Notify("Caption");
}

void MultiOption::setDefaultValue(qint16 value)
{
    if (Host()->UserMode()) {
        throw NumberedError(NumberedError::kCannotSetAtRunTime);
    }
    if (value < -1) {
        ShowMessage(4002);
        return;
    }
    if (value > m_OptionNum - 1) {
        ShowMessage(4003);
        return;
    }
    m_DefaultValue = value;
    if (value == -1) {
        DeselectAll();
    }
    Notify("DefaultValue");
    setValue(m_DefaultValue);
}

void MultiOption::setHoriSpace(qint32 space)
{
    m_HoriSpace = space;
    RebuildOptions();
    Notify("HoriSpace");
}

quint32 MultiOption::OptionBackColor() const
{
    return BackColorOf(optChildOption[0], Defaults::BackColor);
}

void MultiOption::setOptionBackColor(quint32 colour)
{
    for (QRadioButton *button : optChildOption) {
        SetBackColor(button, colour);
    }
    Notify("OptionBackColor");
    Refresh();
}

void MultiOption::setOptionCaptions(const QString &captions)
{
    m_OptionCaptions = captions;
    Notify("OptionCaptions");
    RebuildOptions();
}

QFont MultiOption::OptionFont() const
{
    return optChildOption[0]->font();
}

void MultiOption::setOptionFont(const QFont &font)
{
    for (OptionButton *button : optChildOption) {
        SetOwnFont(button, font);
    }
    Notify("OptionFont");
    Refresh();
}

quint32 MultiOption::OptionForeColor() const
{
    return ForeColorOf(optChildOption[0], Defaults::ForeColor);
}

void MultiOption::setOptionForeColor(quint32 colour)
{
    for (QRadioButton *button : optChildOption) {
        SetForeColor(button, colour);
    }
    Notify("OptionForeColor");
    Refresh();
}

void MultiOption::setOptionHeight(qint32 height)
{
    m_OptionHeight = height;
    Notify("OptionHeight");
    RebuildOptions();
}

qint32 MultiOption::OptionLeft() const
{
    return RoundTwips(m_optionGeometry[0].Left);
}

void MultiOption::setOptionLeft(qint32 left)
{
    m_optionGeometry[0].Left = static_cast<float>(left);
    PlaceOption(0);
    Notify("OptionLeft");
    RebuildOptions();
}

void MultiOption::setOptionNum(qint16 count)
{
    if (count < 1) {
        ShowMessage(4001);
        return;
    }
    m_OptionNum = count;
    RebuildOptions();
    Notify("OptionNum");
}

void MultiOption::setOptionNumPerLine(qint16 count)
{
    if (count < 1) {
        ShowMessage(4001);
        return;
    }
    m_OptionNumPerLine = count;
    RebuildOptions();
    Notify("OptionNumPerLine");
}

qint32 MultiOption::OptionTop() const
{
    return RoundTwips(m_optionGeometry[0].Top);
}

void MultiOption::setOptionTop(qint32 top)
{
    m_optionGeometry[0].Top = static_cast<float>(top);
    PlaceOption(0);
    Notify("OptionTop");
    RebuildOptions();
}

void MultiOption::setOptionWidth(qint32 width)
{
    m_OptionWidth = width;
    Notify("OptionWidth");
    RebuildOptions();
}

qint16 MultiOption::Value() const
{
    for (std::size_t i = 0; i < optChildOption.size(); ++i) {
        if (optChildOption[i]->isChecked()) {
            return static_cast<qint16>(i);
        }
    }
    return -1;
}

void MultiOption::setValue(qint16 value)
{
    if (value >= 0) {
        SelectOption(value);
    } else if (value == -1) {
        DeselectAll();
    }
    Notify("Value");
}

void MultiOption::setVartSpace(qint32 space)
{
    m_VartSpace = space;
    Notify("VartSpace");
    RebuildOptions();
}

// ---- layout ----

void MultiOption::SplitOptionCaptions()
{
    m_CaptionList = SplitCaptions(m_OptionCaptions);
    optChildOption[0]->setText(m_CaptionList[0]);
}

void MultiOption::RebuildOptions()
{
    SplitOptionCaptions();

    // A stored count below 1 still leaves button 0, which is never destroyed.
    const int wanted = std::max<int>(m_OptionNum, 1);
    while (OptionCount() > wanted) {
        // The button may be the one whose click or selection is being reported right now.
        OptionButton *button = optChildOption.back();
        m_group->removeButton(button);
        button->removeEventFilter(this);
        optChildOption.pop_back();
        m_optionGeometry.pop_back();
        button->Retire();
    }
    OptionButton *first = optChildOption[0];
    for (int i = OptionCount(); i < wanted; ++i) {
        OptionButton *button = CreateOption(i);
        button->hide();
        CopyColours(first, button);
        SetOwnFont(button, first->font());
        m_optionGeometry.back() = m_optionGeometry[0];
        PlaceOption(i);
    }

    while (m_CaptionList.size() <= m_OptionNum) {
        m_CaptionList.append(QString());
    }

    const std::vector<OptionCell> grid =
        OptionGrid({wanted, m_optionGeometry[0].Left, m_optionGeometry[0].Top, m_OptionWidth,
                    m_OptionHeight, m_OptionNumPerLine, m_HoriSpace, m_VartSpace});
    for (int i = 0; i < wanted; ++i) {
        m_optionGeometry[static_cast<std::size_t>(i)] = grid[static_cast<std::size_t>(i)];
        PlaceOption(i);
        if (i > 0) {
            OptionButton *button = optChildOption[static_cast<std::size_t>(i)];
            button->setText(m_CaptionList[i]);
            button->show();
        }
    }

    UpdateTabStop();
    if (m_DefaultValue < 0) {
        DeselectAll();
    } else {
        SelectOption(m_DefaultValue);
    }
    Refresh();
}

// ---- events ----

void MultiOption::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Rebuilt when the program shows the control, not when the user restores a minimised
    // window, which would throw away the learner's choice.
    if (!event->spontaneous()) {
        try {
            RebuildOptions();
        } catch (const NumberedError &) {
            // A default beyond the buttons leaves them placed and the selection unchanged.
        }
    }
}

void MultiOption::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    frameContainer->setGeometry(0, 0, width(), height());
}

bool MultiOption::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::InputMethod) {
        const auto found = std::find(optChildOption.begin(), optChildOption.end(), watched);
        if (found != optChildOption.end()) {
            return TypeToOption(static_cast<int>(found - optChildOption.begin()), event);
        }
    }
    // The frame keeps its mouse events: only the control's own surface raises them.
    if (watched == frameContainer &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease ||
         event->type() == QEvent::MouseMove || event->type() == QEvent::MouseButtonDblClick)) {
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

bool MultiOption::TypeToOption(int focused, QEvent *event)
{
    QString typed;
    unsigned long time = 0;
    if (event->type() == QEvent::InputMethod) {
        typed = static_cast<QInputMethodEvent *>(event)->commitString();
        // No time stamp: the last text's, and the time since.
        time = m_typeAheadStamp + (m_typeAheadTime.isValid()
                                       ? static_cast<unsigned long>(m_typeAheadTime.elapsed())
                                       : TypeAhead::kPause + 1);
    } else {
        const auto *key = static_cast<QKeyEvent *>(event);
        // Keys with Alt, Ctrl or the logo key stay access keys and shortcuts; a blank stays the
        // button's own key, and the arrows and the other editing keys make no text.
        if ((key->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier)) != 0 ||
            key->text().isEmpty() || !key->text().at(0).isPrint() || key->text().at(0).isSpace()) {
            return false;
        }
        typed = key->text();
        time = static_cast<unsigned long>(key->timestamp());
    }
    if (typed.isEmpty()) {
        return false;  // an input method's composing text
    }
    m_typeAheadTime.start();
    m_typeAheadStamp = time;
    QStringList captions;
    for (const OptionButton *button : optChildOption) {
        captions << button->text();
    }
    const int index = m_typeAhead.Find(typed, time, captions, focused, [this](int i) {
        return optChildOption[static_cast<std::size_t>(i)]->isEnabled();
    });
    // Reached as an arrow key reaches an option: chosen, which raises Change, then focused. A
    // typed key that reaches nothing is taken all the same, and changes nothing.
    if (index >= 0) {
        QPointer<OptionButton> target = optChildOption[static_cast<std::size_t>(index)];
        if (!target->isChecked()) {
            target->click();
        }
        if (target != nullptr) {
            target->setFocus(Qt::OtherFocusReason);
        }
    }
    event->accept();
    return true;
}

void MultiOption::mousePressEvent(QMouseEvent *event)
{
    RaiseMouseEvent(this, event, &MultiOption::MouseDown, &MultiOption::MouseMove,
                    &MultiOption::MouseUp);
}

void MultiOption::mouseMoveEvent(QMouseEvent *event)
{
    RaiseMouseEvent(this, event, &MultiOption::MouseDown, &MultiOption::MouseMove,
                    &MultiOption::MouseUp);
}

void MultiOption::mouseReleaseEvent(QMouseEvent *event)
{
    RaiseMouseEvent(this, event, &MultiOption::MouseDown, &MultiOption::MouseMove,
                    &MultiOption::MouseUp);
}

}  // namespace tavimor
