// Platform layer (windows/platform/): see desktop_services.h.
#include "desktop_services.h"

#include <QAccessible>
#include <system_error>
#include <thread>

#include "program_resources.h"

namespace tavimor {

bool PrepareDesktopServices()
{
    // Qt's font database may be used from any thread; nothing on this thread resolves a font
    // until the helper has finished.
    bool installed = false;
    std::thread fonts;
    try {
        fonts = std::thread([&installed] { installed = InstallProgramFonts(); });
    } catch (const std::system_error &) {
        // No thread to be had: one after the other, then.
        installed = InstallProgramFonts();
    }
    // Asking whether assistive technology listens makes the platform connect to it now rather
    // than at the first widget text.
    QAccessible::isActive();
    if (fonts.joinable()) {
        fonts.join();
    }
    return installed;
}

}  // namespace tavimor
