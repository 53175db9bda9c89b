// SPDX-License-Identifier: GPL-3.0-or-later
// Platform layer (windows/platform/): see web_page.h.
#include "web_page.h"

#include <QtGlobal>

#ifdef Q_OS_WASM

#include <emscripten.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

extern "C" const char *tavimor_describe();
extern "C" void tavimor_type(int code);
extern "C" void tavimor_touch_cancelled();

// The page's side: its functions for the program's first frame and its end, the reading of the
// windows, and the functions by which the page hands the program a touch screen's keys and
// cancelled touches.
EM_JS(void, TellPageEnded, (), {
    if (typeof window.tavimorEnded == "function") {
        window.tavimorEnded();
    }
});
EM_JS(void, TellPageWantsKeys, (bool wanted), {
    if (typeof window.tavimorWantsKeys == "function") {
        window.tavimorWantsKeys(wanted);
    }
});
// The first frame: its time, which the start benchmark reads, and the page's cue to take the keys
// and do what it left until the program shows.
EM_JS(void, NoteFirstFrame, (), {
    window.firstFrameAt = performance.now();
    if (typeof window.tavimorShown == "function") {
        window.tavimorShown();
    }
});
EM_JS(void, GivePageDescribe, (), {
    window.tavimorDescribe = function()
    {
        return UTF8ToString(_tavimor_describe());
    };
    window.tavimorType = function(code)
    {
        _tavimor_type(code);
    };
    window.tavimorTouchCancelled = function()
    {
        _tavimor_touch_cancelled();
    };
});

namespace tavimor {
namespace {

QJsonObject Place(const QWidget *widget)
{
    const QPoint topLeft = widget->mapToGlobal(QPoint(0, 0));
    return {{QStringLiteral("x"), topLeft.x()},
            {QStringLiteral("y"), topLeft.y()},
            {QStringLiteral("w"), widget->width()},
            {QStringLiteral("h"), widget->height()}};
}

QJsonObject Describe(const QWidget *widget)
{
    QJsonObject item = Place(widget);
    item.insert(QStringLiteral("name"), widget->objectName());
    item.insert(QStringLiteral("class"), QString::fromLatin1(widget->metaObject()->className()));
    item.insert(QStringLiteral("enabled"), widget->isEnabled());
    if (const auto *label = qobject_cast<const QLabel *>(widget)) {
        item.insert(QStringLiteral("caption"), label->text());
    } else if (const auto *button = qobject_cast<const QAbstractButton *>(widget)) {
        item.insert(QStringLiteral("caption"), button->text());
        item.insert(QStringLiteral("down"), button->isDown());
    } else if (const auto *line = qobject_cast<const QLineEdit *>(widget)) {
        item.insert(QStringLiteral("caption"), line->text());
    }
    if (QAccessibleInterface *face =
            QAccessible::queryAccessibleInterface(const_cast<QWidget *>(widget))) {
        item.insert(QStringLiteral("text"), face->text(QAccessible::Name));
        item.insert(QStringLiteral("value"), face->text(QAccessible::Value));
        item.insert(QStringLiteral("checked"), bool(face->state().checked));
        item.insert(QStringLiteral("focused"), bool(face->state().focused));
    }
    return item;
}

QJsonArray DescribeWindows()
{
    QJsonArray windows;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!window->isVisible()) {
            continue;
        }
        QJsonObject entry = Place(window);
        entry.insert(QStringLiteral("title"), window->windowTitle());
        entry.insert(QStringLiteral("class"),
                     QString::fromLatin1(window->metaObject()->className()));
        entry.insert(QStringLiteral("modal"), window->isModal());
        entry.insert(QStringLiteral("active"), window->isActiveWindow());
        QJsonArray widgets;
        for (QWidget *child : window->findChildren<QWidget *>()) {
            if (child->isVisibleTo(window)) {
                widgets.append(Describe(child));
            }
        }
        entry.insert(QStringLiteral("widgets"), widgets);
        windows.append(entry);
    }
    return windows;
}

// Qt's browser platform shows every window full-screen. A window of fixed size keeps its own
// size instead, and is centred on the page again whenever the page's size changes.
bool IsFixedWindow(const QWidget *widget)
{
    return widget->isWindow() && widget->minimumSize() == widget->maximumSize() &&
           widget->windowType() != Qt::Popup;
}

