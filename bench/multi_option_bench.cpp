// SPDX-License-Identifier: GPL-3.0-or-later
// Writing 22 answer captions into the answer group: what an answer-form change costs.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "frm_main_properties.h"
#include "multi_option.h"

namespace {

using tavimor::MultiOption;

void BM_OptionCaptions22(benchmark::State &bench)
{
    MultiOption answers;
    answers.ReadProperties(tavimor::frm_main_design::mopAnswer());
    answers.resize(449, 257);
    answers.show();
    const QString captions[] = {
        QStringLiteral("A|B|C|D|E|F|G|H|I|K|L|M|N|P|Q|R|S|T|V|W|Y|Z"),
        QStringLiteral("Ala|Arg|Asn|Asp|Asx|Cys|Gln|Glu|Glx|Gly|His|Ile|Leu|Lys|Met|Phe|Pro|"
                       "Ser|Thr|Trp|Tyr|Val"),
    };
    int i = 0;
    for (auto _ : bench) {
        answers.setOptionCaptions(captions[i]);
        i ^= 1;
    }
}
BENCHMARK(BM_OptionCaptions22)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
