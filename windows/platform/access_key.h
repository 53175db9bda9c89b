// SPDX-License-Identifier: GPL-3.0-or-later
// A button's access key (Alt and the underlined letter) clicks the button at once, within the
// key's own event, as the program's buttons have always done. Qt's buttons would play a 100 ms
// press animation first and click at its end, after whatever else came in the meantime, such as
// a timer's tick.
// Platform layer (windows/platform/), below the controls and the windows.
#pragma once

#include <QString>

class QAbstractButton;
class QEvent;

namespace tavimor {

// A caption as its button shows it: without the "&" that marks its access key ("&&" shows one
// "&").
QString CaptionAsShown(const QString &caption);

// For a button's event handler: clicks `button` when `event` is its own access key, unless the
// key is shared with another widget (then Qt's way holds: the key moves the focus). True when
// the event was handled here.
bool ClickOnAccessKey(QAbstractButton *button, QEvent *event);

}  // namespace tavimor
