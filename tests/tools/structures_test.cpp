// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the structure pictures' drawing data: atoms, bonds and labels of the 20 acids.
#include "structures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace tavimor::pictures {
namespace {

const Structure &ById(int id)
{
    return AminoAcidStructures().at(static_cast<std::size_t>(id - 1));
}

// Each formula against the acid's known formula, as its zwitterion at pH 7: the side chains of
// Asp and Glu as carboxylates, of Lys as ammonium, of Arg as guanidinium, of His as imidazolium.
TEST(Structures, FormulasAndChargesAreThoseOfTheAcidsAtNeutralPh)
{
    const struct {
        int id;
        const char *threeLetter;
        const char *formula;
        int charge;
    } acids[] = {
        {1, "Ala", "C3H7NO2", 0},    {2, "Arg", "C6H15N4O2", 1}, {3, "Asn", "C4H8N2O3", 0},
        {4, "Asp", "C4H6NO4", -1},   {5, "Cys", "C3H7NO2S", 0},  {6, "Gln", "C5H10N2O3", 0},
        {7, "Glu", "C5H8NO4", -1},   {8, "Gly", "C2H5NO2", 0},   {9, "His", "C6H10N3O2", 1},
        {10, "Ile", "C6H13NO2", 0},  {11, "Leu", "C6H13NO2", 0}, {12, "Lys", "C6H15N2O2", 1},
        {13, "Met", "C5H11NO2S", 0}, {14, "Phe", "C9H11NO2", 0}, {15, "Pro", "C5H9NO2", 0},
        {16, "Ser", "C3H7NO3", 0},   {17, "Thr", "C4H9NO3", 0},  {18, "Trp", "C11H12N2O2", 0},
        {19, "Tyr", "C9H11NO3", 0},  {20, "Val", "C5H11NO2", 0},
    };
    ASSERT_EQ(AminoAcidStructures().size(), 20u);
    for (const auto &acid : acids) {
        SCOPED_TRACE(acid.threeLetter);
        const Structure &s = ById(acid.id);
        EXPECT_EQ(s.id, acid.id);
        EXPECT_EQ(s.threeLetter, acid.threeLetter);
        const Composition composition = CompositionOf(s);
        EXPECT_EQ(HillFormula(composition), acid.formula);
        EXPECT_EQ(composition.charge, acid.charge);
    }
}

TEST(Structures, EveryAcidSharesTheBackboneWithItsSideChainBelow)
{
    for (const Structure &s : AminoAcidStructures()) {
        SCOPED_TRACE(s.threeLetter);
        ASSERT_GE(s.atoms.size(), 5u);
        EXPECT_EQ(s.atoms[0].label, "C");
        EXPECT_EQ(s.atoms[1].label, "COO−");
        EXPECT_LT(s.atoms[1].y, s.atoms[0].y);
        EXPECT_LT(s.atoms[2].x, s.atoms[0].x);
        EXPECT_EQ(s.atoms[2].label, s.threeLetter == "Pro" ? "H2N+" : "H3N+");
        EXPECT_EQ(s.atoms[3].label, "H");
        EXPECT_GT(s.atoms[3].x, s.atoms[0].x);
        for (std::size_t i = 4; i < s.atoms.size(); ++i) {
            EXPECT_GT(s.atoms[i].y, 0.5) << "atom " << i << " " << s.atoms[i].label;
        }
        for (const Bond &bond : s.bonds) {
            const Atom &a = s.atoms[static_cast<std::size_t>(bond.from)];
            const Atom &b = s.atoms[static_cast<std::size_t>(bond.to)];
            EXPECT_NEAR(std::hypot(a.x - b.x, a.y - b.y), 1.0, 1e-9);
        }
    }
}

// Neighbours of an atom.
std::vector<int> Neighbours(const Structure &s, int atom)
{
    std::vector<int> result;
    for (const Bond &bond : s.bonds) {
        if (bond.from == atom) {
            result.push_back(bond.to);
        } else if (bond.to == atom) {
            result.push_back(bond.from);
        }
    }
    return result;
}

int CarbonNeighbours(const Structure &s, int atom)
{
    int count = 0;
    for (int n : Neighbours(s, atom)) {
        const std::string &label = s.atoms[static_cast<std::size_t>(n)].label;
        count += label.empty() || label.starts_with("C") || label.ends_with("C");
    }
    return count;
}

TEST(Structures, BranchesAndRingsSitWhereTheyBelong)
{
    // The side chain starts at the atom bonded to the alpha carbon below it.
    const auto beta = [](const Structure &s) {
        for (int n : Neighbours(s, 0)) {
            if (n >= 4) {
                return n;
            }
        }
        return -1;
    };
    // Ile and Val branch at their beta carbon, Leu at its gamma carbon.
    EXPECT_EQ(CarbonNeighbours(ById(10), beta(ById(10))), 3);
    EXPECT_EQ(CarbonNeighbours(ById(20), beta(ById(20))), 3);
    const Structure &leu = ById(11);
    EXPECT_EQ(CarbonNeighbours(leu, beta(leu)), 2);
    int gamma = -1;
    for (int n : Neighbours(leu, beta(leu))) {
        if (n != 0) {
            gamma = n;
        }
    }
    EXPECT_EQ(CarbonNeighbours(leu, gamma), 3);

    // Tyr's OH stands para to the ring's attachment: across the unit hexagon.
    const Structure &tyr = ById(19);
    const int ipso = Neighbours(tyr, beta(tyr)).back();
    int oh = -1;
    for (std::size_t i = 0; i < tyr.atoms.size(); ++i) {
        if (tyr.atoms[i].label == "OH") {
            oh = static_cast<int>(i);
        }
    }
    ASSERT_GE(oh, 0);
    const Atom &carrier = tyr.atoms[static_cast<std::size_t>(Neighbours(tyr, oh).front())];
    const Atom &attached = tyr.atoms[static_cast<std::size_t>(ipso)];
    EXPECT_NEAR(std::hypot(carrier.x - attached.x, carrier.y - attached.y), 2.0, 1e-9);

    // Phe keeps its CH2 between the alpha carbon and the ring.
    EXPECT_EQ(ById(14).atoms[static_cast<std::size_t>(beta(ById(14)))].label, "CH2");

    // Trp attaches at indole C3: a ring carbon of the five-membered ring next to the fused pair.
    const Structure &trp = ById(18);
    const int c3 = Neighbours(trp, beta(trp)).back();
    int fusedNeighbours = 0;
    for (int n : Neighbours(trp, c3)) {
        if (trp.atoms[static_cast<std::size_t>(n)].label.empty() &&
            Neighbours(trp, n).size() == 3) {
            ++fusedNeighbours;
        }
    }
    EXPECT_EQ(fusedNeighbours, 1);

    // His attaches at imidazole C4: one ring neighbour is a nitrogen, the other a carbon.
    const Structure &his = ById(9);
    const int c4 = Neighbours(his, beta(his)).back();
    std::set<std::string> ringNeighbours;
    for (int n : Neighbours(his, c4)) {
        if (n != beta(his)) {
            ringNeighbours.insert(his.atoms[static_cast<std::size_t>(n)].label);
        }
    }
    EXPECT_EQ(ringNeighbours, (std::set<std::string>{"", "HN"}));

    // Proline's ring closes back to its nitrogen.
    const Structure &pro = ById(15);
    EXPECT_EQ(Neighbours(pro, 2).size(), 2u);
}

TEST(Structures, LabelsSplitIntoDrawnRuns)
{
    const auto runs = SplitLabel("H3N+");
    ASSERT_EQ(runs.size(), 4u);
    EXPECT_EQ(runs[1].kind, LabelRun::Kind::Subscript);
    EXPECT_EQ(runs[3].kind, LabelRun::Kind::Superscript);
    EXPECT_EQ(AnchorRun(runs), 2);
    EXPECT_EQ(AnchorRun(SplitLabel("CH3")), 0);
    EXPECT_EQ(AnchorRun(SplitLabel("H3C")), 2);
    EXPECT_EQ(AnchorRun(SplitLabel("H")), 0);
    EXPECT_THROW(SplitLabel("C#"), std::invalid_argument);
}

}  // namespace
}  // namespace tavimor::pictures
