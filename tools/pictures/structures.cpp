// SPDX-License-Identifier: GPL-3.0-or-later
// Resource generators (tools/pictures/): see structures.h.
#include "structures.h"

#include <cmath>
#include <numbers>
#include <stdexcept>

namespace tavimor::pictures {
namespace {

constexpr double kPi = std::numbers::pi;
const double kHalfRoot3 = std::sqrt(3.0) / 2;  // the sideways step of a 30-degree branch

struct Point {
    double x;
    double y;
};

// Builds one structure on the common backbone.
class Builder {
public:
    // Atoms 0 to 3: the alpha carbon, COO⁻ above, the amino group to the left, H to the right.
    Builder(int id, std::string threeLetter, const char *amino = "H3N+")
    {
        m_structure.id = id;
        m_structure.threeLetter = std::move(threeLetter);
        Add("C", 0, 0);
        Add("COO−", 0, -1);
        Add(amino, -1, 0);
        Add("H", 1, 0);
        Single(0, 1);
        Single(0, 2);
        Single(0, 3);
    }

    int Add(const char *label, double x, double y)
    {
        m_structure.atoms.push_back({label, x, y});
        return static_cast<int>(m_structure.atoms.size()) - 1;
    }
    int Add(const char *label, Point p) { return Add(label, p.x, p.y); }
    void Single(int a, int b) { m_structure.bonds.push_back({a, b, 1}); }
    void Double(int a, int b) { m_structure.bonds.push_back({a, b, 2}); }
    void RingDouble(int a, int b, Point centre)
    {
        m_structure.bonds.push_back({a, b, 2, true, centre.x, centre.y});
    }

    // A chain straight down from `from`, one atom per label; returns the last atom.
    int Chain(int from, std::initializer_list<const char *> labels)
    {
        const Atom start = m_structure.atoms[static_cast<std::size_t>(from)];
        int previous = from;
        double y = start.y;
        for (const char *label : labels) {
            y += 1;
            const int atom = Add(label, start.x, y);
            Single(previous, atom);
            previous = atom;
        }
        return previous;
    }

    // A carbonyl carbon below `from`: C(=O) with `other` on its right (O⁻ or NH2).
    void CarbonylBelow(int from, const char *other)
    {
        const Atom start = m_structure.atoms[static_cast<std::size_t>(from)];
        const int c = Add("C", start.x, start.y + 1);
        Single(from, c);
        Double(c, Add("O", start.x - kHalfRoot3, start.y + 1.5));
        Single(c, Add(other, start.x + kHalfRoot3, start.y + 1.5));
    }

    // A benzene ring hanging below `from`, Kekulé bonds; returns the para corner.
    int BenzeneBelow(int from)
    {
        const Atom start = m_structure.atoms[static_cast<std::size_t>(from)];
        const Point centre{start.x, start.y + 2};
        int corners[6];
        for (int k = 0; k < 6; ++k) {
            const double angle = -kPi / 2 + k * kPi / 3;
            corners[k] = Add("", centre.x + std::cos(angle), centre.y + std::sin(angle));
        }
        Single(from, corners[0]);
        for (int k = 0; k < 6; ++k) {
            const int a = corners[k];
            const int b = corners[(k + 1) % 6];
            if (k % 2 == 0) {
                RingDouble(a, b, centre);
            } else {
                Single(a, b);
            }
        }
        return corners[3];
    }

