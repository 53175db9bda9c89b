// SPDX-License-Identifier: GPL-3.0-or-later
// Tavimor: a drill for learning the amino acids. No command line, no files: the program opens
// its main window and ends when no window is left.
// Program (main.cpp), above the main window logic.
#include <QApplication>

#include "desktop_services.h"
#include "frm_main.h"
#include "frm_main_properties.h"
#include "program_resources.h"
#include "web_page.h"
#include "web_speech.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavimor"));
    tavimor::PrepareDesktopServices();
    tavimor::ConnectToPage();
    tavimor::SpeakToPage();
    QApplication::setFont(tavimor::frm_main_design::WindowFont());
    frmMain window;
    window.show();
    // For the message boxes; given before the window exists, it would be handed to the window
    // system twice while the window is created.
    QApplication::setWindowIcon(tavimor::ProgramIcon());
    return QApplication::exec();
}
