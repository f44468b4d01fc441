// One whole calculation on the shipped data against a baseline that only
// opens and reads the files that calculation reads; the same calculation
// with its trace recorded against the plain one; and the five rows of the
// neighbouring wire diameters (the calculation's own run and one run a row)
// against the one calculation.
#include "engine/calc.h"
#include "bench/ratio.h"
#include "engine/calchost.h"
#include "engine/datafiles.h"
#include "engine/neighbours.h"
#include "engine/peremenn.h"
#include "engine/textfile.h"
#include "engine/trace.h"

namespace {

class NullHost : public CalcHost {
public:
    void clearReport() override { lines = 0; }
    void appendLine(const std::string&) override { ++lines; }
    void showMessage(const std::string&) override { }
    bool chooseDiameter(Peremenn&) override { return false; }
    void enablePrint() override { }
    int lines = 0;
};

CalcInputs exampleInputs()
{
    CalcInputs p;
    p.dataDir = SHIPPED_DATA_DIR;
    p.materialName = "Проволока II класса";
    p.F1 = 100;
    p.F2 = 300;
    p.D1 = 20;
    p.H = 15;
    p.Vmax = 2;
    p.group = 1;
    p.mode = 1;
    return p;
}

// The same inputs in a working record, for the calculation on its own.
Peremenn example()
{
    const CalcInputs in = exampleInputs();
    Peremenn p;
    p.dataDir = in.dataDir;
    p.materialName = in.materialName;
    p.F1 = in.F1;
    p.F2 = in.F2;
    p.D1 = in.D1;
    p.H = in.H;
    p.Vmax = in.Vmax;
    p.group = in.group;
    p.mode = in.mode;
    return p;
}

void BareRead(benchmark::State& state)
{
    const std::string dir = SHIPPED_DATA_DIR;
    const char* files[] = { "Проволока II классаmat.dat", "tau1.dat", "k3.dat", "Проволока II класса.dat",
        "sigmdiam.dat", "sigmab.dat", "Проволока II класса.dat" };
    for (auto _ : state)
        for (const char* f : files)
            benchmark::DoNotOptimize(readDataLines(dir, f));
}
BENCHMARK(BareRead);

void Calculation(benchmark::State& state)
{
    NullHost host;
    for (auto _ : state) {
        Peremenn p = example();
        if (!runCalculation(p, host) || host.lines != 35)
            state.SkipWithError("the example did not run to its end");
    }
}
BENCHMARK(Calculation);

void TracedCalculation(benchmark::State& state)
{
    NullHost host;
    Trace trace;
    for (auto _ : state) {
        Peremenn p = example();
        if (!runCalculation(p, host, &trace) || host.lines != 35 || trace.steps.empty())
            state.SkipWithError("the example did not run to its end");
    }
}
BENCHMARK(TracedCalculation);

void NeighbourRows(benchmark::State& state)
{
    const CalcInputs inputs = exampleInputs();
    const FolderFiles files(inputs.dataDir);
    for (auto _ : state)
        if (neighbourRows(inputs, files, 2).rows.size() != 5)
            state.SkipWithError("the example has not five rows");
}
BENCHMARK(NeighbourRows);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatio("Calculation", "BareRead");
    reporter.printRatio("TracedCalculation", "Calculation");
    reporter.printRatio("NeighbourRows", "Calculation");
    benchmark::Shutdown();
}
