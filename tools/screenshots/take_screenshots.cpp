// SPDX-License-Identifier: GPL-3.0-or-later
// Takes the screenshots of the README: the main window as it opens, and after a picture
// question was answered, each with the table window beside it. Run with QT_SCALE_FACTOR set for
// the shots at a display scale.
//
//   take_screenshots <docs folder>
#include <QApplication>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "frm_main.h"
#include "frm_main_properties.h"
#include "frm_table.h"
#include "multi_option.h"
#include "program_resources.h"
#include "random_source.h"

namespace {

void Save(const QPixmap &picture, const QString &path)
{
    if (!picture.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
}

}  // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: take_screenshots <docs folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    tavimor::InstallProgramFonts();
    QApplication::setFont(tavimor::frm_main_design::WindowFont());

    tavimor::ClockSeededRandom random(14);
    frmMain window(&random);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        return 1;
    }
    // At a display scale above 1 the names carry it: picture-question-scale-2.png.
    const qreal scale = window.devicePixelRatioF();
    const QString suffix =
        scale == 1 ? QString() : QStringLiteral("-scale-%1").arg(scale, 0, 'g', 3);
    Save(window.grab(), folder + "/main-window" + suffix + ".png");

    const tavimor::frmMainDesign &ui = window.Ui();
    QTest::mouseClick(ui.mopQuestionType->Option(3), Qt::LeftButton);
    QTest::mouseClick(ui.cmdQuestion, Qt::LeftButton);
    QTest::mouseClick(ui.mopAnswer->Option(9), Qt::LeftButton);
    QTest::mouseClick(ui.cmdAnswer, Qt::LeftButton);
    QApplication::processEvents();

    frmTable *table = frmTable::ShowTable();
    if (!QTest::qWaitForWindowExposed(table)) {
        return 1;
    }
    // Composed in device pixels, so that a shot at a display scale above 1 keeps every pixel.
    const QPixmap main = window.grab();
    const QPixmap side = table->grab();
    const QSizeF mainSize = main.deviceIndependentSize();
    const QSizeF sideSize = side.deviceIndependentSize();
    const qreal ratio = main.devicePixelRatio();
    QPixmap both(QSizeF(mainSize.width() + sideSize.width() + 16,
                        std::max(mainSize.height(), sideSize.height()))
                     .toSize() *
                 ratio);
    both.setDevicePixelRatio(ratio);
    both.fill(QColor(0x50, 0x60, 0x70));
    QPainter painter(&both);
    painter.drawPixmap(0, 0, main);
    painter.drawPixmap(QPointF(mainSize.width() + 16, 0), side);
    painter.end();
    Save(both, folder + "/picture-question" + suffix + ".png");
    return 0;
}
