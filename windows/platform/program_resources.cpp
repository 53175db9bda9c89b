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

std::uint16_t U16(const QByteArray &data, int offset)
{
    return qFromLittleEndian<std::uint16_t>(data.constData() + offset);
}

}  // namespace

QImage DecodeDib(const QByteArray &data)
{
    if (data.size() < 40 || U32(data, 0) != 40) {
        return {};
    }
    const auto width = static_cast<std::int32_t>(U32(data, 4));
    const auto height = static_cast<std::int32_t>(U32(data, 8));
    const int bits = U16(data, 14);
    if (width <= 0 || width > 4096 || height <= 0 || height > 4096 || U32(data, 16) != 0 ||
        (bits != 1 && bits != 4 && bits != 8)) {
        return {};
    }
    const std::uint32_t used = U32(data, 32);
    const int colours =
        used != 0 ? static_cast<int>(std::min<std::uint32_t>(used, 1u << bits)) : 1 << bits;
    const int rowBytes = ((width * bits + 31) / 32) * 4;
    const int pixels = 40 + colours * 4;
    if (data.size() < pixels + rowBytes * height) {
        return {};
    }
    QImage image(width, height, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (int i = 0; i < colours; ++i) {
        const auto *entry = reinterpret_cast<const uchar *>(data.constData() + 40 + i * 4);
        table << qRgb(entry[2], entry[1], entry[0]);
    }
    image.setColorTable(table);
    for (int y = 0; y < height; ++y) {
        const auto *source = reinterpret_cast<const uchar *>(data.constData() + pixels +
                                                             (height - 1 - y) * rowBytes);
        uchar *target = image.scanLine(y);
        for (int x = 0; x < width; ++x) {
            const int bit = x * bits;
            const int value = (source[bit / 8] >> (8 - bits - bit % 8)) & ((1 << bits) - 1);
            target[x] = static_cast<uchar>(std::min(value, colours - 1));
        }
    }
    return image;
}

QByteArray StructurePictureData(int id)
{
    if (id < kFirstStructurePicture || id > kLastStructurePicture) {
        return {};
    }
    return ReadResource(QStringLiteral(":/structures/%1.dib").arg(id));
}

QPixmap LoadResPicture(int id)
{
    return QPixmap::fromImage(DecodeDib(StructurePictureData(id)));
}

QPixmap TablePicture()
{
    return QPixmap(QStringLiteral(":/table.bmp"));
}

QIcon ProgramIcon()
{
    return QIcon(QStringLiteral(":/tavimor.ico"));
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
