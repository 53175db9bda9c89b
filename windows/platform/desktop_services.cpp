// SPDX-License-Identifier: GPL-3.0-or-later
// Platform layer (windows/platform/): see desktop_services.h.
#include "desktop_services.h"

#include <QAccessible>
#include <QApplication>
#include <system_error>
#include <thread>

#include "program_resources.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace tavimor {

bool PrepareDesktopServices()
{
#ifdef Q_OS_WIN
    // The windows are drawn in Fusion on Windows too, as on the other desktops: Qt's native
    // Windows style wraps the captions elsewhere and leaves a judged option without its mark.
    // A style the learner asks for (QT_STYLE_OVERRIDE) still wins.
    if (qEnvironmentVariableIsEmpty("QT_STYLE_OVERRIDE")) {
        QApplication::setStyle(QStringLiteral("Fusion"));
    }
#endif
#ifdef __GLIBC__
    // glibc gives each new thread a heap of its own while there are fewer than eight per core.
    // The helper's would keep what fontconfig allocates in passing while it reads its
    // configuration (some 0.2 MB) after the helper ends. Two heaps, this thread's and one for
    // the helper and Qt's own threads, serve a program whose work is on one thread.
    mallopt(M_ARENA_MAX, 2);
#endif
    // Qt's font database may be used from any thread; nothing on this thread resolves a font
    // until the helper has finished.
    bool installed = false;
    std::thread fonts;
#ifdef Q_OS_WASM
    // The browser's program has no threads.
    installed = InstallProgramFonts();
#else
    try {
        fonts = std::thread([&installed] { installed = InstallProgramFonts(); });
    } catch (const std::system_error &) {
        // No thread to be had: one after the other, then.
        installed = InstallProgramFonts();
    }
#endif
    // Asking whether assistive technology listens makes the platform connect to it now rather
    // than at the first widget text.
    QAccessible::isActive();
    if (fonts.joinable()) {
        fonts.join();
    }
    return installed;
}

}  // namespace tavimor
