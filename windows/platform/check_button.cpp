// Platform layer (windows/platform/): see check_button.h.
#include "check_button.h"

namespace tavimor {

bool CheckButton::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}

}  // namespace tavimor
