// SPDX-License-Identifier: GPL-3.0-or-later
// Draws every picture of the program and writes it into resources/: the 20 structure pictures
// (8-bit grey bitmaps without file header, ids 1 to 20), the table picture (a 1-bit BMP file),
// both also drawn at twice and three times the scale for high-resolution displays (grey PNG
// files named with @2x and @3x), the program icon (a 16-colour ICO file), the icon as PNG files
// for the desktop's menus and as an XPM image that the program compiles in.
// Running it again reproduces the same bytes. Usage: generate_pictures <resources folder>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <cstdio>
#include <vector>

#include "acid_catalogue.h"
#include "structures.h"

using tavimor::pictures::Atom;
using tavimor::pictures::Bond;
using tavimor::pictures::LabelRun;
using tavimor::pictures::Structure;

namespace {

constexpr int kSide = 120;                // structure pictures are 120 x 120
constexpr int kDisplayScales[] = {2, 3};  // variants drawn for high-resolution displays
constexpr double kMargin = 2;             // free pixels kept around a formula
constexpr double kLargestBond = 30;       // short formulas are not blown up beyond this bond length
constexpr double kLineWidth = 0.1;        // bond lines, in bond lengths
constexpr double kThinnestLine = 2.2;     // pixels
constexpr double kTextSize = 0.52;        // label height, in bond lengths
constexpr int kSmallestText = 11;         // pixels
constexpr bool kBoldLabels = true;
constexpr double kLargestTextScale = 1.4;
constexpr double kShortestBond = 5;
constexpr double kLabelGap = 1.5;  // pixels between a label's letters and its bonds  // pixels of a
                                   // bond line left visible between labels
constexpr double kWhitest = 0.915;  // share of white pixels a picture may have at most

// ---------------------------------------------------------------- little-endian byte writing

class Bytes {
public:
    void U8(int v) { m_data.push_back(static_cast<char>(v & 0xFF)); }
    void U16(int v)
    {
        U8(v);
        U8(v >> 8);
    }
    void U32(std::int64_t v)
    {
        U16(static_cast<int>(v & 0xFFFF));
        U16(static_cast<int>((v >> 16) & 0xFFFF));
    }
    void Append(const QByteArray &more) { m_data.append(more); }
    const QByteArray &Data() const { return m_data; }

private:
    QByteArray m_data;
};

void Write(const QString &path, const QByteArray &data)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
}

// ---------------------------------------------------------------- structure pictures

struct PlacedLabel {
    QRectF box;                // the label's ink box, in pixels
    std::vector<QRectF> inks;  // the ink box of each run
    std::vector<std::pair<QPointF, LabelRun>> runs;
};

class StructureDrawing {
public:
    StructureDrawing(const Structure &s, double bond, double textScale)
        : m_s(s), m_bond(bond), m_lineWidth(std::max(kThinnestLine, bond * kLineWidth))
    {
        m_font = QFont(QStringLiteral("Tavimor Sans JP"));
        m_font.setBold(kBoldLabels);
        m_font.setPixelSize(static_cast<int>(
            std::lround(std::max<double>(kSmallestText, bond * kTextSize) * textScale)));
        m_small = m_font;
        m_small.setPixelSize(std::max(6, static_cast<int>(std::lround(m_font.pixelSize() * 0.7))));
        for (const Atom &atom : s.atoms) {
            m_labels.push_back(Place(atom));
        }
    }

    QRectF Bounds() const
    {
        QRectF bounds;
        for (std::size_t i = 0; i < m_s.atoms.size(); ++i) {
            const QRectF box = m_labels[i].box.isNull()
                                   ? QRectF(Position(i) - QPointF(1, 1), QSizeF(2, 2))
                                   : m_labels[i].box;
            bounds = bounds.isNull() ? box : bounds.united(box);
        }
        return bounds;
    }

