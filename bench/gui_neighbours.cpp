// The "Соседние диаметры" window worked out again, as after an edit of the
// main window's inputs: five rows shown and painted, beside the bare rows of
// the same spring in the same run. Counters: panel_us, bare_us and their
// ratio. Runs headless (offscreen) unless DISPLAY or QT_QPA_PLATFORM is set.
#include "engine/datafiles.h"
#include "engine/inputform.h"
#include "engine/neighbours.h"
#include "engine/peremenn.h"
#include "engine/textfile.h"
#include "forms/appstyle.h"
#include "forms/sosedi.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

double micros(Clock::duration d) { return std::chrono::duration<double, std::micro>(d).count(); }

void BM_PanelRows(benchmark::State& state)
{
    Peremenn inputs;
    inputs.dataDir = SHIPPED_DATA_DIR;
    InputForm form = parseRid(*readTextLines(EXAMPLES_DIR "steel-60s2a.rid"));
    inputs.mode = form.mode;
    applyCalcInputs(inputs, form);
    const FolderFiles files(inputs.dataDir);
    TForm13 panel;
    panel.show();

    double panelTotal = 0, bareTotal = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        panel.showRows(inputs, true);
        QCoreApplication::processEvents(); // paint it
        panelTotal += micros(Clock::now() - start);

        start = Clock::now();
        benchmark::DoNotOptimize(neighbourRows(inputs, files, 2));
        bareTotal += micros(Clock::now() - start);
    }
    if (panel.table().rows.size() != 5)
        state.SkipWithError("the example has not five rows");
    const double n = static_cast<double>(state.iterations());
    state.counters["panel_us"] = panelTotal / n;
    state.counters["bare_us"] = bareTotal / n;
    state.counters["ratio"] = panelTotal / bareTotal;
}
BENCHMARK(BM_PanelRows)->Unit(benchmark::kMicrosecond);

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