    const Atom &At(int atom) const { return m_structure.atoms[static_cast<std::size_t>(atom)]; }
    Structure Done() { return std::move(m_structure); }

private:
    Structure m_structure;
};

// The corners of a regular pentagon with unit sides hanging below the point `top`, clockwise
// from the top: top, upper right, lower right, lower left, upper left.
std::vector<Point> PentagonBelow(Point top, Point *centre)
{
    const double radius = 1 / (2 * std::sin(kPi / 5));
    *centre = {top.x, top.y + radius};
    std::vector<Point> corners;
    for (int k = 0; k < 5; ++k) {
        const double angle = -kPi / 2 + k * 2 * kPi / 5;
        corners.push_back(
            {centre->x + radius * std::cos(angle), centre->y + radius * std::sin(angle)});
    }
    return corners;
}

Structure Alanine()
{
    Builder b(1, "Ala");
    b.Chain(0, {"CH3"});
    return b.Done();
}

Structure Arginine()
{
    Builder b(2, "Arg");
    const int nh = b.Chain(0, {"CH2", "CH2", "CH2", "NH"});
    const int c = b.Chain(nh, {"C"});
    const Atom &centre = b.At(c);
    const double x = centre.x;
    const double y = centre.y;
    b.Single(c, b.Add("H2N", x - kHalfRoot3, y + 0.5));
    b.Double(c, b.Add("NH2+", x + kHalfRoot3, y + 0.5));
    return b.Done();
}

Structure Asparagine()
{
    Builder b(3, "Asn");
    b.CarbonylBelow(b.Chain(0, {"CH2"}), "NH2");
    return b.Done();
}

Structure AsparticAcid()
{
    Builder b(4, "Asp");
    b.CarbonylBelow(b.Chain(0, {"CH2"}), "O−");
    return b.Done();
}

Structure Cysteine()
{
    Builder b(5, "Cys");
    b.Chain(0, {"CH2", "SH"});
    return b.Done();
}

Structure Glutamine()
{
    Builder b(6, "Gln");
    b.CarbonylBelow(b.Chain(0, {"CH2", "CH2"}), "NH2");
    return b.Done();
}

Structure GlutamicAcid()
{
    Builder b(7, "Glu");
    b.CarbonylBelow(b.Chain(0, {"CH2", "CH2"}), "O−");
    return b.Done();
}

Structure Glycine()
{
    Builder b(8, "Gly");
    b.Chain(0, {"H"});
    return b.Done();
}

Structure Histidine()
{
    // Imidazolium attached at C4: C4=C5, C5-N3(H+), N3=C2, C2-N1(H), N1-C4.
    Builder b(9, "His");
    const int beta = b.Chain(0, {"CH2"});
    Point centre{};
    const auto p = PentagonBelow({b.At(beta).x, b.At(beta).y + 1}, &centre);
    const int c4 = b.Add("", p[0]);
    const int c5 = b.Add("", p[1]);
    const int n3 = b.Add("NH+", p[2]);
    const int c2 = b.Add("", p[3]);
    const int n1 = b.Add("HN", p[4]);
    b.Single(beta, c4);
    b.RingDouble(c4, c5, centre);
    b.Single(c5, n3);
    b.RingDouble(n3, c2, centre);
    b.Single(c2, n1);
    b.Single(n1, c4);
    return b.Done();
}

Structure Isoleucine()
{
    // The beta carbon's own H stands to its left, so the branch to the right leaves the C.
    Builder b(10, "Ile");
    const int beta = b.Chain(0, {"HC"});
    b.Single(beta, b.Add("CH3", 1, 1));
    b.Chain(beta, {"CH2", "CH3"});
    return b.Done();
}

Structure Leucine()
{
    Builder b(11, "Leu");
    const int gamma = b.Chain(0, {"CH2", "CH"});
    b.Single(gamma, b.Add("H3C", -kHalfRoot3, 2.5));
    b.Single(gamma, b.Add("CH3", kHalfRoot3, 2.5));
    return b.Done();
}

Structure Lysine()
{
    Builder b(12, "Lys");
    b.Chain(0, {"CH2", "CH2", "CH2", "CH2", "NH3+"});
    return b.Done();
}

Structure Methionine()
{
    // The thioether's methyl turns aside, as sulphur's bonds are angled.
    Builder b(13, "Met");
    const int sulphur = b.Chain(0, {"CH2", "CH2", "S"});
    b.Single(sulphur, b.Add("CH3", kHalfRoot3, b.At(sulphur).y + 0.5));
    return b.Done();
}

Structure Phenylalanine()
{
    Builder b(14, "Phe");
    b.BenzeneBelow(b.Chain(0, {"CH2"}));
    return b.Done();
}

Structure Proline()
{
    // The ring closes from the alpha carbon back to the nitrogen: N-Ca-Cb-Cg-Cd-N.
    Builder b(15, "Pro", "H2N+");
    const double radius = 1 / (2 * std::sin(kPi / 5));
    const Point centre{-0.5, radius * std::cos(kPi / 5)};
    const auto corner = [&](int k) {
        // Corners clockwise from the alpha carbon (upper right of the ring).
        const double start = std::atan2(0 - centre.y, 0 - centre.x);
        const double angle = start + k * 2 * kPi / 5;
        return Point{centre.x + radius * std::cos(angle), centre.y + radius * std::sin(angle)};
    };
    const int cb = b.Add("CH2", corner(1));
    const int cg = b.Add("CH2", corner(2));
    const int cd = b.Add("H2C", corner(3));
    b.Single(0, cb);
    b.Single(cb, cg);
    b.Single(cg, cd);
    b.Single(cd, 2);
    return b.Done();
}

Structure Serine()
{
    Builder b(16, "Ser");
    b.Chain(0, {"CH2", "OH"});
    return b.Done();
}

Structure Threonine()
{
    Builder b(17, "Thr");
    const int beta = b.Chain(0, {"HC"});
    b.Single(beta, b.Add("OH", 1, 1));
    b.Chain(beta, {"CH3"});
    return b.Done();
}

Structure Tryptophan()
{
    // Indole attached at C3. Pyrrole ring C3, C3a, C7a, N1, C2; benzene fused on C3a-C7a.
    Builder b(18, "Trp");
    const int beta = b.Chain(0, {"CH2"});
    Point five{};
    const auto p = PentagonBelow({b.At(beta).x, b.At(beta).y + 1}, &five);
    const int c3 = b.Add("", p[0]);
    const int c3a = b.Add("", p[1]);
    const int c7a = b.Add("", p[2]);
    const int n1 = b.Add("HN", p[3]);
    const int c2 = b.Add("", p[4]);
    b.Single(beta, c3);
    b.Single(c3, c3a);
    b.Single(c3a, c7a);
    b.Single(c7a, n1);
    b.Single(n1, c2);
    b.RingDouble(c2, c3, five);

    // The benzene ring: its centre lies beyond the shared side, away from the pyrrole ring.
    const Point mid{(p[1].x + p[2].x) / 2, (p[1].y + p[2].y) / 2};
    const double nx = mid.x - five.x;
    const double ny = mid.y - five.y;
    const double length = std::hypot(nx, ny);
    const Point six{mid.x + nx / length * std::sqrt(3.0) / 2,
                    mid.y + ny / length * std::sqrt(3.0) / 2};
    const auto rotate = [&](Point q, double angle) {
        const double dx = q.x - six.x;
        const double dy = q.y - six.y;
        return Point{six.x + dx * std::cos(angle) - dy * std::sin(angle),
                     six.y + dx * std::sin(angle) + dy * std::cos(angle)};
    };
    // Walk from C3a away from C7a: C4, C5, C6, C7.
    const Point towardC7a = rotate(p[1], kPi / 3);
    const double step =
        std::hypot(towardC7a.x - p[2].x, towardC7a.y - p[2].y) < 1e-6 ? -kPi / 3 : kPi / 3;
    int ring[6] = {c3a, 0, 0, 0, 0, c7a};
    for (int k = 1; k <= 4; ++k) {
        ring[k] = b.Add("", rotate(p[1], step * k));
    }
    b.RingDouble(ring[0], ring[1], six);
    b.Single(ring[1], ring[2]);
    b.RingDouble(ring[2], ring[3], six);
    b.Single(ring[3], ring[4]);
    b.RingDouble(ring[4], ring[5], six);
    return b.Done();
}

Structure Tyrosine()
{
    Builder b(19, "Tyr");
    const int para = b.BenzeneBelow(b.Chain(0, {"CH2"}));
    b.Chain(para, {"OH"});
    return b.Done();
}

Structure Valine()
{
    Builder b(20, "Val");
    const int beta = b.Chain(0, {"CH"});
    b.Single(beta, b.Add("H3C", -kHalfRoot3, 1.5));
    b.Single(beta, b.Add("CH3", kHalfRoot3, 1.5));
    return b.Done();
}

bool IsUpper(char c)
{
    return c >= 'A' && c <= 'Z';
}
bool IsLower(char c)
{
    return c >= 'a' && c <= 'z';
}
bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

const std::string kMinus = "−";

}  // namespace

const std::vector<Structure> &AminoAcidStructures()
{
    static const std::vector<Structure> structures = {
        Alanine(),   Arginine(),     Asparagine(), AsparticAcid(),  Cysteine(),
        Glutamine(), GlutamicAcid(), Glycine(),    Histidine(),     Isoleucine(),
        Leucine(),   Lysine(),       Methionine(), Phenylalanine(), Proline(),
        Serine(),    Threonine(),    Tryptophan(), Tyrosine(),      Valine(),
    };
    return structures;
}

std::vector<LabelRun> SplitLabel(const std::string &label)
{
    std::vector<LabelRun> runs;
    std::size_t i = 0;
    while (i < label.size()) {
        if (IsUpper(label[i])) {
            std::string symbol(1, label[i++]);
            if (i < label.size() && IsLower(label[i])) {
                symbol += label[i++];
            }
            runs.push_back({LabelRun::Kind::Normal, symbol});
        } else if (IsDigit(label[i])) {
            std::string digits;
            while (i < label.size() && IsDigit(label[i])) {
                digits += label[i++];
            }
            runs.push_back({LabelRun::Kind::Subscript, digits});
        } else if (label[i] == '+') {
            runs.push_back({LabelRun::Kind::Superscript, "+"});
            ++i;
        } else if (label.compare(i, kMinus.size(), kMinus) == 0) {
            runs.push_back({LabelRun::Kind::Superscript, kMinus});
            i += kMinus.size();
        } else {
            throw std::invalid_argument("unknown character in label " + label);
        }
    }
    return runs;
}

int AnchorRun(const std::vector<LabelRun> &runs)
{
    if (!runs.empty() && runs[0].text == "H") {
        for (std::size_t i = 1; i < runs.size(); ++i) {
            if (runs[i].kind == LabelRun::Kind::Normal && runs[i].text != "H") {
                return static_cast<int>(i);
            }
        }
    }
    return 0;
}

Composition CompositionOf(const Structure &structure)
{
    Composition composition;
    std::vector<int> bondOrders(structure.atoms.size(), 0);
    for (const Bond &bond : structure.bonds) {
        bondOrders[static_cast<std::size_t>(bond.from)] += bond.order;
        bondOrders[static_cast<std::size_t>(bond.to)] += bond.order;
    }
    for (std::size_t i = 0; i < structure.atoms.size(); ++i) {
        const std::string &label = structure.atoms[i].label;
        if (label.empty()) {
            ++composition.elements["C"];
            composition.elements["H"] += 4 - bondOrders[i];
            continue;
        }
        std::string last;
        for (const LabelRun &run : SplitLabel(label)) {
            switch (run.kind) {
                case LabelRun::Kind::Normal:
                    last = run.text;
                    ++composition.elements[last];
                    break;
                case LabelRun::Kind::Subscript:
                    composition.elements[last] += std::stoi(run.text) - 1;
                    break;
                case LabelRun::Kind::Superscript:
                    composition.charge += run.text == "+" ? 1 : -1;
                    break;
            }
        }
    }
    return composition;
}

std::string HillFormula(const Composition &composition)
{
    std::string formula;
    const auto append = [&](const std::string &element) {
        const auto it = composition.elements.find(element);
        if (it == composition.elements.end() || it->second == 0) {
            return;
        }
        formula += element;
        if (it->second > 1) {
            formula += std::to_string(it->second);
        }
    };
    append("C");
    append("H");
    for (const auto &[element, count] : composition.elements) {
        if (element != "C" && element != "H") {
            append(element);
        }
    }
    return formula;
}

}  // namespace tavimor::pictures
