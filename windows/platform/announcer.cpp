// SPDX-License-Identifier: GPL-3.0-or-later
// Platform layer (windows/platform/): see announcer.h.
#include "announcer.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QWidget>

namespace tavimor {
namespace {

// The announcer as assistive technology sees it: a notification named by the last message, a
// child of its window.
class AnnouncerInterface : public QAccessibleObject {
public:
    explicit AnnouncerInterface(Announcer *announcer) : QAccessibleObject(announcer) {}

    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(object()->parent());
    }
    int childCount() const override { return 0; }
    QAccessibleInterface *child(int /*index*/) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface * /*child*/) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? static_cast<Announcer *>(object())->Message() : QString();
    }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }
    QRect rect() const override
    {
        const QAccessibleInterface *window = parent();
        return window != nullptr ? window->rect() : QRect();
    }
};

QAccessibleInterface *AnnouncerInterfaceFor(const QString &className, QObject *object)
{
    if (className == QLatin1String(Announcer::staticMetaObject.className())) {
        if (auto *announcer = qobject_cast<Announcer *>(object)) {
            return new AnnouncerInterface(announcer);
        }
    }
    return nullptr;
}

}  // namespace

Announcer::Announcer(QWidget *window) : QObject(window)
{
    static const bool installed = [] {
        QAccessible::installFactory(&AnnouncerInterfaceFor);
        return true;
    }();
    (void)installed;
    setObjectName(QStringLiteral("announcer"));
}

Announcer *Announcer::Of(const QWidget *window)
{
    return window->findChild<Announcer *>(QString(), Qt::FindDirectChildrenOnly);
}

Announcer *Announcer::For(QWidget *window)
{
    Announcer *announcer = Of(window);
    return announcer != nullptr ? announcer : new Announcer(window);
}

void Announcer::Announce(QWidget *window, const QString &message)
{
    For(window)->Queue(message);
}

void Announcer::Queue(const QString &message)
{
    if (m_pending.isEmpty()) {
        QMetaObject::invokeMethod(this, &Announcer::Say, Qt::QueuedConnection);
    }
    m_pending << message;
}

void Announcer::Say()
{
    m_message = m_pending.join(QStringView(kJoin));
    m_pending.clear();
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(parent(), m_message);
#else
    QAccessibleEvent event(this, QAccessible::ObjectShow);
#endif
    QAccessible::updateAccessibility(&event);
    emit Announced(m_message);
}

}  // namespace tavimor
