// SPDX-License-Identifier: GPL-3.0-or-later
// Plays host program to one of the three controls, on a running or a designing host, in a window
// shown offscreen. The input is read as a sequence of host actions: property writes in and out of
// range, clicks, keys and focus moves, show and hide, the state operations, and reading and
// writing the stored settings. Every event the control raises is answered by further actions
// from the same input, from inside the handler, to a bounded depth; key handlers also change
// their arguments. What must hold for any host:
//   - no crash and no sanitizer report, and no exception escaping into Qt;
//   - one click or key of the user raises at most one Change (one Click of a check box);
//   - MultiOption's Value stays within -1 ... OptionNum - 1;
//   - a property written reads back as written, unless the write was refused with its numbered
//     error or its message box (then it reads as before), or a handler changed it meanwhile;
//   - the stored settings written, read into a new control and written again are the same.
#include <QApplication>
#include <QCheckBox>
#include <QFont>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

#include "boolean_box.h"
#include "control_host.h"
#include "fuzz_input.h"
#include "message_box.h"
#include "multi_option.h"
#include "num_input_box.h"
#include "numbered_error.h"
#include "property_bag.h"

namespace {

using tavimor::BooleanBox;
using tavimor::MultiOption;
using tavimor::NumInputBoxR;

using tavimor::ControlBase;
using tavimor::ControlHost;
using tavimor::NumberedError;
using tavimor::PropertyBag;

[[noreturn]] void Fail(const char *what)
{
    std::fprintf(stderr, "fuzz_host: %s\n", what);
    std::abort();
}

class CountedBoxes final : public tavimor::MessageBoxService {
public:
    void Show(const QString & /*text*/, int /*style*/, const QString & /*title*/) override
    {
        ++shown;
    }
    int shown = 0;
};

// A property the host may write, by its typed setter (never through Qt's meta-object system,
// which an error must not pass), and how it reads back.
struct Writable {
    const char *name;
    QMetaType type;
    std::function<void(QObject &, const QVariant &)> write;
    // The value expected after a write that nothing refused; empty: as written.
    std::function<QVariant(QObject &, const QVariant &written, const QVariant &before)> expected;
};

template <typename Control, typename T>
Writable Setter(const char *name, void (Control::*set)(T))
{
    using V = std::remove_cvref_t<T>;
    return {
        name,
        QMetaType::fromType<V>(),
        [set](QObject &o, const QVariant &v) { (static_cast<Control &>(o).*set)(v.value<V>()); },
        {}};
}

template <typename Control, typename T, typename Rule>
Writable Setter(const char *name, void (Control::*set)(T), Rule rule)
{
    Writable w = Setter(name, set);
    w.expected = rule;
    return w;
}

std::vector<Writable> MultiOptionWrites()
{
    using C = MultiOption;
    // Held as singles: exact up to 2^24 twips.
    const auto twips = [](QObject &, const QVariant &v, const QVariant &) {
        return std::abs(v.toLongLong()) <= (1 << 24) ? v : QVariant();
    };
    return {
        Setter("BackColor", &C::setBackColor),
        Setter("BorderStyle", &C::setBorderStyle),
        Setter("Caption", &C::setCaption),
        Setter("CaptionColor", &C::setCaptionColor),
        Setter("CaptionFont", &C::setCaptionFont),
        Setter("DefaultValue", &C::setDefaultValue),
        Setter("Enabled", &C::setEnabled),
        Setter("HoriSpace", &C::setHoriSpace),
        Setter("KeyName", &C::setKeyName),
        Setter("OptionBackColor", &C::setOptionBackColor),
        Setter("OptionCaptions", &C::setOptionCaptions),
        Setter("OptionFont", &C::setOptionFont),
        Setter("OptionForeColor", &C::setOptionForeColor),
        Setter("OptionHeight", &C::setOptionHeight),
        Setter("OptionLeft", &C::setOptionLeft, twips),
        Setter("OptionNum", &C::setOptionNum),
        Setter("OptionNumPerLine", &C::setOptionNumPerLine),
        Setter("OptionTop", &C::setOptionTop, twips),
        Setter("OptionWidth", &C::setOptionWidth),
        Setter("SectionName", &C::setSectionName),
        Setter("Value", &C::setValue,
               [](QObject &, const QVariant &v, const QVariant &before) {
                   return v.toInt() < -1 ? before : v;
               }),
        Setter("VartSpace", &C::setVartSpace),
    };
}

std::vector<Writable> BooleanBoxWrites()
{
    using C = BooleanBox;
    return {
        Setter("AlwaysFalseWhenNotEnabled", &C::setAlwaysFalseWhenNotEnabled),
        Setter("BackColor", &C::setBackColor),
        Setter("Caption", &C::setCaption),
        Setter("DefaultValue", &C::setDefaultValue),
        Setter("Enabled", &C::setEnabled),
        Setter("Font", &C::setFont),
        Setter("ForeColor", &C::setForeColor),
        Setter("KeyName", &C::setKeyName),
        Setter("SectionName", &C::setSectionName),
        Setter("Value", &C::setValue,
               [](QObject &o, const QVariant &v, const QVariant &) {
                   const auto &box = static_cast<C &>(o);
                   return QVariant(v.toBool() &&
                                   !(box.AlwaysFalseWhenNotEnabled() && !box.Enabled()));
               }),
    };
}

std::vector<Writable> NumInputBoxWrites()
{
    using C = NumInputBoxR;
    const auto anything = [](QObject &, const QVariant &, const QVariant &) { return QVariant(); };
    return {
        Setter("BackColor", &C::setBackColor),
        Setter("DefaultValue", &C::setDefaultValue),
        Setter("Enabled", &C::setEnabled),
        Setter("ErrBase", &C::setErrBase),
        Setter("Font", &C::setFont),
        Setter("ForeColor", &C::setForeColor),
        Setter("IMEMode", &C::setIMEMode),
        Setter("KeyName", &C::setKeyName),
        Setter("LimitCheck", &C::setLimitCheck),
        Setter("LowerLimit", &C::setLowerLimit),
        Setter("MaxLength", &C::setMaxLength),
        Setter("Mode", &C::setMode),
        Setter("MustEnter", &C::setMustEnter),
        Setter("MustEnterColor", &C::setMustEnterColor),
        Setter("SectionName", &C::setSectionName),
        Setter("SelLength", &C::setSelLength, anything),
        Setter("SelStart", &C::setSelStart, anything),
        Setter("SelText", &C::setSelText, anything),
        Setter("Text", &C::setText),
        Setter("UpperLimit", &C::setUpperLimit),
        Setter("ValidateAtLostFocus", &C::setValidateAtLostFocus),
        Setter("Value", &C::setValue),
    };
}

// One run: a window with the control, another widget and another window, and the input.
class HostPlay {
public:
    HostPlay(const uint8_t *data, size_t size) : m_in(data, size)
    {
        tavimor::InstallMessageBoxService(&m_boxes);
        const auto head = m_in.Take<uint8_t>();
        m_host = std::make_unique<ControlHost>((head & 4) != 0 ? ControlHost::Mode::Designing
                                                               : ControlHost::Mode::Running);
        m_host->setLocaleID((head & 8) != 0 ? ControlHost::kJapanese : ControlHost::kEnglish);
        m_kind = head % 3;
        m_control = Make(m_window.get());
        m_writes = m_kind == 0   ? MultiOptionWrites()
                   : m_kind == 1 ? BooleanBoxWrites()
                                 : NumInputBoxWrites();
        m_window->resize(400, 300);
        m_other->move(0, 260);
        m_window->show();
        m_elsewhere->show();
        m_window->activateWindow();
        QApplication::processEvents();
    }

