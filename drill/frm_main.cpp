#include "frm_main.h"

frmMain::frmMain(QWidget *parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Tavimor ver.1.00"));
    setFixedSize(593, 481);
}
