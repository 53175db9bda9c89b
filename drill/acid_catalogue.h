// SPDX-License-Identifier: GPL-3.0-or-later
// The 22 entries the drill asks about: the 20 standard amino acids and the two ambiguity codes
// B/Asx and Z/Glx, each in three written notations. A row number (1 to 22) is an entry's
// identity everywhere in the drill; the structure picture of rows 1 to 20 has the row as its id.
// Drill rules (drill/), plain C++.
#pragma once

#include <array>
#include <string>

namespace tavimor {

// How an entry is shown in a question or an answer; also the option index of the two form
// selectors on the main window.
enum class NotationForm : int {
    OneLetter = 0,
    ThreeLetter = 1,
    Name = 2,
    Picture = 3,  // a question form only: the catalogue has no column for it
};

class AcidCatalogue {
public:
    static constexpr int kFirstRow = 1;
    static constexpr int kLastRow = 22;
    static constexpr int kRowCount = 22;
    static constexpr int kColumnCount = 3;  // OneLetter, ThreeLetter, Name
    static constexpr int kPictureRowCount = 20;

    // The text of entry `row` (1 to 22) in the written form `form` (0 to 2). Throws
    // std::out_of_range outside these bounds. Empty until the catalogue is built.
    const std::string &Text(int form, int row) const;

    // Sets the text of entry `row` in the written form `form`, within the bounds of Text.
    void SetText(int form, int row, std::string text);

private:
    static std::size_t Cell(int form, int row);

    std::array<std::string, std::size_t{kColumnCount} * kRowCount> m_texts;
};

// The catalogue with all 66 cells filled; rows 1 to 20 in the order of their three-letter codes,
// then Asx and Glx.
AcidCatalogue BuildAcidCatalogue();

}  // namespace tavimor
