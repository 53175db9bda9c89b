// SPDX-License-Identifier: GPL-3.0-or-later
// Platform layer (windows/platform/): see web_speech.h.
#include "web_speech.h"

#include <QAccessible>
#include <QStringList>

#ifdef Q_OS_WASM
#include <QtGui/private/qguiapplication_p.h>
#include <emscripten.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QApplication>
#include <QWidget>

#include "web_page.h"

// The page's side: a live region's text, cleared first so that a message said twice is heard
// twice.
EM_JS(void, PageSays, (const char *region, const char *text), {
    const element = document.getElementById(UTF8ToString(region));
    if (!element) {
        return;
    }
    const said = UTF8ToString(text);
    element.textContent = "";
    setTimeout(
        function() { element.textContent = said; }, 30);
});
#endif

namespace tavimor {
namespace {

QString RoleWord(QAccessible::Role role)
{
    switch (role) {
        case QAccessible::Button:
            return QStringLiteral("push button");
        case QAccessible::RadioButton:
            return QStringLiteral("radio button");
        case QAccessible::CheckBox:
            return QStringLiteral("check box");
        case QAccessible::EditableText:
            return QStringLiteral("text");
        case QAccessible::Grouping:
            return QStringLiteral("panel");
        case QAccessible::Dialog:
        case QAccessible::AlertMessage:
            return QStringLiteral("alert");
        case QAccessible::Window:
            return QStringLiteral("frame");
        default:
            return QString();
    }
}

void Texts(QAccessibleInterface *face, QStringList &texts, int depth)
{
    if (face == nullptr || depth > 4) {
        return;
    }
    if (face->role() == QAccessible::StaticText) {
        const QString text = face->text(QAccessible::Name).trimmed();
        if (!text.isEmpty()) {
            texts << text;
        }
    }
    for (int i = 0; i < face->childCount(); ++i) {
        Texts(face->child(i), texts, depth + 1);
    }
}

}  // namespace

QString FocusSpeech(QAccessibleInterface *face)
{
    if (face == nullptr) {
        return {};
    }
    QStringList words;
    const QString name = face->text(QAccessible::Name);
    if (!name.isEmpty()) {
        words << name;  // as Qt's interfaces give it, without the access key's mark
    }
    const QString role = RoleWord(face->role());
    if (!role.isEmpty()) {
        words << role;
    }
    const QAccessible::State state = face->state();
    if (state.checkable) {
        words << (state.checked ? QStringLiteral("checked") : QStringLiteral("not checked"));
    }
    if (face->role() == QAccessible::EditableText) {
        words << face->text(QAccessible::Value);
    }
    if (state.disabled) {
        words << QStringLiteral("unavailable");
    }
    return words.join(QLatin1Char(' ')).trimmed();
}

QString AlertSpeech(QAccessibleInterface *face)
{
    if (face == nullptr) {
        return {};
    }
    QStringList texts;
    const QString title = face->text(QAccessible::Name);
    if (!title.isEmpty()) {
        texts << title;
    }
    Texts(face, texts, 0);
    return texts.join(QLatin1Char(' '));
}

#ifdef Q_OS_WASM

namespace {

void Say(const char *region, const QString &text)
{
    if (!text.isEmpty()) {
        PageSays(region, text.toUtf8().constData());
    }
}

void Heard(QAccessibleEvent *event)
{
    QAccessibleInterface *face = event->accessibleInterface();
    if (face == nullptr || !face->isValid()) {
        return;
    }
    switch (event->type()) {
        case QAccessible::ObjectShow:
            // The announcer, made showing with each message.
            if (face->role() == QAccessible::Notification) {
                Say("tavimor-speech", face->text(QAccessible::Name));
            }
            break;
        case QAccessible::Alert:
            Say("tavimor-speech", AlertSpeech(face));
            break;
        case QAccessible::Focus:
            Say("tavimor-focus", FocusSpeech(face));
            break;
        case QAccessible::StateChanged:
            // The focused control checked or unchecked by its key: said again, as it is now.
            if (face->state().focused &&
                static_cast<QAccessibleStateChangeEvent *>(event)->changedStates().checked) {
                Say("tavimor-focus", FocusSpeech(face));
            }
            break;
        default:
            break;
    }
}

}  // namespace

void SpeakToPage()
{
    QAccessible::installUpdateHandler(&Heard);
    // Qt sends its accessibility events only while the platform's accessibility is active, as a
    // desktop's bridge makes it when a screen reader runs; the page's live regions are that
    // reader here. Made active once the first window is on the screen, so that the windows'
    // making and first painting cost the page's start nothing; the focus as it is then is spoken
    // at once.
    AfterFirstFrame([] {
        if (QPlatformAccessibility *platform =
                QGuiApplicationPrivate::platformIntegration()->accessibility()) {
            platform->setActive(true);
        }
        if (QWidget *focus = QApplication::focusWidget()) {
            Say("tavimor-focus", FocusSpeech(QAccessible::queryAccessibleInterface(focus)));
        }
    });
}

#else

void SpeakToPage() {}

#endif

}  // namespace tavimor
