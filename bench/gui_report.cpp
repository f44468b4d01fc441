// The time from "Расчет" to a filled report window (paint:0) and to the
// report painted as well (paint:1), beside the bare calculation of the same
// spring in the same run (a QuietHost, which keeps the lines). Counters:
// report_us, bare_us and their ratio (aim: below 2). And the report window's
// "Соседние диаметры" worked out again, as after an edit of the main
// window's inputs: five rows shown and painted, beside the bare rows of the
// same spring (panel_us, bare_us, ratio). And its "Материалы" tab the same
// way: the spring in every material of the shipped catalogue, shown and
// painted (materials_us, aim: one frame, 16 ms; frame the share of it),
// beside the bare rows. Runs headless (offscreen) unless DISPLAY or
// QT_QPA_PLATFORM is set.
#include "engine/catalogue/datafiles.h"
#include "engine/catalogue/textfile.h"
#include "engine/features/allmaterials.h"
#include "engine/features/neighbours.h"
#include "engine/method/calc.h"
#include "engine/method/inputform.h"
#include "engine/method/quiethost.h"
#include "forms/widgets/appstyle.h"
#include "forms/widgets/filechooser.h"
#include "forms/widgets/qtmessages.h"
#include "forms/windows/programwindows.h"
#include "forms/windows/rascet.h"
#include "forms/windows/sosedi.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <benchmark/benchmark.h>
#include <utility>

#include <chrono>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct OpenExample : FileChooser {
    QString path;
    QString openFile(QWidget*, const QString&) override { return path; }
    QString saveFile(QWidget*, const QString&) override { return {}; }
    QString savePdfFile(QWidget*, const QString&) override { return {}; }
    QString openFolder(QWidget*, const QString&) override { return {}; }
};

double micros(Clock::duration d)
{
    return std::chrono::duration<double, std::micro>(d).count();
}

void BM_RascetToReport(benchmark::State& state)
{
    QTemporaryDir data;
    for (const QString& name : QDir(SHIPPED_DATA_DIR).entryList(QDir::Files))
        QFile::copy(QStringLiteral(SHIPPED_DATA_DIR) + name, data.filePath(name));
    QDir::setCurrent(data.path());

    QtMessages messages;
    OpenExample files;
    files.path = QStringLiteral(EXAMPLES_DIR "wire-class2.rid");
    ProgramWindows windows(messages, files, data.path().toStdString() + "/");
    windows.form1.show();
    windows.form1.findChild<QToolButton*>(QStringLiteral("SpeedButton3"))->click(); // Load

    CalcInputs bare;
    bare.dataDir = data.path().toStdString() + "/";
    InputForm form = parseRid(*readTextLines(files.path.toStdString()));
    applyCalcInputs(bare, form);
    const FolderFiles bareFiles(bare.dataDir);
    QuietHost host;
    std::size_t bareLines = 0;
    auto* rascet = windows.form1.findChild<QPushButton*>(QStringLiteral("Rascet"));

    double reportTotal = 0, bareTotal = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        rascet->click();
        if (state.range(0))
            QCoreApplication::processEvents(); // paint it
        reportTotal += micros(Clock::now() - start);

        start = Clock::now();
        const CalcResult r = calculate(bare, host, bareFiles);
        bareLines = r.report.size();
        benchmark::DoNotOptimize(r.report.data());
        bareTotal += micros(Clock::now() - start);
    }
    if (windows.form1.reportWindow()->reportLines().size() != static_cast<qsizetype>(bareLines))
        state.SkipWithError("the report window and the bare calculation differ");
    const double n = static_cast<double>(state.iterations());
    state.counters["report_us"] = reportTotal / n;
    state.counters["bare_us"] = bareTotal / n;
    state.counters["ratio"] = reportTotal / bareTotal;
}
BENCHMARK(BM_RascetToReport)->ArgName("paint")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

CalcInputs steelExample()
{
    CalcInputs inputs;
    inputs.dataDir = SHIPPED_DATA_DIR;
    InputForm form = parseRid(*readTextLines(EXAMPLES_DIR "steel-60s2a.rid"));
    applyCalcInputs(inputs, form);
    return inputs;
}

// The average microseconds of the panel's rows shown and painted, and of
// the same rows worked out without a window.
template <typename ShowRows, typename BareRows>
std::pair<double, double> panelAgainstBare(benchmark::State& state, ShowRows showRows, BareRows bareRows)
{
    double panelTotal = 0, bareTotal = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        showRows();
        QCoreApplication::processEvents(); // paint it
        panelTotal += micros(Clock::now() - start);

        start = Clock::now();
        bareRows();
        bareTotal += micros(Clock::now() - start);
    }
    const double n = static_cast<double>(state.iterations());
    return { panelTotal / n, bareTotal / n };
}

void BM_PanelRows(benchmark::State& state)
{
    const CalcInputs inputs = steelExample();
    const FolderFiles files(inputs.dataDir);
    TForm13 panel;
    panel.show();

    const auto [panelUs, bareUs] = panelAgainstBare(
        state, [&] { panel.showRows(inputs, true); },
        [&] { benchmark::DoNotOptimize(neighbourRows(inputs, files, 2)); });
    if (panel.table().rows.size() != 5)
        state.SkipWithError("the example has not five rows");
    state.counters["panel_us"] = panelUs;
    state.counters["bare_us"] = bareUs;
    state.counters["ratio"] = panelUs / bareUs;
}
BENCHMARK(BM_PanelRows)->Unit(benchmark::kMicrosecond);

void BM_MaterialRows(benchmark::State& state)
{
    const CalcInputs inputs = steelExample();
    const FolderFiles files(inputs.dataDir);
    TForm13 panel;
    panel.show();
    panel.showMaterials();

    const auto [panelUs, bareUs] = panelAgainstBare(
        state, [&] { panel.showRows(inputs, true); },
        [&] { benchmark::DoNotOptimize(allMaterialRows(inputs, files)); });
    if (panel.materials().rows.size() != 11)
        state.SkipWithError("the shipped catalogue has not eleven materials");
    state.counters["materials_us"] = panelUs;
    state.counters["frame"] = panelUs / 16000;
    state.counters["bare_us"] = bareUs;
    state.counters["ratio"] = panelUs / bareUs;
}
BENCHMARK(BM_MaterialRows)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    applyAppStyle(app);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
