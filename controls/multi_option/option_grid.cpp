// SPDX-License-Identifier: GPL-3.0-or-later
// Multi-option control (controls/multi_option/): see option_grid.h.
#include "option_grid.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tavimor {

std::vector<OptionCell> OptionGrid(const OptionGridLayout &layout)
{
    const auto width = static_cast<float>(layout.width);
    const auto height = static_cast<float>(layout.height);
    std::vector<OptionCell> cells(static_cast<std::size_t>(std::max(layout.count, 1)));
    cells[0] = {layout.left, layout.top, width, height};
    for (std::size_t i = 1; i < cells.size(); ++i) {
        const OptionCell &previous = cells[i - 1];
        OptionCell &cell = cells[i];
        cell.Width = width;
        cell.Height = height;
        if (layout.perLine < 1 || static_cast<int>(i) % layout.perLine != 0) {
            cell.Left = static_cast<float>(static_cast<double>(previous.Left) + layout.width +
                                           layout.horiSpace);
            cell.Top = previous.Top;
        } else {
            cell.Left = cells[0].Left;
            cell.Top = static_cast<float>(static_cast<double>(previous.Top) + previous.Height +
                                          layout.height + layout.vartSpace);
        }
    }
    return cells;
}

std::int32_t RoundTwips(float twips)
{
    const double rounded = std::nearbyint(static_cast<double>(twips));
    if (!(rounded > -2147483648.5)) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return rounded > 2147483647.0 ? std::numeric_limits<std::int32_t>::max()
                                  : static_cast<std::int32_t>(rounded);
}

}  // namespace tavimor
