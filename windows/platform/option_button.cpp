// Platform layer (windows/platform/): see option_button.h.
#include "option_button.h"

namespace tavimor {

bool OptionButton::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}

}  // namespace tavimor
