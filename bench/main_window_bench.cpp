// SPDX-License-Identifier: GPL-3.0-or-later
// The learner's actions on the main window, and building it: the window constructed, loaded
// and shown; a question asked; an answer judged; the answer form changed.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>

#include "frm_main.h"
#include "frm_main_properties.h"
#include "multi_option.h"
#include "num_input_box.h"
#include "program_resources.h"
#include "random_source.h"

namespace {

using tavimor::NumInputBoxR;

void BM_WindowShown(benchmark::State &bench)
{
    for (auto _ : bench) {
        frmMain window;
        window.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.isVisible());
    }
}
BENCHMARK(BM_WindowShown)->Unit(benchmark::kMillisecond);

class ShownWindow {
public:
    ShownWindow() : window(&random) { window.show(); }
    tavimor::ClockSeededRandom random{3};
    frmMain window;
};

void BM_AskQuestion(benchmark::State &bench)
{
    ShownWindow shown;
    for (auto _ : bench) {
        shown.window.Ui().cmdQuestion->click();
    }
}
BENCHMARK(BM_AskQuestion)->Unit(benchmark::kMicrosecond);

void BM_AskPictureQuestion(benchmark::State &bench)
{
    ShownWindow shown;
    shown.window.Ui().mopQuestionType->Option(3)->click();
    for (auto _ : bench) {
        shown.window.Ui().cmdQuestion->click();
    }
}
BENCHMARK(BM_AskPictureQuestion)->Unit(benchmark::kMicrosecond);

void BM_ChooseAndJudge(benchmark::State &bench)
{
    ShownWindow shown;
    const tavimor::frmMainDesign &ui = shown.window.Ui();
    for (auto _ : bench) {
        bench.PauseTiming();
        ui.cmdQuestion->click();
        bench.ResumeTiming();
        ui.mopAnswer->Option(5)->click();
        ui.cmdAnswer->click();
    }
}
BENCHMARK(BM_ChooseAndJudge)->Unit(benchmark::kMicrosecond);

void BM_AnswerFormChange(benchmark::State &bench)
{
    ShownWindow shown;
    const tavimor::frmMainDesign &ui = shown.window.Ui();
    int form = 0;
    for (auto _ : bench) {
        ui.mopAnswerType->Option(form)->click();
        form = (form + 1) % 3;
    }
}
BENCHMARK(BM_AnswerFormChange)->Unit(benchmark::kMicrosecond);

void BM_ValidateTimeLimit(benchmark::State &bench)
{
    NumInputBoxR box;
    box.setMode(0);
    const QString text = bench.range(0) == 0 ? QStringLiteral("0012.50e1")
                                             : QString(1000, QLatin1Char('7')) + "e-990";
    for (auto _ : bench) {
        box.setText(text);
        benchmark::DoNotOptimize(box.ValidateValue());
    }
}
BENCHMARK(BM_ValidateTimeLimit)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    tavimor::InstallProgramFonts();
    QApplication::setFont(tavimor::frm_main_design::WindowFont());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
