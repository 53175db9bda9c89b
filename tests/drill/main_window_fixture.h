// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as its tests drive it: built on a scripted random source, shown and active,
// with the message boxes recorded, and helpers that click, read the question and the score, and
// tick the timer.
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QRadioButton>
#include <QTest>
#include <vector>

#include "acid_catalogue.h"
#include "caption_label.h"
#include "drill_timer.h"
#include "frm_main.h"
#include "frm_table.h"
#include "image_box.h"
#include "message_recorder.h"
#include "multi_option.h"
#include "program_resources.h"
#include "random_source.h"

namespace tavimor::testing {

// Draws the values it was handed, in turn.
class ScriptedRandom final : public tavimor::RandomSource {
public:
    float NextSingle() override
    {
        const float u = m_values[m_next % m_values.size()];
        ++m_next;
        return u;
    }
    std::vector<float> m_values{0.1f, 0.5f, 0.95f, 0.3f, 0.7f};
    std::size_t m_next = 0;
};

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() : window(&random), ui(window.Ui())
    {
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    ~MainWindowTest() override
    {
        frmTable::CloseTable();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void Click(QWidget *widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    void ChooseForms(int question, int answer)
    {
        Click(ui.mopQuestionType->Option(question));
        Click(ui.mopAnswerType->Option(answer));
    }

    // The row the window asks about, found from what it shows.
    int ShownRow() const
    {
        const int form = ui.mopQuestionType->Value();
        if (form == 3) {
            const QImage shown = ui.imgAminoAcid->Picture().toImage();
            for (int row = 1; row <= 20; ++row) {
                if (tavimor::LoadResPicture(row).toImage() == shown) {
                    return row;
                }
            }
            return 0;
        }
        for (int row = 1; row <= 22; ++row) {
            if (QString::fromStdString(catalogue.Text(form, row)) == ui.lblAminoAcid->text()) {
                return row;
            }
        }
        return 0;
    }

    // The answer option that shows the given row in the current answer form.
    QRadioButton *OptionFor(int row) const
    {
        const QString text = QString::fromStdString(catalogue.Text(ui.mopAnswerType->Value(), row));
        for (int k = 0; k < ui.mopAnswer->OptionCount(); ++k) {
            if (ui.mopAnswer->Option(k)->text() == text) {
                return ui.mopAnswer->Option(k);
            }
        }
        return nullptr;
    }
    QRadioButton *WrongOptionFor(int row) const { return OptionFor(row == 1 ? 2 : 1); }

    QString Score() const
    {
        return ui.lblRigthAnswerNumber->text() + " / " + ui.lblQuestionNumber->text() + " = " +
               ui.lblRigthAnswerPercent->text();
    }

    void Tick() { emit ui.Timer1->Timer(); }

    ScriptedRandom random;
    MessageRecorder boxes;
    frmMain window;
    const tavimor::frmMainDesign &ui;
    const tavimor::AcidCatalogue catalogue = tavimor::BuildAcidCatalogue();
};

}  // namespace tavimor::testing
