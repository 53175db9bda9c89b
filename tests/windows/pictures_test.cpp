// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the built-in pictures: structure bitmaps, table picture, icon and their variants.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QtEndian>

#include "frm_table.h"
#include "image_box.h"
#include "program_resources.h"

namespace tavimor {
namespace {

std::uint32_t U32(const QByteArray &data, int offset)
{
    return qFromLittleEndian<std::uint32_t>(data.constData() + offset);
}
std::uint16_t U16(const QByteArray &data, int offset)
{
    return qFromLittleEndian<std::uint16_t>(data.constData() + offset);
}

QByteArray Resource(const char *path)
{
    QFile file(QString::fromLatin1(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(StructurePictures, AreEightBitGreyBitmapsOfTheExactFormat)
{
    for (int id = 1; id <= 20; ++id) {
        SCOPED_TRACE(id);
        const QByteArray dib = StructurePictureData(id);
        ASSERT_EQ(dib.size(), 15464);
        const std::uint32_t header[] = {40, 120, 120};
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(U32(dib, 4 * i), header[i]);
        }
        EXPECT_EQ(U16(dib, 12), 1);   // planes
        EXPECT_EQ(U16(dib, 14), 8);   // bits per pixel
        EXPECT_EQ(U32(dib, 16), 0u);  // uncompressed
        EXPECT_EQ(U32(dib, 20), 14400u);
        EXPECT_EQ(U32(dib, 24), 3780u);
        EXPECT_EQ(U32(dib, 28), 3780u);
        EXPECT_EQ(U32(dib, 32), 256u);
        for (int i = 0; i < 256; ++i) {
            ASSERT_EQ(U32(dib, 40 + 4 * i), static_cast<std::uint32_t>(i * 0x010101)) << i;
        }
        const auto *pixels = reinterpret_cast<const uchar *>(dib.constData() + 40 + 1024);
        for (int corner : {0, 119, 119 * 120, 120 * 120 - 1}) {
            EXPECT_EQ(pixels[corner], 255) << "corner " << corner;
        }
        int white = 0;
        bool black = false;
        for (int i = 0; i < 14400; ++i) {
            white += pixels[i] == 255;
            black = black || pixels[i] == 0;
        }
        EXPECT_GE(white, 14400 * 86 / 100);
        EXPECT_LE(white, 14400 * 93 / 100);
        EXPECT_TRUE(black);
    }
    EXPECT_TRUE(StructurePictureData(0).isEmpty());
    EXPECT_TRUE(StructurePictureData(21).isEmpty());
}

TEST(StructurePictures, LoadAsPicturesOfTheirSize)
{
    for (int id = 1; id <= 20; ++id) {
        const QPixmap picture = LoadResPicture(id);
        EXPECT_EQ(picture.size(), QSize(120, 120)) << id;
    }
    EXPECT_TRUE(LoadResPicture(21).isNull());
    ImageBox image;
    image.setPicture(LoadResPicture(8));
    EXPECT_EQ(image.size(), QSize(120, 120));
    EXPECT_TRUE(DecodeDib(QByteArray("garbage")).isNull());
    EXPECT_TRUE(DecodeDib(StructurePictureData(8).left(9000)).isNull()) << "pixels cut short";
    EXPECT_EQ(DecodeDib(StructurePictureData(8)).pixel(0, 0), qRgb(255, 255, 255));
}

TEST(TablePicture, IsTheOneBitGridOfTwentyTwoRows)
{
    const QByteArray bmp = Resource(":/table.bmp");
    ASSERT_EQ(bmp.size(), 13952);
    EXPECT_EQ(bmp.left(2), QByteArray("BM"));
    EXPECT_EQ(U32(bmp, 10), 62u);
    EXPECT_EQ(U32(bmp, 14), 40u);
    EXPECT_EQ(U32(bmp, 18), 242u);
    EXPECT_EQ(U32(bmp, 22), 434u);
    EXPECT_EQ(U16(bmp, 28), 1);
    EXPECT_EQ(U32(bmp, 30), 0u);
    EXPECT_EQ(U32(bmp, 38), 3779u);
    EXPECT_EQ(U32(bmp, 54) & 0xFFFFFF, 0xFFFFFFu);  // entry 0 white
    EXPECT_EQ(U32(bmp, 58) & 0xFFFFFF, 0u);         // entry 1 black

    const auto black = [&bmp](int x, int y) {
        const int row = 433 - y;
        return (static_cast<uchar>(bmp[62 + row * 32 + x / 8]) >> (7 - x % 8)) & 1;
    };
    const int columns[] = {10, 141, 198, 231};
    for (int line = 0; line < 23; ++line) {
        const int y = 6 + 19 * line;
        for (int x = 10; x <= 232; ++x) {
            ASSERT_TRUE(black(x, y) && black(x, y + 1)) << x << "," << y;
        }
        if (line < 22) {
            // Between two lines only the four rules are black at the cell's edges.
            for (int x : columns) {
                ASSERT_TRUE(black(x, y + 9) && black(x + 1, y + 9));
            }
        }
    }
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 242; ++x) {
            ASSERT_FALSE(black(x, y)) << "no heading above the grid";
        }
    }
    for (int y = 426; y < 434; ++y) {
        for (int x = 0; x < 242; ++x) {
            ASSERT_FALSE(black(x, y));
        }
    }
}

TEST(ProgramIcon, IsTheSixteenColourPeptideBond)
{
    const QByteArray ico = Resource(":/tavimor.ico");
    ASSERT_EQ(ico.size(), 318);
    EXPECT_EQ(U16(ico, 2), 1);  // icon
    EXPECT_EQ(U16(ico, 4), 1);  // one image
    EXPECT_EQ(static_cast<uchar>(ico[6]), 16);
    EXPECT_EQ(static_cast<uchar>(ico[7]), 16);
    EXPECT_EQ(U32(ico, 14), 296u);
    EXPECT_EQ(U32(ico, 18), 22u);
    const int image = 22;
    EXPECT_EQ(U32(ico, image), 40u);
    EXPECT_EQ(U32(ico, image + 8), 32u);  // colour and mask rows
    EXPECT_EQ(U16(ico, image + 14), 4);
    const std::uint32_t standard[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                        0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                        0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(U32(ico, image + 40 + 4 * i), standard[i]) << i;  // stored as B, G, R
    }
    const auto pixel = [&ico](int x, int y) {
        const auto byte = static_cast<uchar>(ico[22 + 40 + 64 + (15 - y) * 8 + x / 2]);
        return x % 2 == 0 ? byte >> 4 : byte & 0xF;
    };
    EXPECT_EQ(pixel(0, 0), 14);   // aqua ground
    EXPECT_EQ(pixel(0, 3), 12);   // the blue C, upper left
    EXPECT_EQ(pixel(12, 3), 12);  // the blue O, upper right
    EXPECT_EQ(pixel(7, 3), 0);    // the double bond
    EXPECT_EQ(pixel(7, 5), 0);
    EXPECT_EQ(pixel(2, 8), 0);    // the bond down from C
    EXPECT_EQ(pixel(0, 12), 9);   // the red N, lower left
    EXPECT_EQ(pixel(14, 12), 9);  // the red H, lower right
    EXPECT_EQ(pixel(7, 12), 0);   // the N-H bond
    for (int i = 0; i < 64; ++i) {
        EXPECT_EQ(ico[22 + 40 + 64 + 128 + i], 0) << "opaque";
    }
    // In the task bar at any scale: every size of the desktop's icon files, pixel for pixel.
    const QIcon icon = ProgramIcon();
    EXPECT_EQ(icon.availableSizes(),
              (QList<QSize>{{16, 16}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}}));
    for (const QSize &size : icon.availableSizes()) {
        const QImage file(
            QStringLiteral(TAVIMOR_SOURCE_DIR
                           "/resources/icons/hicolor/%1x%1/apps/org.tavimor.Tavimor.png")
                .arg(size.width()));
        ASSERT_FALSE(file.isNull()) << size.width();
        EXPECT_EQ(icon.pixmap(size).toImage().convertToFormat(QImage::Format_RGB32),
                  file.convertToFormat(QImage::Format_RGB32))
            << size.width();
    }
}

TEST(TableWindow, OpensOnceAtItsDesignedSize)
{
    frmTable *table = frmTable::ShowTable();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->windowTitle(), QStringLiteral("Tavimor - Amino Acids at a Glance"));
    EXPECT_EQ(table->windowIcon().availableSizes(), ProgramIcon().availableSizes());
    EXPECT_EQ(table->size(), QSize(292, 443));
    EXPECT_EQ(table->imgTable()->geometry(), QRect(24, 0, 242, 434));
    EXPECT_FALSE(table->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(frmTable::ShowTable(), table);
    frmTable::CloseTable();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(frmTable::OpenTable(), nullptr);
    frmTable *again = frmTable::ShowTable();
    EXPECT_NE(again, nullptr);
    frmTable::CloseTable();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace
}  // namespace tavimor
