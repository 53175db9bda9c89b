// SPDX-License-Identifier: GPL-3.0-or-later
// Drill rules (drill/), plain C++: see acid_catalogue.h.
#include "acid_catalogue.h"

#include <stdexcept>

namespace tavimor {

std::size_t AcidCatalogue::Cell(int form, int row)
{
    if (form < 0 || form >= kColumnCount || row < kFirstRow || row > kLastRow) {
        throw std::out_of_range("AcidCatalogue: no cell at form " + std::to_string(form) +
                                ", row " + std::to_string(row));
    }
    return static_cast<std::size_t>(form * kRowCount + row - 1);
}

const std::string &AcidCatalogue::Text(int form, int row) const
{
    return m_texts[Cell(form, row)];
}

void AcidCatalogue::SetText(int form, int row, std::string text)
{
    m_texts[Cell(form, row)] = std::move(text);
}

namespace {

struct Entry {
    const char *oneLetter;
    const char *threeLetter;
    const char *name;
};
constexpr Entry kEntries[AcidCatalogue::kRowCount] = {
    {"A", "Ala", "アラニン"},      {"R", "Arg", "アルギニン"},
    {"N", "Asn", "アスパラギン"},  {"D", "Asp", "アスパラギン酸"},
    {"C", "Cys", "システイン"},    {"Q", "Gln", "グルタミン"},
    {"E", "Glu", "グルタミン酸"},  {"G", "Gly", "グリシン"},
    {"H", "His", "ヒスチジン"},    {"I", "Ile", "イソロイシン"},
    {"L", "Leu", "ロイシン"},      {"K", "Lys", "リシン"},
    {"M", "Met", "メチオニン"},    {"F", "Phe", "フェニルアラニン"},
    {"P", "Pro", "プロリン"},      {"S", "Ser", "セリン"},
    {"T", "Thr", "スレオニン"},    {"W", "Trp", "トリプトファン"},
    {"Y", "Tyr", "チロシン"},      {"V", "Val", "バリン"},
    {"B", "Asx", "アスパラギンX"},  // the final X is the Latin capital letter
    {"Z", "Glx", "グルタミンX"},
};

}  // namespace

AcidCatalogue BuildAcidCatalogue()
{
    AcidCatalogue catalogue;
    for (int row = AcidCatalogue::kFirstRow; row <= AcidCatalogue::kLastRow; ++row) {
        const Entry &entry = kEntries[row - 1];
        catalogue.SetText(0, row, entry.oneLetter);
        catalogue.SetText(1, row, entry.threeLetter);
        catalogue.SetText(2, row, entry.name);
    }
    return catalogue;
}

}  // namespace tavimor
