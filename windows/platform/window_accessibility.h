// SPDX-License-Identifier: GPL-3.0-or-later
// What assistive technology is told about the program's own windows: a top-level window built
// on a plain widget reports itself as a window (a frame) named by its title, not as the plain
// client area that Qt reports for a bare widget. Its announcer (announcer.h) is one of its
// children.
// Platform layer (windows/platform/), below the controls and the windows.
#pragma once

class QWidget;

namespace tavimor {

// Makes `window` report the window role. Call it before the window is first shown.
void ReportAsWindow(QWidget *window);

}  // namespace tavimor
