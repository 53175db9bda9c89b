// SPDX-License-Identifier: GPL-3.0-or-later
// A long timed drill: the main window driven through many timer ticks and learner actions, with
// the counters checked after every step and the memory checked at the end. The number of steps
// comes from TAVIMOR_SOAK_STEPS (100000 unless set).
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <fstream>
#include <random>

#include "boolean_box.h"
#include "caption_label.h"
#include "drill_timer.h"
#include "frm_main.h"
#include "frm_table.h"
#include "message_recorder.h"
#include "multi_option.h"
#include "num_input_box.h"

#ifdef _WIN32
#include <windows.h>
// windows.h first: psapi.h builds on its types.
#include <psapi.h>
#else
#include <unistd.h>
#endif

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kUnderAddressSanitizer = true;
#else
constexpr bool kUnderAddressSanitizer = false;
#endif

namespace {

long ResidentKilobytes()
{
#ifdef _WIN32
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return static_cast<long>(counters.WorkingSetSize / 1024);
#else
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
#endif
}

long Steps()
{
    const QByteArray steps = qgetenv("TAVIMOR_SOAK_STEPS");
    return steps.isEmpty() ? 100000 : std::max(1L, steps.toLong());
}

TEST(Soak, LongTimedDrillStaysConsistentAndSteady)
{
    tavimor::testing::MessageRecorder boxes;
    frmMain window;
    window.show();
    const tavimor::frmMainDesign &ui = window.Ui();
    std::mt19937 random(20261208);
    const auto chance = [&random](int percent) {
        return std::uniform_int_distribution<int>(0, 99)(random) < percent;
    };
    const auto count = [](tavimor::CaptionLabel *label, bool tag) {
        return (tag ? label->Tag() : label->text()).toLong();
    };

    const auto startRun = [&] {
        ui.txtTimeLimit->setText(
            QString::number(std::uniform_int_distribution<int>(1, 60)(random)));
        ui.cmdStartQuestion->click();
        ASSERT_TRUE(ui.Timer1->IsRunning());
    };
    ui.chkUseTimer->CheckBox()->click();
    startRun();

    const long steps = Steps();
    long ticks = 0;
    long baseline = 0;
    for (long step = 0; step < steps; ++step) {
        const bool waited = !window.Answered();
        bool judged = false;
        if (chance(70)) {
            emit ui.Timer1->Timer();
            ++ticks;
        } else if (chance(50)) {
            if (ui.mopAnswer->Enabled()) {
                ui.mopAnswer->Option(std::uniform_int_distribution<int>(0, 21)(random))->click();
                judged = waited && ui.chkOmitPushAnswer->Value();
            }
        } else if (chance(50)) {
            if (ui.cmdAnswer->isEnabled()) {
                ui.cmdAnswer->click();
                judged = waited;
            }
        } else if (chance(50)) {
            (chance(50) ? ui.chkOmitPushAnswer : ui.chkShowAnswer)->CheckBox()->click();
        } else if (chance(10)) {
            // Between runs the forms change, never to equal ones.
            ui.cmdEndQuestion->click();
            const int answer = std::uniform_int_distribution<int>(0, 2)(random);
            int question = std::uniform_int_distribution<int>(0, 3)(random);
            if (question == answer) {
                question = 3;
            }
            ui.mopAnswerType->Option(answer)->click();
            ui.mopQuestionType->Option(question)->click();
            startRun();
        } else if (chance(20)) {
            if (frmTable::OpenTable() != nullptr) {
                frmTable::CloseTable();
            } else {
                ui.cmdShowTable->click();
            }
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }

        // The event loop runs between actions, as it does between a learner's clicks; every few
        // steps, so that the repaints of several actions merge as they do on a busy machine.
        if (step % 8 == 0) {
            QApplication::processEvents();
        }

        const long right = count(ui.lblRigthAnswerNumber, false);
        const long judgedCount = count(ui.lblQuestionNumber, false);
        const long asked = count(ui.lblQuestionNumber, true);
        ASSERT_LE(right, judgedCount) << "step " << step;
        ASSERT_LE(judgedCount, asked) << "step " << step;
        if (judged) {
            ASSERT_NE(ui.lblRightAnswer->isVisible(), ui.lblBadAnswer->isVisible())
                << "step " << step;
        }
        if (qEnvironmentVariableIsSet("TAVIMOR_SOAK_TRACE") && step % (steps / 10) == 0) {
            std::fprintf(stderr, "step %ld: %ld kB\n", step, ResidentKilobytes());
        }
        if (step == steps / 10) {
            baseline = ResidentKilobytes();
        }
    }
    frmTable::CloseTable();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    EXPECT_GE(ticks, steps / 2);
    EXPECT_TRUE(boxes.Boxes().empty());
    if (!kUnderAddressSanitizer && steps >= 1000) {
        // After the first tenth the resident size stays put: nothing grows with the drill.
        EXPECT_LT(ResidentKilobytes() - baseline, 4096);
    }
}

}  // namespace
