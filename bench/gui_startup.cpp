// Start-up: the time from starting a process to its first window on the
// screen, for the program's windows (ProgramWindows, reading the catalogue
// from a copy of data/) beside minimal Qt windows, all started afresh in
// every iteration: a window with one line of text ("minimal"), and an empty
// window ("empty", which never starts the font machinery, some 4 ms of any
// window that shows text). The child processes are this program run again
// with "--child <kind>"; all load the same libraries, so the ratios show the
// program's own start-up work. Counters: program_ms, minimal_ms, empty_ms,
// ratio = program / minimal (aim: below 1.5) and ratio_empty. Uses the
// display in DISPLAY if set (run under xvfb-run for X11), else offscreen.
#include "engine/peremenn.h"
#include "forms/appstyle.h"
#include "forms/filechooser.h"
#include "forms/programwindows.h"
#include "forms/qtmessages.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>

namespace {

// Runs until `window` is exposed on the screen, then ends the process.
int runUntilShown(QApplication& app, QWidget& window)
{
    window.show();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (window.windowHandle() && window.windowHandle()->isExposed())
            app.quit();
    });
    poll.start(1);
    return app.exec();
}

int child(int argc, char** argv, const char* kind)
{
    QApplication app(argc, argv);
    applyAppStyle(app);
    if (std::strcmp(kind, "program") != 0) {
        QWidget window;
        window.resize(539, 443);
        QLabel text(std::strcmp(kind, "minimal") == 0 ? QStringLiteral("Расчет пружин") : QString(), &window);
        return runUntilShown(app, window);
    }
    Peremenn peremenn;
    QtMessages messages;
    QtFileChooser files;
    ProgramWindows windows(peremenn, messages, files);
    return runUntilShown(app, windows.form1);
}

double startMillis(const QString& mode, const QString& dir)
{
    QProcess run;
    run.setWorkingDirectory(dir);
    const auto start = std::chrono::steady_clock::now();
    run.start(QCoreApplication::applicationFilePath(), {"--child", mode});
    run.waitForFinished(60000);
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

void BM_StartUp(benchmark::State& state)
{
    QTemporaryDir data;
    for (const QString& name : QDir(SHIPPED_DATA_DIR).entryList(QDir::Files))
        QFile::copy(QStringLiteral(SHIPPED_DATA_DIR) + name, data.filePath(name));
    double program = 0, minimal = 0, empty = 0;
    for (auto _ : state) {
        empty += startMillis("empty", data.path());
        minimal += startMillis("minimal", data.path());
        program += startMillis("program", data.path());
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["program_ms"] = program / n;
    state.counters["minimal_ms"] = minimal / n;
    state.counters["empty_ms"] = empty / n;
    state.counters["ratio"] = program / minimal;
    state.counters["ratio_empty"] = program / empty;
}
BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 3 && std::strcmp(argv[1], "--child") == 0) {
        int childArgc = 1;
        return child(childArgc, argv, argv[2]);
    }
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
