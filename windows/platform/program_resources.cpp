// SPDX-License-Identifier: GPL-3.0-or-later
// Platform layer (windows/platform/): see program_resources.h.
#include "program_resources.h"

#include <QEvent>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QIconEngine>
#include <QPainter>
#include <QResource>
#include <QWidget>
#include <QtEndian>
#include <algorithm>

#include "program_icon.xpm"

namespace tavimor {
namespace {

QString g_designedFontFamily = QString::fromUtf8(kDesignedFontFamily);

QByteArray ReadResource(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A little-endian number of `bytes` bytes at `offset`, which the caller has checked lies inside.
std::uint32_t LittleEndian(const QByteArray &data, int offset, int bytes = 4)
{
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        value = value << 8 | static_cast<uchar>(data.at(offset + i));
    }
    return value;
}

// A picture variant drawn for a display scale, shown at its designed size.
QPixmap ScaledVariant(const QString &path, int scale)
{
    QPixmap picture(path);
    picture.setDevicePixelRatio(scale);
    return picture;
}

}  // namespace

QImage DecodeDib(const QByteArray &data)
{
    // Qt's BMP reader takes the bitmap once the file header is put in front of it; the header
    // says where the pixels start, after the 40-byte information header and the palette.
    constexpr int kInfoHeader = 40;
    constexpr int kFileHeader = 14;
    if (data.size() < kInfoHeader || LittleEndian(data, 0) != kInfoHeader) {
        return {};
    }
    const auto bits = static_cast<int>(LittleEndian(data, 14, 2));
    if (bits != 1 && bits != 4 && bits != 8) {
        return {};
    }
    const std::uint32_t used = LittleEndian(data, 32);
    const std::uint32_t colours = used != 0 && used < (1u << bits) ? used : 1u << bits;
    // Qt's reader fills pixels cut short; a bitmap that lacks some is refused here.
    const auto width = static_cast<std::int32_t>(LittleEndian(data, 4));
    const auto height = static_cast<std::int32_t>(LittleEndian(data, 8));
    if (width <= 0 || width > 4096 || height <= 0 || height > 4096 || LittleEndian(data, 16) != 0) {
        return {};
    }
    const qsizetype rowBytes = ((qsizetype{width} * bits + 31) / 32) * 4;
    if (data.size() < kInfoHeader + static_cast<qsizetype>(colours) * 4 + rowBytes * height) {
        return {};
    }
    QByteArray file(kFileHeader, '\0');
    file[0] = 'B';
    file[1] = 'M';
    qToLittleEndian<std::uint32_t>(static_cast<std::uint32_t>(kFileHeader + data.size()),
                                   file.data() + 2);
    qToLittleEndian<std::uint32_t>(kFileHeader + kInfoHeader + colours * 4, file.data() + 10);
    file.append(data);
    QImage image;
    return image.loadFromData(file, "BMP") ? image : QImage();
}

int PictureScale(qreal devicePixelRatio)
{
    if (devicePixelRatio <= 1) {
        return 1;
    }
    return devicePixelRatio <= 2 ? 2 : 3;
}

QByteArray StructurePictureData(int id)
{
    if (id < kFirstStructurePicture || id > kLastStructurePicture) {
        return {};
    }
    return ReadResource(QStringLiteral(":/structures/%1.dib").arg(id));
}

QPixmap LoadResPicture(int id, qreal devicePixelRatio)
{
    if (id < kFirstStructurePicture || id > kLastStructurePicture) {
        return {};
    }
    const int scale = PictureScale(devicePixelRatio);
    if (scale == 1) {
        return QPixmap::fromImage(DecodeDib(StructurePictureData(id)));
    }
    return ScaledVariant(QStringLiteral(":/structures/%1@%2x.png").arg(id).arg(scale), scale);
}

QPixmap TablePicture(qreal devicePixelRatio)
{
    const int scale = PictureScale(devicePixelRatio);
    if (scale == 1) {
        return QPixmap(QStringLiteral(":/table.bmp"));
    }
    return ScaledVariant(QStringLiteral(":/table@%1x.png").arg(scale), scale);
}

namespace {

// The program's icon at every desktop size, each pixel of its 16-pixel drawing a square block
// (as the PNG sizes in resources/icons/ are drawn), made when a size is first asked for. The
// drawing is compiled in as XPM: reading an image file would first make Qt look through its
// image-format plugins.
class BlockIconEngine : public QIconEngine {
public:
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode /*mode*/, QIcon::State /*state*/) override
    {
        const QList<QSize> sizes = availableSizes(QIcon::Normal, QIcon::Off);
        QSize drawn = sizes.back();
        for (const QSize &candidate : sizes) {
            if (candidate.width() >= size.width() && candidate.height() >= size.height()) {
                drawn = candidate;
                break;
            }
        }
        if (m_source.isNull()) {
            // Opaque everywhere: without an alpha channel the window system takes it as is.
            m_source = QImage(kProgramIconXpm).convertToFormat(QImage::Format_RGB32);
        }
        return QPixmap::fromImage(Enlarged(m_source, drawn.width() / m_source.width()));
    }
    QList<QSize> availableSizes(QIcon::Mode /*mode*/, QIcon::State /*state*/) override
    {
        return {{16, 16}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}};
    }
    QIconEngine *clone() const override { return new BlockIconEngine(*this); }
    QString key() const override { return QStringLiteral("tavimor-block-icon"); }

private:
    // Each pixel of `source` as a `factor` x `factor` block.
    static QImage Enlarged(const QImage &source, int factor)
    {
        QImage image(source.size() * factor, source.format());
        for (int y = 0; y < source.height(); ++y) {
            const auto *from = reinterpret_cast<const QRgb *>(source.constScanLine(y));
            auto *first = reinterpret_cast<QRgb *>(image.scanLine(y * factor));
            for (int x = 0; x < source.width(); ++x) {
                std::fill_n(first + static_cast<std::ptrdiff_t>(x) * factor, factor, from[x]);
            }
            for (int copy = 1; copy < factor; ++copy) {
                std::copy_n(first, image.width(),
                            reinterpret_cast<QRgb *>(image.scanLine(y * factor + copy)));
            }
        }
        return image;
    }

