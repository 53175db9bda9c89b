#include <QApplication>

#include "frm_main.h"

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavimor"));
    frmMain window;
    window.show();
    return QApplication::exec();
}