    void Draw(QPainter &painter, QPointF offset) const
    {
        painter.save();
        painter.translate(offset);
        QPen pen(Qt::black, m_lineWidth);
        pen.setCapStyle(Qt::FlatCap);
        painter.setPen(pen);
        for (const Bond &bond : m_s.bonds) {
            DrawBond(painter, bond);
        }
        painter.setPen(Qt::black);
        for (const PlacedLabel &label : m_labels) {
            for (const auto &[origin, run] : label.runs) {
                painter.setFont(run.kind == LabelRun::Kind::Normal ? m_font : m_small);
                painter.drawText(origin, QString::fromStdString(run.text));
            }
        }
        painter.restore();
    }

    // The length of the shortest bond line as drawn between its labels.
    double ShortestBond() const
    {
        double shortest = m_bond;
        for (const Bond &bond : m_s.bonds) {
            const auto from = static_cast<std::size_t>(bond.from);
            const auto to = static_cast<std::size_t>(bond.to);
            const QPointF a = Trim(from, Position(from), Position(to));
            const QPointF b = Trim(to, Position(to), Position(from));
            shortest = std::min(shortest, std::hypot(b.x() - a.x(), b.y() - a.y()));
        }
        return shortest;
    }

private:
    QPointF Position(std::size_t atom) const
    {
        return {m_s.atoms[atom].x * m_bond, m_s.atoms[atom].y * m_bond};
    }

    PlacedLabel Place(const Atom &atom) const
    {
        PlacedLabel placed;
        if (atom.label.empty()) {
            return placed;
        }
        const auto runs = tavimor::pictures::SplitLabel(atom.label);
        const int anchor = tavimor::pictures::AnchorRun(runs);
        const QFontMetricsF big(m_font);
        const QFontMetricsF small(m_small);
        const auto width = [&](const LabelRun &run) {
            return (run.kind == LabelRun::Kind::Normal ? big : small)
                .horizontalAdvance(QString::fromStdString(run.text));
        };
        double before = 0;
        for (int i = 0; i < anchor; ++i) {
            before += width(runs[static_cast<std::size_t>(i)]);
        }
        const double capHeight = big.capHeight();
        const QPointF centre(atom.x * m_bond, atom.y * m_bond);
        double x = centre.x() - before - width(runs[static_cast<std::size_t>(anchor)]) / 2;
        const double baseline = centre.y() + capHeight / 2;
        for (const LabelRun &run : runs) {
            double y = baseline;
            if (run.kind == LabelRun::Kind::Subscript) {
                y += capHeight * 0.35;
            } else if (run.kind == LabelRun::Kind::Superscript) {
                y -= capHeight * 0.55;
            }
            placed.runs.push_back({QPointF(x, y), run});
            const QRectF ink = (run.kind == LabelRun::Kind::Normal ? big : small)
                                   .tightBoundingRect(QString::fromStdString(run.text))
                                   .translated(x, y);
            placed.box = placed.box.isNull() ? ink : placed.box.united(ink);
            placed.inks.push_back(ink);
            x += width(run);
        }
        return placed;
    }

    // Where the segment from `a` towards `b` last leaves the letters of the label at `a`, with a
    // small gap: a bond runs past a subscript beside its atom, not from the whole label's box.
    QPointF Trim(std::size_t atom, QPointF a, QPointF b) const
    {
        const std::vector<QRectF> &inks = m_labels[atom].inks;
        if (inks.empty()) {
            return a;
        }
        const auto inside = [&inks](QPointF p) {
            for (const QRectF &ink : inks) {
                if (ink.adjusted(-kLabelGap, -kLabelGap, kLabelGap, kLabelGap).contains(p)) {
                    return true;
                }
            }
            return false;
        };
        constexpr int kSteps = 400;
        int last = 0;
        for (int i = 0; i <= kSteps; ++i) {
            if (inside(a + (b - a) * (static_cast<double>(i) / kSteps))) {
                last = i;
            }
        }
        return a + (b - a) * (static_cast<double>(last + 1) / kSteps);
    }