    QImage m_source;
};

}  // namespace

QIcon ProgramIcon()
{
    return QIcon(new BlockIconEngine);
}

namespace {

// Sets the program's icon on the window it watches at its first showing, then goes.
class IconAtFirstShow : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            static_cast<QWidget *>(watched)->setWindowIcon(ProgramIcon());
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }
};

}  // namespace

void GiveProgramIcon(QWidget *window)
{
    window->installEventFilter(new IconAtFirstShow(window));
}

namespace {

// Adds a font the program carries. Its bytes are stored uncompressed, so the font database and
// FreeType read them where they lie in the program instead of each keeping a copy.
int AddProgramFont(const QString &path)
{
    const QResource resource(path);
    if (resource.isValid() && resource.compressionAlgorithm() == QResource::NoCompression) {
        return QFontDatabase::addApplicationFontFromData(QByteArray::fromRawData(
            reinterpret_cast<const char *>(resource.data()), resource.size()));
    }
    return QFontDatabase::addApplicationFont(path);
}

}  // namespace

bool InstallProgramFonts()
{
    const int regular = AddProgramFont(QStringLiteral(":/fonts/TavimorSansJP-Regular.ttf"));
    const int bold = AddProgramFont(QStringLiteral(":/fonts/TavimorSansJP-Bold.ttf"));
    const bool installed = regular >= 0 && bold >= 0;
    const QString designed = QString::fromUtf8(kDesignedFontFamily);
    const QStringList families = QFontDatabase::families();
    if (families.contains(designed)) {
        return installed;
    }
    QString standIn = QString::fromLatin1(kEmbeddedFontFamily);
#ifdef Q_OS_WIN
    // Windows in a language other than Japanese lists the designed font by its English name.
    if (const QString english = QStringLiteral("MS PGothic"); families.contains(english)) {
        standIn = english;
    }
#endif
    QFont::insertSubstitution(designed, standIn);
    if (installed || standIn != QLatin1String(kEmbeddedFontFamily)) {
        g_designedFontFamily = standIn;
    }
    return installed;
}

QString DesignedFontFamily()
{
    return g_designedFontFamily;
}

}  // namespace tavimor
