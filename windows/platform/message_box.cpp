// SPDX-License-Identifier: GPL-3.0-or-later
// Platform layer (windows/platform/): see message_box.h.
#include "message_box.h"

#include <QApplication>
#include <QMessageBox>

namespace tavimor {
namespace {

class QtMessageBoxes final : public MessageBoxService {
public:
    void Show(const QString &text, int style, const QString &title) override
    {
        const QMessageBox::Icon icon = style == kMsgBoxCritical      ? QMessageBox::Critical
                                       : style == kMsgBoxExclamation ? QMessageBox::Warning
                                                                     : QMessageBox::NoIcon;
        QString shown = text;
        shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        QMessageBox box(icon, title, shown, QMessageBox::Ok, QApplication::activeWindow());
        box.setTextFormat(Qt::PlainText);
        box.exec();
    }
};

QtMessageBoxes g_qtMessageBoxes;
MessageBoxService *g_service = &g_qtMessageBoxes;

}  // namespace

void InstallMessageBoxService(MessageBoxService *service)
{
    g_service = service != nullptr ? service : &g_qtMessageBoxes;
}

void MsgBox(const QString &text, int style, const QString &title)
{
    g_service->Show(text, style, title);
}

}  // namespace tavimor
