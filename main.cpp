// Tavimor: a drill for learning the amino acids. No command line, no files: the program opens
// its main window and ends when no window is left.
#include <QApplication>

#include "frm_main.h"
#include "frm_main_properties.h"
#include "program_resources.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavimor"));
    tavimor::InstallProgramFonts();
    QApplication::setFont(tavimor::frm_main_design::WindowFont());
    QApplication::setWindowIcon(tavimor::ProgramIcon());

    frmMain window;
    window.show();
    return QApplication::exec();
}
