// SPDX-License-Identifier: GPL-3.0-or-later
// Readying, before the first window is built, what the windows take from the desktop: the
// program's fonts, the connection to assistive technology and, on Windows, the style.
// Platform layer (windows/platform/), below the controls and the windows.
#pragma once

namespace tavimor {

// Installs the program's fonts (InstallProgramFonts) on a helper thread while this thread
// connects to the desktop's assistive technology, and returns once both are done, with whether
// the fonts were installed. The two are the longest steps before the first window: reading the
// system's font configuration is work for a processor, while the connection (on Linux, calls
// over the desktop's D-Bus, or starting a bus where none runs) mostly waits for other processes, so
// side by side they take little longer than the fonts alone. Call it once, on the GUI thread,
// after the application object exists and before any font is resolved. On Windows it also
// chooses the Fusion style, unless QT_STYLE_OVERRIDE names another.
bool PrepareDesktopServices();

}  // namespace tavimor
