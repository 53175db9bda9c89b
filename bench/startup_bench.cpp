// Start-up to a shown main window, against the floor: a minimal Qt window of the same size with
// a dozen labels and buttons. Each start is a fresh process, and the two kinds are interleaved
// in one run so that both meet the same machine.
//
//   startup_bench [runs]          prints the medians and their ratio
//   startup_bench tavimor|minimal one start of that kind (used by the run above)
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "frm_main.h"
#include "frm_main_properties.h"
#include "program_resources.h"

namespace {

int StartOnce(int argc, char **argv, bool tavimorWindow)
{
    QApplication app(argc, argv);
    std::unique_ptr<QWidget> window;
    if (tavimorWindow) {
        tavimor::InstallProgramFonts();
        QApplication::setFont(tavimor::frm_main_design::WindowFont());
        window = std::make_unique<frmMain>();
    } else {
        window = std::make_unique<QWidget>();
        window->setFixedSize(593, 481);
        for (int i = 0; i < 6; ++i) {
            auto *label = new QLabel(QStringLiteral("ラベル %1").arg(i), window.get());
            label->move(10, 10 + 30 * i);
            auto *button = new QPushButton(QStringLiteral("ボタン %1").arg(i), window.get());
            button->move(200, 10 + 30 * i);
        }
    }
    window->show();
    return QTest::qWaitForWindowExposed(window.get()) ? 0 : 1;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc == 2 &&
        (std::strcmp(argv[1], "tavimor") == 0 || std::strcmp(argv[1], "minimal") == 0)) {
        return StartOnce(argc, argv, std::strcmp(argv[1], "tavimor") == 0);
    }
    QCoreApplication app(argc, argv);
    const int runs = argc == 2 ? std::max(1, std::atoi(argv[1])) : 15;
    std::vector<double> tavimorTimes;
    std::vector<double> minimalTimes;
    for (int i = 0; i < runs; ++i) {
        for (const char *kind : {"tavimor", "minimal"}) {
            QElapsedTimer clock;
            clock.start();
            const int status = QProcess::execute(QCoreApplication::applicationFilePath(), {kind});
            const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
            if (status != 0) {
                std::fprintf(stderr, "%s start failed\n", kind);
                return 1;
            }
            (std::strcmp(kind, "tavimor") == 0 ? tavimorTimes : minimalTimes).push_back(ms);
        }
    }
    const double t = Median(tavimorTimes);
    const double m = Median(minimalTimes);
    std::printf("start-up to a shown window, median of %d fresh processes each\n", runs);
    std::printf("  Tavimor main window: %.1f ms\n  minimal Qt window:   %.1f ms\n  ratio: %.2f\n",
                t, m, t / m);
    return 0;
}
