// SPDX-License-Identifier: GPL-3.0-or-later
// The structural formulas of the 20 amino acids as data: atoms with their labels and places,
// and the bonds between them. Each acid is drawn as its zwitterion at pH 7, in one arrangement:
// the alpha carbon in the upper middle, COO⁻ above it, H₃N⁺ to its left, H to its right and the
// side chain downwards. Places are in bond lengths, x to the right and y downwards.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace tavimor::pictures {

struct Atom {
    // An element or a condensed group ("CH2", "NH3+", "COO−", "H3N+"); empty for a carbon of a
    // ring drawn as a bare corner, whose hydrogens are implied.
    std::string label;
    double x = 0;
    double y = 0;
};

struct Bond {
    int from = 0;
    int to = 0;
    int order = 1;
    // For a double bond in a ring: the ring's centre, towards which the second line is drawn.
    bool inRing = false;
    double ringX = 0;
    double ringY = 0;
};

struct Structure {
    int id = 0;  // the picture's resource id, which is the acid's catalogue row
    std::string threeLetter;
    std::vector<Atom> atoms;
    std::vector<Bond> bonds;
};

// The 20 structures, ids 1 to 20.
const std::vector<Structure> &AminoAcidStructures();

// Element counts ("C", "H", "N", "O", "S") and net charge of a structure, counting the
// hydrogens a bare ring carbon implies.
struct Composition {
    std::map<std::string, int> elements;
    int charge = 0;
};
Composition CompositionOf(const Structure &structure);

// The formula written in Hill order ("C3H7NO2").
std::string HillFormula(const Composition &composition);

// A label split into the runs it is drawn with: element symbols as normal text, counts as
// subscripts, charges as superscripts.
struct LabelRun {
    enum class Kind { Normal, Subscript, Superscript } kind = Kind::Normal;
    std::string text;
};
std::vector<LabelRun> SplitLabel(const std::string &label);
// The index of the run that stands on the atom's place: the heavy atom that carries the bonds
// ("N" in "H3N+", "C" in "H3C").
int AnchorRun(const std::vector<LabelRun> &runs);

}  // namespace tavimor::pictures
