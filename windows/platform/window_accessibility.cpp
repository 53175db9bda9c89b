// Platform layer (windows/platform/): see window_accessibility.h.
#include "window_accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace tavimor {
namespace {

const char *const kWindowRoleProperty = "tavimorWindowRole";

QAccessibleInterface *WindowInterface(const QString &className, QObject *object)
{
    // Asked once for each class from the most derived up: answer for the object's own class.
    if (object == nullptr || !object->isWidgetType() ||
        className != QLatin1String(object->metaObject()->className()) ||
        !object->property(kWindowRoleProperty).toBool()) {
        return nullptr;
    }
    return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
}

}  // namespace

void ReportAsWindow(QWidget *window)
{
    static const bool installed = [] {
        QAccessible::installFactory(&WindowInterface);
        return true;
    }();
    (void)installed;
    window->setProperty(kWindowRoleProperty, true);
}

}  // namespace tavimor
