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
#ifdef Q_OS_WASM
    // In the browser, exec() leaves main at once, through a JavaScript exception that unwinds
    // its frame, and the page's event loop goes on afterwards: the application and its window
    // outlive main, for as long as the page shows them.
    auto &app = *new QApplication(argc, argv);
#else
    QApplication app(argc, argv);
#endif
    Q_UNUSED(app);
    QApplication::setApplicationName(QStringLiteral("Tavimor"));
    tavimor::PrepareDesktopServices();
    tavimor::ConnectToPage();
    tavimor::SpeakToPage();
    QApplication::setFont(tavimor::frm_main_design::WindowFont());
#ifdef Q_OS_WASM
    auto &window = *new frmMain;
#else
    frmMain window;
#endif
    window.show();
    // For the message boxes; given before the window exists, it would be handed to the window
    // system twice while the window is created.
    QApplication::setWindowIcon(tavimor::ProgramIcon());
    return QApplication::exec();
}
