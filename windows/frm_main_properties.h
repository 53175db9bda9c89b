// SPDX-License-Identifier: GPL-3.0-or-later
// The stored design of the main window's seven control instances: one property set each, with
// keys in lower case as the window stores them, and the instance's extent in hundredths of a
// millimetre under "_extentx" and "_extenty".
// Window layouts (windows/).
#pragma once

#include <QFont>

#include "property_bag.h"

namespace tavimor::frm_main_design {

// The window's font, also stored for every instance: "ＭＳ Ｐゴシック", 9 points, regular (asked
// for as DesignedFontFamily() names it).
QFont WindowFont();

PropertyBag mopQuestionType();
PropertyBag mopAnswerType();
PropertyBag mopAnswer();
PropertyBag txtTimeLimit();
PropertyBag chkUseTimer();
PropertyBag chkOmitPushAnswer();
PropertyBag chkShowAnswer();

}  // namespace tavimor::frm_main_design
