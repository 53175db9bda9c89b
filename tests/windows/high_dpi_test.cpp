// SPDX-License-Identifier: GPL-3.0-or-later
// The windows on a display at a scale above 1: pictures drawn for the scale at their designed
// logical size, and frames whose borders stay whole. The executable sets QT_SCALE_FACTOR before
// its application starts, to 2 or to the scale given as --scale=S (ctest runs it at 2 and 1.5).
#include <gtest/gtest.h>

#include <QApplication>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cstdlib>
#include <cstring>

#include "frm_main.h"
#include "frm_table.h"
#include "image_box.h"
#include "message_recorder.h"
#include "multi_option.h"
#include "program_resources.h"
#include "random_source.h"

namespace {

using tavimor::MultiOption;

class FirstRow final : public tavimor::RandomSource {
public:
    float NextSingle() override { return 0.0f; }
};

double g_scale = 2;

// At 1.5 the 2x drawing is shown, scaled down smoothly rather than by dropping pixels.
TEST(HighDpi, PicturesAtAFractionalScaleAreScaledSmoothly)
{
    if (g_scale != 1.5) {
        GTEST_SKIP() << "checked at scale 1.5";
    }
    tavimor::ImageBox image;
    image.setPicture([](qreal ratio) { return tavimor::LoadResPicture(1, ratio); });
    image.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&image));
    const QImage shown = image.grab().toImage().convertToFormat(QImage::Format_Grayscale8);
    ASSERT_EQ(shown.size(), QSize(180, 180));
    const QPixmap drawn = tavimor::LoadResPicture(1, 2);
    QImage smooth(180, 180, QImage::Format_ARGB32_Premultiplied);
    smooth.setDevicePixelRatio(1.5);
    smooth.fill(Qt::white);
    QPainter painter(&smooth);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(QRectF(0, 0, 120, 120), drawn, QRectF(drawn.rect()));
    painter.end();
    EXPECT_EQ(shown, smooth.convertToFormat(QImage::Format_Grayscale8));
}

TEST(HighDpi, PicturesAreDrawnForTheScaleAtTheirDesignedSize)
{
    if (g_scale != 2) {
        GTEST_SKIP() << "pictures are checked at scale 2";
    }
    tavimor::testing::MessageRecorder boxes;
    FirstRow random;
    frmMain window(&random);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_EQ(window.devicePixelRatioF(), 2.0);

    const tavimor::frmMainDesign &ui = window.Ui();
    QTest::mouseClick(ui.mopQuestionType->Option(3), Qt::LeftButton);
    QTest::mouseClick(ui.cmdQuestion, Qt::LeftButton);
    const QImage shown = ui.imgAminoAcid->grab().toImage();
    EXPECT_EQ(ui.imgAminoAcid->size(), QSize(120, 120));
    EXPECT_EQ(shown.size(), QSize(240, 240));
    // Not the designed bitmap blown up, in either way Qt would blow it up.
    const QImage designed = tavimor::LoadResPicture(1).toImage();
    for (Qt::TransformationMode mode : {Qt::FastTransformation, Qt::SmoothTransformation}) {
        EXPECT_NE(shown.convertToFormat(QImage::Format_Grayscale8),
                  designed.scaled(240, 240, Qt::IgnoreAspectRatio, mode)
                      .convertToFormat(QImage::Format_Grayscale8));
    }
    EXPECT_EQ(shown.convertToFormat(QImage::Format_Grayscale8),
              tavimor::LoadResPicture(1, 2).toImage().convertToFormat(QImage::Format_Grayscale8));

    frmTable *table = frmTable::ShowTable();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(table));
    EXPECT_EQ(table->imgTable()->size(), QSize(242, 434));
    EXPECT_EQ(table->imgTable()->grab().size(), QSize(484, 868));
    frmTable::CloseTable();
    window.close();
}

// At a fractional scale an option's background, which reaches its frame's edge, must not break
// the frame's border: every row of the right border keeps the border's colour.
TEST(HighDpi, FrameBordersStayWhole)
{
    tavimor::testing::MessageRecorder boxes;
    FirstRow random;
    frmMain window(&random);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    for (MultiOption *group : {window.Ui().mopQuestionType, window.Ui().mopAnswerType}) {
        SCOPED_TRACE(group->objectName().toStdString());
        const QImage shot = group->grab().toImage();
        const QRgb border = group->palette().color(QPalette::Mid).rgb();
        const qreal ratio = shot.devicePixelRatio();
        // The border line stands at width - 2 (logical), from the caption's middle to the bottom.
        const int left = static_cast<int>((group->width() - 2) * ratio) - 1;
        const int right = static_cast<int>((group->width() - 1) * ratio);
        int broken = 0;
        for (int y = static_cast<int>(group->fontMetrics().height() * ratio);
             y < static_cast<int>((group->height() - 2) * ratio); ++y) {
            bool found = false;
            for (int x = std::max(left, 0); x <= std::min(right, shot.width() - 1); ++x) {
                found = found || shot.pixel(x, y) == border;
            }
            broken += found ? 0 : 1;
        }
        EXPECT_EQ(broken, 0);
    }
    window.close();
}

}  // namespace

int main(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--scale=", 8) == 0) {
            g_scale = std::atof(argv[i] + 8);
        }
    }
    qputenv("QT_SCALE_FACTOR", QByteArray::number(g_scale));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    tavimor::testing::ForbidRealMessageBoxes();
    return RUN_ALL_TESTS();
}
