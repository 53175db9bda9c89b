// The windows on a display at scale 2 (this executable sets QT_SCALE_FACTOR=2 before its
// application starts): pictures drawn for the scale, at their designed logical size.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "frm_main.h"
#include "frm_table.h"
#include "image_box.h"
#include "message_recorder.h"
#include "multi_option.h"
#include "program_resources.h"
#include "random_source.h"

namespace {

class FirstRow final : public tavimor::RandomSource {
public:
    float NextSingle() override { return 0.0f; }
};

TEST(HighDpi, PicturesAreDrawnForTheScaleAtTheirDesignedSize)
{
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

}  // namespace

int main(int argc, char **argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    tavimor::testing::ForbidRealMessageBoxes();
    return RUN_ALL_TESTS();
}
