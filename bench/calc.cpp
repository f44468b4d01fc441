// One whole calculation on the shipped data against a baseline that only
// opens and reads the files that calculation reads; the same calculation
// with its trace recorded against the plain one; the rows of five
// neighbouring wire diameters (the calculation's own run, one run a row and
// the dialog's run of the chosen wire) against the one calculation; and the
// calculation followed by the check of the made spring by EN 13906-1 and
// its spring to order against the plain one (the catalogue's check data
// read once, as a run over many designs keeps it).
#include "engine/method/calc.h"
#include "bench/ratio.h"
#include "engine/catalogue/datafiles.h"
#include "engine/catalogue/textfile.h"
#include "engine/features/neighbours.h"
#include "engine/features/verification.h"
#include "engine/method/quiethost.h"
#include "engine/method/trace.h"
#include "tests/engine/example_design.h"

namespace {

const CalcInputs kExample = wireClass2CalcInputs(SHIPPED_DATA_DIR);

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
    QuietHost host;
    const FolderFiles files(kExample.dataDir);
    for (auto _ : state)
        if (!calculate(kExample, host, files).complete() || host.report.size() != 35)
            state.SkipWithError("the example did not run to its end");
}
BENCHMARK(Calculation);

void TracedCalculation(benchmark::State& state)
{
    QuietHost host;
    const FolderFiles files(kExample.dataDir);
    for (auto _ : state) {
        const CalcResult r = calculate(kExample, host, files, { .trace = true });
        if (!r.complete() || host.report.size() != 35 || r.trace.steps.empty())
            state.SkipWithError("the example did not run to its end");
    }
}
BENCHMARK(TracedCalculation);

void VerifiedCalculation(benchmark::State& state)
{
    QuietHost host;
    const FolderFiles files(kExample.dataDir);
    const CheckData data(files);
    for (auto _ : state)
        if (!verifySpring(calculate(kExample, host, files), data).order)
            state.SkipWithError("the example was not checked or has no spring to order");
}
BENCHMARK(VerifiedCalculation);

void NeighbourRows(benchmark::State& state)
{
    const CalcInputs inputs = wireClass2CalcInputs(SHIPPED_DATA_DIR);
    const FolderFiles files(inputs.dataDir);
    for (auto _ : state)
        if (neighbourRows(inputs, files, 2).rows.size() != 6) // five wires, the chosen one twice
            state.SkipWithError("the example has not six rows");
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
    reporter.printRatio("VerifiedCalculation", "Calculation");
    benchmark::Shutdown();
}
