#include "acid_catalogue.h"

#include <stdexcept>

namespace tavimor {

const std::string &AcidCatalogue::Text(int form, int row) const
{
    if (form < 0 || form >= kColumnCount || row < kFirstRow || row > kLastRow) {
        throw std::out_of_range("AcidCatalogue: no cell at form " + std::to_string(form) +
                                ", row " + std::to_string(row));
    }
    return m_texts[static_cast<std::size_t>(form)][static_cast<std::size_t>(row - 1)];
}

AcidCatalogue BuildAcidCatalogue()
{
    struct Entry {
        const char *oneLetter;
        const char *threeLetter;
        const char *name;
    };
    static constexpr Entry kEntries[AcidCatalogue::kRowCount] = {
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
    std::array<std::array<std::string, AcidCatalogue::kRowCount>, AcidCatalogue::kColumnCount>
        texts;
    for (std::size_t row = 0; row < AcidCatalogue::kRowCount; ++row) {
        texts[0][row] = kEntries[row].oneLetter;
        texts[1][row] = kEntries[row].threeLetter;
        texts[2][row] = kEntries[row].name;
    }
    AcidCatalogue catalogue;
    catalogue.Assign(texts);
    return catalogue;
}

}  // namespace tavimor