    void DrawBond(QPainter &painter, const Bond &bond) const
    {
        const auto from = static_cast<std::size_t>(bond.from);
        const auto to = static_cast<std::size_t>(bond.to);
        const QPointF a0 = Position(from);
        const QPointF b0 = Position(to);
        const QPointF a = Trim(from, a0, b0);
        const QPointF b = Trim(to, b0, a0);
        const QPointF d = b0 - a0;
        const double length = std::hypot(d.x(), d.y());
        QPointF normal(-d.y() / length, d.x() / length);
        const double gap = m_bond * 0.16;
        if (bond.order == 1) {
            painter.drawLine(a, b);
        } else if (bond.inRing) {
            const QPointF centre(bond.ringX * m_bond, bond.ringY * m_bond);
            const QPointF mid = (a0 + b0) / 2;
            if (QPointF::dotProduct(centre - mid, normal) < 0) {
                normal = -normal;
            }
            painter.drawLine(a, b);
            const QPointF inner = normal * gap;
            const QPointF shorten = d / length * (m_bond * 0.14);
            const QPointF ia = (a == a0 ? a + shorten : a) + inner;
            const QPointF ib = (b == b0 ? b - shorten : b) + inner;
            painter.drawLine(ia, ib);
        } else {
            const QPointF half = normal * (gap / 2);
            painter.drawLine(a + half, b + half);
            painter.drawLine(a - half, b - half);
        }
    }

    const Structure &m_s;
    double m_bond;
    double m_lineWidth;
    QFont m_font;
    QFont m_small;
    std::vector<PlacedLabel> m_labels;
};

double WhiteShare(const QImage &image)
{
    int white = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            white += image.constScanLine(y)[x] == 255;
        }
    }
    return static_cast<double>(white) / (image.width() * image.height());
}

// Where a formula stands in its picture: its bond length, label scale and offset, chosen at the
// picture's designed size and kept for every display scale.
struct StructureLayout {
    double bond = kLargestBond;
    double textScale = 1.0;
    QPointF offset;
};

QImage RenderStructure(const Structure &s, const StructureLayout &layout, int scale)
{
    QImage image(kSide * scale, kSide * scale, QImage::Format_Grayscale8);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(scale, scale);
    StructureDrawing(s, layout.bond, layout.textScale).Draw(painter, layout.offset);
    painter.end();
    return image;
}

StructureLayout LayOutStructure(const Structure &s)
{
    // Formulas drawn small get larger labels, so that every picture is about as dark; labels
    // grow in steps until the picture is dark enough.
    StructureLayout chosen;
    for (double textScale = 1.0; textScale <= kLargestTextScale; textScale += 0.05) {
        // The largest bond length (in quarter pixels) whose drawing fits the square.
        double bond = kLargestBond;
        for (; bond > 6; bond -= 0.25) {
            const QRectF bounds = StructureDrawing(s, bond, textScale).Bounds();
            if (bounds.width() <= kSide - 2 * kMargin && bounds.height() <= kSide - 2 * kMargin) {
                break;
            }
        }
        const StructureDrawing drawing(s, bond, textScale);
        if (textScale > 1.0 && drawing.ShortestBond() < kShortestBond) {
            break;  // larger labels would leave a bond too short to see
        }
        const QRectF bounds = drawing.Bounds();
        chosen = {bond, textScale,
                  QPointF(std::round((kSide - bounds.width()) / 2 - bounds.left()),
                          std::round((kSide - bounds.height()) / 2 - bounds.top()))};
        if (WhiteShare(RenderStructure(s, chosen, 1)) <= kWhitest) {
            break;
        }
    }
    return chosen;
}

// A device-independent bitmap without file header: 8 bits, a 256-step grey palette.
QByteArray GreyDib(const QImage &image)
{
    Bytes out;
    out.U32(40);
    out.U32(image.width());
    out.U32(image.height());
    out.U16(1);
    out.U16(8);
    out.U32(0);
    out.U32(static_cast<std::int64_t>(image.width()) * image.height());
    out.U32(3780);
    out.U32(3780);
    out.U32(256);
    out.U32(0);
    for (int i = 0; i < 256; ++i) {
        out.U8(i);
        out.U8(i);
        out.U8(i);
        out.U8(0);
    }
    for (int y = image.height() - 1; y >= 0; --y) {
        out.Append(
            QByteArray(reinterpret_cast<const char *>(image.constScanLine(y)), image.width()));
    }
    return out.Data();
}

// ---------------------------------------------------------------- the table picture

constexpr int kTableWidth = 242;
constexpr int kTableHeight = 434;