void Centre(QWidget *window)
{
    window->setWindowState(window->windowState() & ~(Qt::WindowFullScreen | Qt::WindowMaximized));
    window->resize(window->minimumSize());
    // The frame (title bar and border) is known once the state has been applied.
    QMetaObject::invokeMethod(
        window,
        [window] {
            const QScreen *screen = window->screen();
            if (screen == nullptr) {
                return;
            }
            const QRect page = screen->availableGeometry();
            QRect frame = window->frameGeometry();
            frame.moveCenter(page.center());
            window->move(std::max(frame.left(), page.left()), std::max(frame.top(), page.top()));
        },
        Qt::QueuedConnection);
}

// What waits for the first frame, and whether it has come.
std::vector<std::function<void()>> g_afterFirstFrame;
bool g_firstFrameShown = false;

void FirstFrameShown()
{
    g_firstFrameShown = true;
    NoteFirstFrame();
    for (const std::function<void()> &job : std::exchange(g_afterFirstFrame, {})) {
        job();
    }
}

// Keeps windows of fixed size at their size (see IsFixedWindow), and notes the first frame.
class FixedWindows final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // The first frame, told to the page once it is on the screen.
        if (event->type() == QEvent::Paint && !m_painted && watched->isWidgetType() &&
            static_cast<QWidget *>(watched)->isWindow()) {
            m_painted = true;
            QTimer::singleShot(0, [] { FirstFrameShown(); });
        }
        // Before the window is shown: it is shown, then, at its own size and place.
        if (event->type() == QEvent::WindowStateChange && watched->isWidgetType()) {
            auto *window = static_cast<QWidget *>(watched);
            const Qt::WindowStates filling = Qt::WindowFullScreen | Qt::WindowMaximized;
            if (IsFixedWindow(window) && window->windowState() & filling) {
                window->setWindowState(window->windowState() & ~filling);
            }
        }
        return false;
    }

private:
    bool m_painted = false;
};

}  // namespace

void AfterFirstFrame(std::function<void()> job)
{
    if (g_firstFrameShown) {
        job();
    } else {
        g_afterFirstFrame.push_back(std::move(job));
    }
}

void ConnectToPage()
{
    QObject::connect(qApp, &QGuiApplication::lastWindowClosed, qApp, [] { TellPageEnded(); });
    // A text box with the focus asks a touch screen for its keyboard.
    QObject::connect(qApp, &QApplication::focusChanged, qApp, [](QWidget *, QWidget *now) {
        const auto *line = qobject_cast<const QLineEdit *>(now);
        TellPageWantsKeys(line != nullptr && !line->isReadOnly());
    });
    GivePageDescribe();
    qApp->installEventFilter(new FixedWindows(qApp));
    const auto centreAll = [] {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && IsFixedWindow(window)) {
                Centre(window);
            }
        }
    };
    QScreen *screen = QGuiApplication::primaryScreen();
    QObject::connect(screen, &QScreen::geometryChanged, qApp, centreAll);
    QObject::connect(screen, &QScreen::availableGeometryChanged, qApp, centreAll);
}

}  // namespace tavimor

// A character typed on a touch screen's keyboard (8 for its backspace): a key press and release
// of the focused widget, so that a box's own key filter meets it as any key.
extern "C" EMSCRIPTEN_KEEPALIVE void tavimor_type(int code)
{
    const QPointer<QWidget> target = QApplication::focusWidget();
    if (target == nullptr || code <= 0 || code > 0xFFFF) {
        return;
    }
    const QChar character(static_cast<char16_t>(code));
    const int key = code == 8                            ? Qt::Key_Backspace
                    : code < 0x80 && character.isPrint() ? character.toUpper().unicode()
                                                         : Qt::Key_unknown;
    const QString text = code == 8 ? QString(QChar(u'\b')) : QString(character);
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    if (target != nullptr && QApplication::focusWidget() == target) {
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(target, &release);
    }
}

// A touch the browser cancelled: every button it pressed is let go of, so that the touch's end
// clicks none.
extern "C" EMSCRIPTEN_KEEPALIVE void tavimor_touch_cancelled()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
            if (button->isDown()) {
                button->setDown(false);
            }
        }
    }
}

extern "C" EMSCRIPTEN_KEEPALIVE const char *tavimor_describe()
{
    static std::string text;
    text = QJsonDocument(tavimor::DescribeWindows()).toJson(QJsonDocument::Compact).toStdString();
    return text.c_str();
}

#else

#include <utility>

namespace tavimor {

void ConnectToPage() {}

void AfterFirstFrame(std::function<void()> job)
{
    const std::function<void()> now = std::move(job);
    now();
}

}  // namespace tavimor

#endif
