// SPDX-License-Identifier: GPL-3.0-or-later
// The floor the browser build's start is measured against: plain Qt widgets of the main window's
// kinds, with its texts, places and sizes (floor_layout.h), in the program's embedded fonts, and
// nothing of the program's own. bench/web_start.py loads it beside the program's page.
#include <emscripten.h>

#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <vector>

#include "floor_layout.h"

namespace {

// Notes the time of the window's first frame for the page, as the program's page does.
class FirstFrame final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QTimer::singleShot(
                0, [] { emscripten_run_script("window.firstFrameAt = performance.now()"); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_seen = false;
};

}  // namespace

int main(int argc, char *argv[])
{
    // exec() leaves main through a JavaScript exception, and the page's event loop goes on:
    // the application and its window outlive main, as the program's do.
    new QApplication(argc, argv);
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/TavimorSansJP-Regular.ttf"));
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/TavimorSansJP-Bold.ttf"));
    QFont font(QStringLiteral("Tavimor Sans JP"));
    font.setPointSize(9);
    QApplication::setFont(font);

    auto &window = *new QWidget;
    window.setWindowTitle(QStringLiteral("Tavimor ver.1.00"));
    window.setFixedSize(floor_layout::kWidth, floor_layout::kHeight);
    std::vector<QWidget *> made;
    for (const floor_layout::Widget &w : floor_layout::kWidgets) {
        QWidget *parent = w.parent < 0 ? &window : made[static_cast<std::size_t>(w.parent)];
        const QString text = QString::fromUtf8(w.text);
        QWidget *widget = nullptr;
        switch (w.kind) {
            case floor_layout::GroupBox:
                widget = new QGroupBox(text, parent);
                break;
            case floor_layout::RadioButton:
                widget = new QRadioButton(text, parent);
                break;
            case floor_layout::CheckBox:
                widget = new QCheckBox(text, parent);
                break;
            case floor_layout::Label:
                widget = new QLabel(text, parent);
                break;
            case floor_layout::LineEdit:
                widget = new QLineEdit(text, parent);
                break;
            case floor_layout::PushButton:
                widget = new QPushButton(text, parent);
                break;
        }
        widget->setGeometry(w.x, w.y, w.width, w.height);
        made.push_back(widget);
    }
    window.installEventFilter(new FirstFrame(&window));
    window.show();
    // Qt's browser platform shows a window full-screen: the floor's, like the program's, keeps
    // its size, centred.
    window.setWindowState(Qt::WindowNoState);
    window.resize(floor_layout::kWidth, floor_layout::kHeight);
    const QRect page = window.screen()->availableGeometry();
    window.move(page.center() - QPoint(floor_layout::kWidth / 2, floor_layout::kHeight / 2));
    return QApplication::exec();
}
