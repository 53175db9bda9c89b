// SPDX-License-Identifier: GPL-3.0-or-later
// The program heard in a web page. Qt's browser platform has no accessibility backend: the page
// is one canvas to a screen reader. So the browser build takes Qt's accessibility events itself
// and writes what a screen reader on the desktop would speak into the page's offscreen live
// regions: every announcement (a question, a verdict with the right answer and the score, a
// timed run's tick), a message box's text as it comes up, and each focus move as the focused
// control's name, role and state ("出題 push button", "K radio button checked"), said again
// when its key checks or unchecks it. Only the
// browser build has a page; elsewhere this does nothing.
// Platform layer (windows/platform/), below the controls and the windows.
#pragma once

#include <QString>

class QAccessibleInterface;

namespace tavimor {

// Turns Qt's accessibility on and feeds the page's live regions from its events. Call once,
// before the first window is shown.
void SpeakToPage();

// What a screen reader says of a focused control: its name, role and state.
QString FocusSpeech(QAccessibleInterface *face);

// What a screen reader reads of a message box as it comes up: its title and its texts.
QString AlertSpeech(QAccessibleInterface *face);

}  // namespace tavimor
