// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the amino acid catalogue: its 22 rows in the three written forms.
#include "acid_catalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

namespace tavimor {
namespace {

TEST(AcidCatalogue, EveryColumnHoldsTwentyTwoDistinctFilledTexts)
{
    const AcidCatalogue catalogue = BuildAcidCatalogue();
    for (int form = 0; form < AcidCatalogue::kColumnCount; ++form) {
        std::set<std::string> seen;
        for (int row = 1; row <= 22; ++row) {
            const std::string &text = catalogue.Text(form, row);
            EXPECT_FALSE(text.empty()) << form << "/" << row;
            EXPECT_TRUE(seen.insert(text).second) << "duplicate " << text;
        }
    }
}

TEST(AcidCatalogue, RowsAreInTheDrillsOrder)
{
    const AcidCatalogue catalogue = BuildAcidCatalogue();
    const struct {
        int row;
        const char *oneLetter;
        const char *threeLetter;
        const char *name;
    } rows[] = {
        {1, "A", "Ala", "アラニン"},       {3, "N", "Asn", "アスパラギン"},
        {4, "D", "Asp", "アスパラギン酸"}, {8, "G", "Gly", "グリシン"},
        {12, "K", "Lys", "リシン"},        {14, "F", "Phe", "フェニルアラニン"},
        {17, "T", "Thr", "スレオニン"},    {18, "W", "Trp", "トリプトファン"},
        {20, "V", "Val", "バリン"},        {21, "B", "Asx", "アスパラギンX"},
        {22, "Z", "Glx", "グルタミンX"},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.row);
        EXPECT_EQ(catalogue.Text(0, r.row), r.oneLetter);
        EXPECT_EQ(catalogue.Text(1, r.row), r.threeLetter);
        EXPECT_EQ(catalogue.Text(2, r.row), r.name);
    }
}

TEST(AcidCatalogue, AmbiguityNamesEndInTheLatinCapitalX)
{
    const AcidCatalogue catalogue = BuildAcidCatalogue();
    for (int row : {21, 22}) {
        const std::string &name = catalogue.Text(2, row);
        ASSERT_FALSE(name.empty());
        EXPECT_EQ(name.back(), '\x58');  // not the full-width Ｘ, which ends in other bytes
    }
}

TEST(AcidCatalogue, ThreeLetterCodesOfTheAcidsAscend)
{
    const AcidCatalogue catalogue = BuildAcidCatalogue();
    for (int row = 2; row <= 20; ++row) {
        EXPECT_LT(catalogue.Text(1, row - 1), catalogue.Text(1, row));
    }
}

TEST(AcidCatalogue, CellsOutsideTheTableAreRefused)
{
    const AcidCatalogue catalogue = BuildAcidCatalogue();
    EXPECT_THROW(catalogue.Text(0, 0), std::out_of_range);
    EXPECT_THROW(catalogue.Text(0, 23), std::out_of_range);
    EXPECT_THROW(catalogue.Text(3, 1), std::out_of_range);
    EXPECT_THROW(catalogue.Text(-1, 1), std::out_of_range);
}

}  // namespace
}  // namespace tavimor
