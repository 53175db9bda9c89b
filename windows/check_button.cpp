#include "check_button.h"

namespace tavimor {

bool CheckButton::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}

}  // namespace tavimor
