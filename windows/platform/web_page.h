// SPDX-License-Identifier: GPL-3.0-or-later
// The program in a web page: what the page learns from it. Only the browser build has a page;
// elsewhere this does nothing.
// Platform layer (windows/platform/), below the controls and the windows.
#pragma once

#include <functional>

namespace tavimor {

// In the browser: tells the page (its function tavimorEnded) when the last window has closed,
// and gives it tavimorDescribe(), which returns what the windows show as JSON: each visible
// window with its title, its place and size, whether it is modal, and its visible widgets with
// their names, texts, states and places, in the page's CSS pixels. The page's own checks read
// the program through it. Windows of fixed size keep that size, centred on the page, where Qt
// would show them full-screen. Tells the page (its function tavimorShown) when the first window
// is on the screen. Call once, before the first window is shown.
void ConnectToPage();

// Runs `job` once the first window is on the screen, so that what can wait takes nothing from
// the start; at once where there is no page, or once the first window has been shown.
void AfterFirstFrame(std::function<void()> job);

}  // namespace tavimor