// The table drawn smooth at a display scale: grey levels, white ground.
QImage DrawTable(int scale)
{
    constexpr int kColumns[] = {10, 141, 198, 231};
    const char *const kOrder[] = {"Ala", "Val", "Leu", "Ile", "Pro", "Phe", "Trp", "Met",
                                  "Gly", "Ser", "Thr", "Cys", "Gln", "Asn", "Tyr", "Lys",
                                  "Arg", "His", "Asp", "Glu", "Asx", "Glx"};
    const tavimor::AcidCatalogue catalogue = tavimor::BuildAcidCatalogue();

    QImage image(kTableWidth * scale, kTableHeight * scale, QImage::Format_Grayscale8);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(scale, scale);
    for (int x : kColumns) {
        painter.fillRect(x, 6, 2, 420, Qt::black);
    }
    for (int line = 0; line < 23; ++line) {
        painter.fillRect(10, 6 + 19 * line, 223, 2, Qt::black);
    }
    QFont font(QStringLiteral("Tavimor Sans JP"));
    font.setPixelSize(12);
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (int line = 0; line < 22; ++line) {
        int row = 0;
        for (int r = 1; r <= 22; ++r) {
            if (catalogue.Text(1, r) == kOrder[line]) {
                row = r;
            }
        }
        const int top = 8 + 19 * line;
        const int forms[] = {2, 1, 0};  // name, three-letter code, one-letter code
        for (int column = 0; column < 3; ++column) {
            const QRect cell(kColumns[column] + 5, top, kColumns[column + 1] - kColumns[column] - 7,
                             17);
            painter.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter,
                             QString::fromStdString(catalogue.Text(forms[column], row)));
        }
    }
    painter.end();
    return image;
}

// The table picture at its designed size: a 1-bit BMP file.
QByteArray TablePicture()
{
    constexpr int kWidth = kTableWidth;
    constexpr int kHeight = kTableHeight;
    const QImage image = DrawTable(1);

    Bytes out;
    const int rowBytes = 32;
    const int imageBytes = rowBytes * kHeight;
    out.U8('B');
    out.U8('M');
    out.U32(62 + imageBytes + 2);
    out.U32(0);
    out.U32(62);
    out.U32(40);
    out.U32(kWidth);
    out.U32(kHeight);
    out.U16(1);
    out.U16(1);
    out.U32(0);
    out.U32(imageBytes);
    out.U32(3779);
    out.U32(3779);
    out.U32(2);
    out.U32(0);
    out.U32(0x00FFFFFF);  // entry 0 white
    out.U32(0x00000000);  // entry 1 black
    for (int y = kHeight - 1; y >= 0; --y) {
        QByteArray row(rowBytes, '\0');
        const uchar *line = image.constScanLine(y);
        for (int x = 0; x < kWidth; ++x) {
            // Text is drawn smooth and then cut at a grey level: cleaner strokes than
            // drawing without smoothing from an unhinted font.
            if (line[x] < 150) {
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
            }
        }
        out.Append(row);
    }
    out.U16(0);
    return out.Data();
}

// ---------------------------------------------------------------- the icon

// The C=O and N-H of a peptide bond: blue C and O, red N and H, black bonds, on aqua.
const char *const kIcon[16] = {
    "................",  //
    ".BBB.........BB.",  //
    "B...B.......B..B",  //
    "B.....kkkk..B..B",  //
    "B...........B..B",  //
    "B.....kkkk..B..B",  //
    "B...B.......B..B",  //
    ".BBB.........BB.",  //
    "..k.............",  //
    "..k.............",  //
    "R..R.......R..R.",  //
    "RR.R.......R..R.",  //
    "R.RR.kkkkk.RRRR.",  //
    "R..R.......R..R.",  //
    "R..R.......R..R.",  //
    "................",  //
};

