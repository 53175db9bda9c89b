// SPDX-License-Identifier: GPL-3.0-or-later
// Timings of the drill rules the learner's actions run: building the answer options (an answer
// form change), one ask and judge, and the rate text (every counter change).
#include <benchmark/benchmark.h>

#include "drill_rules.h"
#include "random_source.h"

namespace {

void BM_BuildAnswerOptions(benchmark::State &bench)
{
    const tavimor::AcidCatalogue catalogue = tavimor::BuildAcidCatalogue();
    tavimor::DrillState state;
    const int form = static_cast<int>(bench.range(0));
    for (auto _ : bench) {
        benchmark::DoNotOptimize(
            tavimor::BuildAnswerOptions(state, catalogue, form, tavimor::AscendingCodePointOrder));
    }
}
BENCHMARK(BM_BuildAnswerOptions)->Arg(0)->Arg(1)->Arg(2);

void BM_AskAndJudge(benchmark::State &bench)
{
    const tavimor::AcidCatalogue catalogue = tavimor::BuildAcidCatalogue();
    tavimor::DrillState state;
    tavimor::BuildAnswerOptions(state, catalogue, 2, tavimor::AscendingCodePointOrder);
    tavimor::ClockSeededRandom random(1);
    int choice = 0;
    for (auto _ : bench) {
        tavimor::AskQuestion(state, 0, random);
        benchmark::DoNotOptimize(tavimor::JudgeAnswer(state, choice));
        choice = (choice + 1) % 22;
    }
}
BENCHMARK(BM_AskAndJudge);

void BM_RateText(benchmark::State &bench)
{
    int judged = 1;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(tavimor::RateText(judged, judged / 3));
        judged = judged % 100000 + 1;
    }
}
BENCHMARK(BM_RateText);

}  // namespace
