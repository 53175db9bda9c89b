// SPDX-License-Identifier: GPL-3.0-or-later
// Tells assistive technology what a sighted learner reads at once in a window (a question, a
// verdict, a score) although the focus is elsewhere. Screen readers do not speak text that
// changes away from the focus, and Qt before 6.8 has no announcement event; so each window has
// an announcer: an object that assistive technology sees as a notification among the window's
// children, named by the message and made showing for each message, which a screen reader speaks
// at once. Nothing is drawn. From Qt 6.8 on, Qt's own announcement event is used instead.
//
// Messages announced while one event is handled are spoken as one, in the order given, once
// control returns to the event loop: a screen reader drops or cuts off a message when the next
// comes at once (a timed run's tick judges and asks in one go).
// Platform layer (windows/platform/), below the controls and the windows.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QWidget;

namespace tavimor {

class Announcer : public QObject {
    Q_OBJECT

public:
    // Announces `message` for `window`, through the window's announcer.
    static void Announce(QWidget *window, const QString &message);
    // The window's announcer, made on first use.
    static Announcer *For(QWidget *window);
    // The text that joins messages spoken as one.
    static constexpr char16_t kJoin[] = u"。";
    // The window's announcer, or nullptr while it has announced nothing.
    static Announcer *Of(const QWidget *window);

    // The message announced last.
    QString Message() const { return m_message; }

signals:
    // Raised with each message as it is handed to assistive technology.
    void Announced(const QString &message);

private:
    explicit Announcer(QWidget *window);
    void Queue(const QString &message);
    void Say();

    QStringList m_pending;
    QString m_message;
};

}  // namespace tavimor