    ~HostPlay()
    {
        tavimor::InstallMessageBoxService(nullptr);
        m_window.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void Run()
    {
        while (m_budget > 0 && m_in.Left() > 0) {
            Act(0);
        }
        RoundTrip();
    }

private:
    ControlBase *Make(QWidget *parent)
    {
        ControlBase *control = nullptr;
        if (m_kind == 0) {
            auto *option = new MultiOption(m_host.get(), parent);
            QObject::connect(option, &MultiOption::Change, [this] { Raised(true); });
            control = option;
        } else if (m_kind == 1) {
            auto *box = new BooleanBox(m_host.get(), parent);
            QObject::connect(box, &BooleanBox::Click, [this] { Raised(true); });
            QObject::connect(box, &BooleanBox::KeyPress, [this](short &key) { Answer(key); });
            QObject::connect(box, &BooleanBox::KeyDown,
                             [this](short &key, short &) { Answer(key); });
            control = box;
        } else {
            auto *input = new NumInputBoxR(m_host.get(), parent);
            QObject::connect(input, &NumInputBoxR::Change, [this] { Raised(false); });
            QObject::connect(input, &NumInputBoxR::Click, [this] { Raised(false); });
            QObject::connect(input, &NumInputBoxR::KeyPress, [this](short &key) { Answer(key); });
            QObject::connect(input, &NumInputBoxR::KeyDown,
                             [this](short &key, short &) { Answer(key); });
            control = input;
        }
        control->setGeometry(10, 10, 300, 240);
        return control;
    }

    // An event of the control: counted for the action under way, then answered from inside the
    // handler.
    void Raised(bool change)
    {
        if (change && !m_frames.empty()) {
            ++m_frames.back();
        }
        if (m_depth < 3 && m_in.Take<uint8_t>() % 3 == 0) {
            Act(m_depth + 1);
        }
    }
    // A key event: the handler may change the key, or discard it (0).
    void Answer(short &key)
    {
        const auto choice = m_in.Take<uint8_t>();
        if (choice % 5 == 0) {
            key = 0;
        } else if (choice % 5 == 1) {
            key = static_cast<short>(choice);
        }
        Raised(false);
    }

    QVariant ValueOf(QMetaType type)
    {
        const auto pick = m_in.Take<uint8_t>();
        switch (type.id()) {
            case QMetaType::Short: {
                static const qint16 values[] = {-32768, -2, -1, 0, 1, 2, 3, 4, 5, 21, 22, 64};
                return QVariant::fromValue(values[pick % std::size(values)]);
            }
            case QMetaType::Int: {
                static const qint32 values[] = {INT32_MIN, -40000,   -100,     -1,  0,
                                                1,         5,        120,      250, 1300,
                                                40000,     16777217, INT32_MAX};
                return QVariant::fromValue(values[pick % std::size(values)]);
            }
            case QMetaType::UInt: {
                static const quint32 values[] = {0,          0xFF,       0x00FFFFFF, 0x80000005,
                                                 0x8000000F, 0x80000012, 0x80000019, 0xFFFFFFFF};
                return QVariant::fromValue(values[pick % std::size(values)]);
            }
            case QMetaType::Bool:
                return QVariant((pick & 1) != 0);
            case QMetaType::Double: {
                static const double values[] = {-1e308, -5, 0, 0.5, 1, 60, 1e10, 1e308};
                return QVariant(values[pick % std::size(values)]);
            }
            case QMetaType::QFont: {
                QFont font((pick & 1) != 0 ? QStringLiteral("Serif") : QStringLiteral("Sans"),
                           1 + pick % 30);
                font.setBold((pick & 2) != 0);
                font.setItalic((pick & 4) != 0);
                font.setUnderline((pick & 8) != 0);
                return QVariant(font);
            }
            default: {
                static const char *const texts[] = {"",  "a|b|c", "a||b|", "解答(&A)",
                                                    "-", "0012",  "1e5",   "x|y|z|w|v|u"};
                return QVariant(QString::fromUtf8(texts[pick % std::size(texts)]));
            }
        }
    }

    QWidget *Target(uint8_t pick) const
    {
        if (auto *option = qobject_cast<MultiOption *>(m_control)) {
            return option->Option(pick % option->OptionCount());
        }
        if (auto *box = qobject_cast<BooleanBox *>(m_control)) {
            return box->CheckBox();
        }
        return static_cast<NumInputBoxR *>(m_control)->TextBox();
    }

    qint16 Value() const
    {
        auto *option = qobject_cast<MultiOption *>(m_control);
        return option != nullptr ? option->Value() : 0;
    }

    void Act(int depth)
    {
        --m_budget;
        const int outer = m_depth;
        m_depth = depth;
        m_frames.push_back(0);
        const auto op = m_in.Take<uint8_t>();
        switch (op % 9) {
            case 0:
            case 1:
                Write();
                break;
            case 2:
                UserAction(
                    [&] { QTest::mouseClick(Target(m_in.Take<uint8_t>()), Qt::LeftButton); });
                break;
            case 3: {
                static const Qt::Key keys[] = {Qt::Key_Space,     Qt::Key_Left,   Qt::Key_Right,
                                               Qt::Key_Down,      Qt::Key_Tab,    Qt::Key_Minus,
                                               Qt::Key_1,         Qt::Key_E,      Qt::Key_Period,
                                               Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_A};
                const Qt::Key key = keys[m_in.Take<uint8_t>() % std::size(keys)];
                const auto modifiers = (op & 0x80) != 0 ? Qt::AltModifier : Qt::NoModifier;
                QWidget *target = QApplication::focusWidget() != nullptr
                                      ? QApplication::focusWidget()
                                      : Target(0);
                UserAction([&] { QTest::keyClick(target, key, modifiers); });
                break;
            }
            case 4: {
                const auto where = m_in.Take<uint8_t>() % 3;
                Quiet([&] {
                    if (where == 0) {
                        m_window->activateWindow();
                        Target(0)->setFocus(Qt::MouseFocusReason);
                    } else if (where == 1) {
                        m_other->setFocus(Qt::TabFocusReason);
                    } else {
                        m_elsewhere->activateWindow();
                    }
                    QApplication::processEvents();
                });
                break;
            }
            case 5:
                Quiet([&] { m_control->setVisible(!m_control->isVisible()); });
                break;
            case 6:
                Method(m_in.Take<uint8_t>() % 4);
                break;
            case 7:
                Reload();
                break;
            default:
                // A handler may run the event loop, which frees no object retired inside it: Qt
                // frees those once control is back in the loop that was running, which the
                // host's own actions stand for (depth 0).
                Quiet([depth] {
                    QApplication::processEvents();
                    if (depth == 0) {
                        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                    }
                });
                break;
        }
        CheckValue();
        m_frames.pop_back();
        m_depth = outer;
    }

    // Something Qt dispatches (an event, a focus change): no error may come back through it.
    template <typename Action>
    void Quiet(Action action)
    {
        try {
            action();
        } catch (...) {
            Fail("an exception escaped into Qt");
        }
    }

    // A click or key of the user: at most one Change (or Click) of its own; the handlers' own
    // actions count theirs apart.
    template <typename Action>
    void UserAction(Action action)
    {
        Quiet(action);
        if (m_frames.back() > 1) {
            Fail("one click raised more than one Change");
        }
    }

    void Write()
    {
        const Writable &w = m_writes[m_in.Take<uint8_t>() % m_writes.size()];
        const QVariant value = ValueOf(w.type);
        const QVariant before = m_control->property(w.name);
        const int boxes = m_boxes.shown;
        const int budget = m_budget;
        try {
            w.write(*m_control, value);
        } catch (const NumberedError &) {
            return;
        } catch (...) {
            Fail("a write raised something other than a numbered error");
        }
        if (m_budget != budget) {
            return;  // a handler acted meanwhile
        }
        const QVariant after = m_control->property(w.name);
        const QVariant expected = w.expected ? w.expected(*m_control, value, before) : value;
        // A box during the write is the write's refusal, which leaves the value as it was, or
        // another box the write led to (a number box losing the focus when it is disabled
        // validates its text).
        const bool refused = m_boxes.shown != boxes && after == before;
        if (expected.isValid() && after != expected && !refused) {
            std::fprintf(stderr, "fuzz_host: %s written %s reads %s\n", w.name,
                         qPrintable(value.toString()), qPrintable(after.toString()));
            Fail("a property does not read back as written");
        }
    }

    void Method(int which)
    {
        try {
            if (auto *option = qobject_cast<MultiOption *>(m_control)) {
                const std::function<void()> calls[] = {
                    [&] { option->Cls(); }, [&] { option->Store(); }, [&] { option->Restore(); },
                    [&] { option->RestoreDefault(); }};
                calls[which]();
            } else if (auto *box = qobject_cast<BooleanBox *>(m_control)) {
                const std::function<void()> calls[] = {[&] { box->Cls(); }, [&] { box->Store(); },
                                                       [&] { box->Restore(); },
                                                       [&] { box->RestoreDefault(); }};
                calls[which]();
            } else {
                auto *input = static_cast<NumInputBoxR *>(m_control);
                const std::function<void()> calls[] = {
                    [&] { input->Cls(); }, [&] { input->Store(); }, [&] { input->Restore(); },
                    [&] { (void)input->ValidateValue(); }};
                calls[which]();
            }
        } catch (const NumberedError &) {
        }
    }

    static void Read(ControlBase *control, const PropertyBag &bag)
    {
        if (auto *option = qobject_cast<MultiOption *>(control)) {
            option->ReadProperties(bag);
        } else if (auto *box = qobject_cast<BooleanBox *>(control)) {
            box->ReadProperties(bag);
        } else {
            static_cast<NumInputBoxR *>(control)->ReadProperties(bag);
        }
    }

    // The control reads its own settings back, as a host that saves and loads its design.
    void Reload()
    {
        PropertyBag saved;
        m_control->WriteProperties(saved);
        try {
            Read(m_control, saved);
        } catch (const NumberedError &) {
        }
    }

    void RoundTrip()
    {
        PropertyBag first;
        m_control->WriteProperties(first);
        std::unique_ptr<ControlBase> fresh(Make(nullptr));
        QObject::disconnect(fresh.get(), nullptr, nullptr, nullptr);
        try {
            Read(fresh.get(), first);
        } catch (const NumberedError &) {
            return;  // a stored set the control cannot be created from, such as a default
                     // beyond its buttons: the error reaches the host that creates it
        }
        PropertyBag second;
        fresh->WriteProperties(second);
        const QStringList a = Lines(first, *m_control);
        const QStringList b = Lines(second, *fresh);
        if (a != b) {
            std::fprintf(stderr, "fuzz_host: written\n%s\nread back and written\n%s\n",
                         qPrintable(a.join(QLatin1Char('\n'))),
                         qPrintable(b.join(QLatin1Char('\n'))));
            Fail("the stored settings read back to another set");
        }
    }

    // A stored set as "key=value" lines. A number box saves the background it shows, which is
    // the must-enter colour while that paints its empty box, and a box loaded in a running host
    // is painted at once: that key is left out while the colour may show.
    static QStringList Lines(const PropertyBag &bag, const ControlBase &control)
    {
        const auto *input = qobject_cast<const NumInputBoxR *>(&control);
        QStringList lines;
        for (const auto &entry : bag.Entries()) {
            if (input != nullptr && input->MustEnter() &&
                entry.key == QStringLiteral("BackColor")) {
                continue;
            }
            lines << entry.key + QLatin1Char('=') + entry.value.toString();
        }
        return lines;
    }

    void CheckValue() const
    {
        if (auto *option = qobject_cast<MultiOption *>(m_control)) {
            const int value = option->Value();
            if (value < -1 || value > std::max<int>(option->OptionNum(), 1) - 1) {
                Fail("Value beyond the buttons");
            }
        }
    }

    tavimor::fuzz::Input m_in;
    std::unique_ptr<ControlHost> m_host;
    std::unique_ptr<QWidget> m_window = std::make_unique<QWidget>();
    QLineEdit *m_other = new QLineEdit(m_window.get());
    std::unique_ptr<QLineEdit> m_elsewhere = std::make_unique<QLineEdit>();
    ControlBase *m_control = nullptr;
    std::vector<Writable> m_writes;
    CountedBoxes m_boxes;
    int m_kind = 0;
    int m_depth = 0;
    int m_budget = 200;
    // The Changes (or Clicks) raised in each action under way, innermost last.
    std::vector<int> m_frames;
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_host";
    static char *argv[] = {name, nullptr};
    // Never destroyed: it outlives every widget, also the devices Qt makes for the test events.
    static auto *app = new QApplication(argc, argv);
    (void)app;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    HostPlay play(data, size);
    play.Run();
    return 0;
}
