// Platform layer (windows/platform/): see program_resources.h.
#include "program_resources.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QtEndian>

namespace tavimor {
namespace {

QByteArray ReadResource(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::uint32_t U32(const QByteArray &data, int offset)
{
    return qFromLittleEndian<std::uint32_t>(data.constData() + offset);
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
    if (data.size() < kInfoHeader || U32(data, 0) != kInfoHeader) {
        return {};
    }
    const int bits = qFromLittleEndian<std::uint16_t>(data.constData() + 14);
    if (bits != 1 && bits != 4 && bits != 8) {
        return {};
    }
    const std::uint32_t used = U32(data, 32);
    const std::uint32_t colours = used != 0 && used < (1u << bits) ? used : 1u << bits;
    // Qt's reader fills pixels cut short; a bitmap that lacks some is refused here.
    const auto width = static_cast<std::int32_t>(U32(data, 4));
    const auto height = static_cast<std::int32_t>(U32(data, 8));
    if (width <= 0 || width > 4096 || height <= 0 || height > 4096 || U32(data, 16) != 0) {
        return {};
    }
    const qsizetype rowBytes = ((qsizetype{width} * bits + 31) / 32) * 4;
    if (data.size() < kInfoHeader + qsizetype{colours} * 4 + rowBytes * height) {
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

QIcon ProgramIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

bool InstallProgramFonts()
{
    const int regular =
        QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/TavimorSansJP-Regular.ttf"));
    const int bold =
        QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/TavimorSansJP-Bold.ttf"));
    const QString designed = QStringLiteral("ＭＳ Ｐゴシック");
    if (!QFontDatabase::families().contains(designed)) {
        QFont::insertSubstitution(designed, QString::fromLatin1(kEmbeddedFontFamily));
    }
    return regular >= 0 && bold >= 0;
}

}  // namespace tavimor
