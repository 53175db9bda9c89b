// SPDX-License-Identifier: GPL-3.0-or-later
// Platform layer (windows/platform/): see message_box.h.
#include "message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <memory>

namespace tavimor {
namespace {

// A box of the style, with OK, over the active window.
QMessageBox *NewBox(const QString &text, int style, const QString &title)
{
    const QMessageBox::Icon icon = style == kMsgBoxCritical      ? QMessageBox::Critical
                                   : style == kMsgBoxExclamation ? QMessageBox::Warning
                                                                 : QMessageBox::NoIcon;
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    auto *box = new QMessageBox(icon, title, shown, QMessageBox::Ok, QApplication::activeWindow());
    box->setTextFormat(Qt::PlainText);
    return box;
}

class QtMessageBoxes final : public MessageBoxService {
public:
    void Show(const QString &text, int style, const QString &title) override
    {
#ifdef Q_OS_WASM
        Open(text, style, title, {});
#else
        const std::unique_ptr<QMessageBox> box(NewBox(text, style, title));
        box->exec();
#endif
    }

#ifdef Q_OS_WASM
    // The browser has no nested event loop: the box is shown modal to the whole program, and
    // what follows it runs from its closing.
    void Open(const QString &text, int style, const QString &title,
              const std::function<void()> &closed) override
    {
        QMessageBox *box = NewBox(text, style, title);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setWindowModality(Qt::ApplicationModal);
        QObject::connect(box, &QDialog::finished, box, [closed] {
            if (closed) {
                closed();
            }
        });
        box->show();
    }
#endif
};

QtMessageBoxes g_qtMessageBoxes;
MessageBoxService *g_service = &g_qtMessageBoxes;

}  // namespace

void InstallMessageBoxService(MessageBoxService *service)
{
    g_service = service != nullptr ? service : &g_qtMessageBoxes;
}

void MsgBox(const QString &text, int style, const QString &title,
            const std::function<void()> &closed)
{
    g_service->Open(text, style, title, closed);
}

}  // namespace tavimor
