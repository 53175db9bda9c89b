// SPDX-License-Identifier: GPL-3.0-or-later
// The grid an option group lays its buttons out in, in twips, apart from the buttons themselves.
// Multi-option control (controls/multi_option/), plain C++.
#pragma once

#include <cstdint>
#include <vector>

namespace tavimor {

// An option button's place and size in twips.
struct OptionCell {
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
};

struct OptionGridLayout {
    int count = 1;   // buttons, at least 1
    float left = 0;  // the first button's place
    float top = 0;
    int width = 0;  // every button's size
    int height = 0;
    int perLine = 0;    // buttons to a row; below 1, one row for all
    int horiSpace = 0;  // between two buttons of a row
    int vartSpace = 0;  // added between two rows
};

// The cells of `layout.count` buttons, the first at (left, top). A row goes left to right, each
// button its width and horiSpace after the one before. A new row starts at the first button's
// left, two button heights below the top of the row before plus vartSpace: one height for that
// row and one left free, so the rows of a group stand apart as the designs have always had them.
std::vector<OptionCell> OptionGrid(const OptionGridLayout &layout);

// A cell's place as a whole number of twips: halves to even, held within 32 bits.
std::int32_t RoundTwips(float twips);

}  // namespace tavimor