QByteArray ProgramIcon()
{
    // The standard 16-colour palette, as red, green, blue.
    const int palette[16][3] = {{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
                                {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
                                {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
                                {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
    const auto index = [](char c) {
        switch (c) {
            case 'k':
                return 0;
            case 'R':
                return 9;
            case 'B':
                return 12;
            default:
                return 14;  // aqua
        }
    };
    Bytes out;
    out.U16(0);
    out.U16(1);
    out.U16(1);
    out.U8(16);
    out.U8(16);
    out.U8(16);
    out.U8(0);
    out.U16(1);
    out.U16(4);
    out.U32(296);
    out.U32(22);
    out.U32(40);
    out.U32(16);
    out.U32(32);
    out.U16(1);
    out.U16(4);
    out.U32(0);
    out.U32(192);
    out.U32(0);
    out.U32(0);
    out.U32(0);
    out.U32(0);
    for (const auto &c : palette) {
        out.U8(c[2]);
        out.U8(c[1]);
        out.U8(c[0]);
        out.U8(0);
    }
    for (int y = 15; y >= 0; --y) {
        for (int x = 0; x < 16; x += 2) {
            out.U8((index(kIcon[y][x]) << 4) | index(kIcon[y][x + 1]));
        }
    }
    for (int i = 0; i < 64; ++i) {
        out.U8(0);  // opaque everywhere
    }
    return out.Data();
}

// The icon's 16-pixel drawing as an XPM image, which is C source: the program compiles it in and
// reads it with Qt's built-in XPM reader, with no image file to look up at start-up.
QByteArray IconXpm()
{
    QByteArray out =
        "/* XPM */\n"
        "// The program's icon, 16 x 16, written by tools/pictures/generate_pictures.\n"
        "static const char *const kProgramIconXpm[] = {\n"
        "    \"16 16 4 1\",\n"
        "    \". c #00FFFF\",\n"
        "    \"B c #0000FF\",\n"
        "    \"R c #FF0000\",\n"
        "    \"k c #000000\",\n";
    for (const char *row : kIcon) {
        out += "    \"" + QByteArray(row) + "\",\n";
    }
    out += "};\n";
    return out;
}

// The icon at a desktop size: each of its pixels a square block, kept sharp.
QImage IconImage(int size)
{
    const QImage icon = QImage::fromData(ProgramIcon(), "ICO");
    return icon.convertToFormat(QImage::Format_ARGB32)
        .scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

}  // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: generate_pictures <resources folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    for (const char *face : {"TavimorSansJP-Regular.ttf", "TavimorSansJP-Bold.ttf"}) {
        if (QFontDatabase::addApplicationFont(folder + "/fonts/" + face) < 0) {
            std::fprintf(stderr, "cannot load %s\n", face);
            return 1;
        }
    }
    const auto save = [](const QImage &image, const QString &path) {
        if (!image.save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            std::exit(1);
        }
    };
    for (const Structure &s : tavimor::pictures::AminoAcidStructures()) {
        const StructureLayout layout = LayOutStructure(s);
        const QImage image = RenderStructure(s, layout, 1);
        std::printf("%2d %s: %.1f %% white\n", s.id, s.threeLetter.c_str(),
                    100.0 * WhiteShare(image));
        Write(folder + QStringLiteral("/structures/%1.dib").arg(s.id), GreyDib(image));
        // The same drawing for displays at twice and three times the scale.
        for (int scale : kDisplayScales) {
            save(RenderStructure(s, layout, scale),
                 folder + QStringLiteral("/structures/%1@%2x.png").arg(s.id).arg(scale));
        }
    }
    Write(folder + "/table.bmp", TablePicture());
    for (int scale : kDisplayScales) {
        save(DrawTable(scale), folder + QStringLiteral("/table@%1x.png").arg(scale));
    }
    Write(folder + "/tavimor.ico", ProgramIcon());
    Write(folder + "/icons/program_icon.xpm", IconXpm());
    // The desktop's sizes, and the web page's 192 and 512 (its manifest's).
    for (int size : {16, 32, 48, 64, 128, 192, 256, 512}) {
        const QString dir = folder + QStringLiteral("/icons/hicolor/%1x%1/apps").arg(size);
        QDir().mkpath(dir);
        if (!IconImage(size).save(dir + "/org.tavimor.Tavimor.png")) {
            std::fprintf(stderr, "cannot write the %d pixel icon\n", size);
            return 1;
        }
    }
    return 0;
}
