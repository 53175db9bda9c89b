// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up as the learner sees it: from launching a fresh process to the main window's first
// complete frame, against the floor, a bare Qt window of the same size with a dozen labels and
// buttons built as its own executable (bare_window). The two kinds are interleaved in one run so
// that both meet the same machine; each child reports its first frame, whether any frame
// followed it (the first would then not have been complete), and its peak memory once settled.
// Besides the ratio of the medians it prints the median of the ratios of each start of the
// program to the bare start beside it, which a machine that speeds up or slows down during the
// run disturbs less.
//
//   startup_bench [runs]   prints the medians and their ratios
//   startup_bench tavimor  one start of the program's main window, as main.cpp starts it
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "desktop_services.h"
#include "first_frame.h"
#include "frm_main.h"
#include "frm_main_properties.h"
#include "program_resources.h"

namespace {

int StartTavimor(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavimor"));
    tavimor::PrepareDesktopServices();
    QApplication::setFont(tavimor::frm_main_design::WindowFont());
    frmMain window;
    return tavimor::bench::ShowUntilSettled(
        window, [] { QApplication::setWindowIcon(tavimor::ProgramIcon()); });
}

struct Start {
    double firstFrameMs = 0;
    int laterFrames = 0;
    long peakKb = 0;
};

bool Run(const QString &program, const QStringList &arguments, Start &start)
{
    QProcess child;
    QElapsedTimer clock;
    clock.start();
    child.start(program, arguments);
    if (!child.waitForStarted() || !child.waitForReadyRead(10000)) {
        return false;
    }
    start.firstFrameMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    if (!child.waitForFinished(10000) || child.exitCode() != 0) {
        return false;
    }
    for (const QByteArray &line : child.readAllStandardOutput().split('\n')) {
        if (line.startsWith("later frames ")) {
            start.laterFrames = line.mid(13).toInt();
        } else if (line.startsWith("peak ")) {
            start.peakKb = line.mid(5).toLong();
        }
    }
    return true;
}

template <typename T>
double Median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return static_cast<double>(values[values.size() / 2]);
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc == 2 && std::strcmp(argv[1], "tavimor") == 0) {
        return StartTavimor(argc, argv);
    }
    QCoreApplication app(argc, argv);
    const int runs = argc == 2 ? std::max(1, std::atoi(argv[1])) : 21;
    const QString self = QCoreApplication::applicationFilePath();
    const QString bare = QDir(QCoreApplication::applicationDirPath()).filePath("bare_window");
    std::vector<double> tavimorMs, bareMs, pairRatios;
    std::vector<long> tavimorKb, bareKb;
    int laterFrames = 0;
    for (int i = 0; i < runs; ++i) {
        Start t, b;
        if (!Run(self, {QStringLiteral("tavimor")}, t) || !Run(bare, {}, b)) {
            std::fprintf(stderr, "a start failed\n");
            return 1;
        }
        tavimorMs.push_back(t.firstFrameMs);
        pairRatios.push_back(t.firstFrameMs / b.firstFrameMs);
        bareMs.push_back(b.firstFrameMs);
        tavimorKb.push_back(t.peakKb);
        bareKb.push_back(b.peakKb);
        laterFrames += t.laterFrames;
    }
    const double t = Median(tavimorMs);
    const double b = Median(bareMs);
    std::printf("launch to first frame, median of %d fresh processes each\n", runs);
    std::printf("  Tavimor main window: %.1f ms\n  bare Qt window:      %.1f ms\n  ratio: %.2f\n",
                t, b, t / b);
    std::printf("  median ratio of the starts side by side: %.2f\n", Median(pairRatios));
    std::printf("peak memory once settled: %.1f MB against %.1f MB, ratio %.2f\n",
                Median(tavimorKb) / 1024, Median(bareKb) / 1024,
                Median(tavimorKb) / Median(bareKb));
    std::printf("frames after the first in the main window: %d in %d starts\n", laterFrames, runs);
    return 0;
}
