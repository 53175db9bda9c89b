// SPDX-License-Identifier: GPL-3.0-or-later
// Platform layer (windows/platform/): see window_accessibility.h.
#include "window_accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

#include "announcer.h"

namespace tavimor {
namespace {

const char *const kWindowRoleProperty = "tavimorWindowRole";

// A window, whose children are its widgets and, once it has announced something, its announcer.
class WindowInterface : public QAccessibleWidget {
public:
    explicit WindowInterface(QWidget *window) : QAccessibleWidget(window, QAccessible::Window) {}

    int childCount() const override
    {
        return QAccessibleWidget::childCount() + (Announcer::Of(widget()) != nullptr ? 1 : 0);
    }
    QAccessibleInterface *child(int index) const override
    {
        if (index == QAccessibleWidget::childCount()) {
            if (Announcer *announcer = Announcer::Of(widget())) {
                return QAccessible::queryAccessibleInterface(announcer);
            }
        }
        return QAccessibleWidget::child(index);
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (child != nullptr && child->object() != nullptr &&
            child->object() == Announcer::Of(widget())) {
            return QAccessibleWidget::childCount();
        }
        return QAccessibleWidget::indexOfChild(child);
    }
};

QAccessibleInterface *WindowInterfaceFor(const QString &className, QObject *object)
{
    // Asked once for each class from the most derived up: answer for the object's own class.
    if (object == nullptr || !object->isWidgetType() ||
        className != QLatin1String(object->metaObject()->className()) ||
        !object->property(kWindowRoleProperty).toBool()) {
        return nullptr;
    }
    return new WindowInterface(static_cast<QWidget *>(object));
}

}  // namespace

void ReportAsWindow(QWidget *window)
{
    static const bool installed = [] {
        QAccessible::installFactory(&WindowInterfaceFor);
        return true;
    }();
    (void)installed;
    window->setProperty(kWindowRoleProperty, true);
}

}  // namespace tavimor
