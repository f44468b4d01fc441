// Start-up: the time from starting a process to its first window on the
// screen, for the program (its start as app/main.cpp runs it: Qt's Russian
// translations, the catalogue found in the user's data folder, then
// ProgramWindows) beside minimal Qt windows, all started afresh in every
// iteration: a window with one line of text ("minimal"), and an empty
// window ("empty", which never starts the font machinery, some 4 ms of any
// window that shows text). The program is started twice in each iteration:
// with its catalogue already made ("program") and as a first start in a
// fresh data folder, where it copies the shipped catalogue ("first"). The
// child processes are this program run again with "--child <kind>"; all
// load the same libraries, so the ratios show the program's own start-up
// work. Counters: program_ms, first_ms, minimal_ms, empty_ms, ratio =
// program / minimal (aim: below 1.5), ratio_first = first / minimal (aim:
// below 2) and ratio_empty. Uses the display in DISPLAY if set (run under
// xvfb-run for X11), else offscreen.
#include "app/programstart.h"
#include "forms/appstyle.h"
#include "forms/filechooser.h"
#include "forms/programwindows.h"
#include "forms/qtmessages.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QProcessEnvironment>
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
    if (std::strcmp(kind, "program") != 0) {
        applyAppStyle(app);
        QWidget window;
        window.resize(539, 443);
        QLabel text(std::strcmp(kind, "minimal") == 0 ? QStringLiteral("Расчет пружин") : QString(), &window);
        return runUntilShown(app, window);
    }
    prepareApplication(app);
    QtMessages messages;
    const auto dataDir = openProgramCatalogue(std::nullopt, messages);
    if (!dataDir)
        return 1;
    QtFileChooser files;
    ProgramWindows windows(messages, files);
    windows.form1.setDataDir(*dataDir);
    return runUntilShown(app, windows.form1);
}

// Starts a child with `dataHome` as its XDG data folder.
double startMillis(const QString& kind, const QString& dataHome)
{
    QProcess run;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
    run.setProcessEnvironment(env);
    run.setWorkingDirectory(QDir::tempPath());
    const auto start = std::chrono::steady_clock::now();
    run.start(QCoreApplication::applicationFilePath(), { "--child", kind });
    run.waitForFinished(60000);
    const double ms
        = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    if (run.exitCode() != 0)
        qFatal("the %s start failed: %s", qPrintable(kind), run.readAllStandardError().constData());
    return ms;
}

void BM_StartUp(benchmark::State& state)
{
    QTemporaryDir dataHome;
    startMillis("program", dataHome.path()); // makes the catalogue the later starts find
    double program = 0, first = 0, minimal = 0, empty = 0;
    for (auto _ : state) {
        empty += startMillis("empty", dataHome.path());
        minimal += startMillis("minimal", dataHome.path());
        program += startMillis("program", dataHome.path());
        QTemporaryDir freshHome;
        first += startMillis("program", freshHome.path());
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["program_ms"] = program / n;
    state.counters["first_ms"] = first / n;
    state.counters["minimal_ms"] = minimal / n;
    state.counters["empty_ms"] = empty / n;
    state.counters["ratio"] = program / minimal;
    state.counters["ratio_first"] = first / minimal;
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
