// The search over the shipped catalogue: more than 100 000 candidates (every
// material, group and outer diameter from 10 to 40 mm in steps of 0,01 mm,
// and every stocked wire where the method asks for one), each worked
// through by the method and the check, on one and on two threads, against
// one whole calculation (report and all) in the same run. Prints the
// processor time of one candidate against that calculation's, the
// candidates a second of processor time on each core (what two idle cores
// do) and by the clock (what this machine did now, shared as it is).
#include "engine/features/search.h"
#include "bench/ratio.h"
#include "engine/catalogue/memoryfiles.h"
#include "engine/method/quiethost.h"
#include "tests/engine/example_design.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace {

std::uint64_t tried = 0, completed = 0;
double processSeconds[3] = {}, clockSeconds[3] = {}; // of one search, by threads

const MemoryFiles& shipped()
{
    static const MemoryFiles files = MemoryFiles::snapshot(SHIPPED_DATA_DIR);
    return files;
}

void Calculation(benchmark::State& state)
{
    const CalcInputs in = wireClass2CalcInputs(SHIPPED_DATA_DIR);
    QuietHost host;
    for (auto _ : state)
        if (!calculate(in, host, shipped()).complete())
            state.SkipWithError("the example did not run to its end");
}
BENCHMARK(Calculation);

void Search(benchmark::State& state)
{
    SearchRequest request;
    request.base = wireClass2CalcInputs(SHIPPED_DATA_DIR);
    request.outer = { 10, 40, 0.01 };
    const auto threads = static_cast<size_t>(state.range(0));
    for (auto _ : state) {
        const std::clock_t cpu = std::clock();
        const auto start = std::chrono::steady_clock::now();
        const SearchResult r = runSearch(request, shipped(), static_cast<unsigned>(threads));
        clockSeconds[threads]
            = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        processSeconds[threads] = static_cast<double>(std::clock() - cpu) / CLOCKS_PER_SEC;
        tried = r.tried;
        completed = r.tried - r.rejected[static_cast<size_t>(Rejection::MethodStopped)];
        if (r.tried < 100000 || r.rows.empty())
            state.SkipWithError("fewer than 100 000 candidates, or none kept");
    }
    state.counters["candidates"] = static_cast<double>(tried);
}
BENCHMARK(Search)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (size_t threads : { 1, 2 }) {
        if (clockSeconds[threads] <= 0)
            continue;
        const double perCandidate = processSeconds[threads] / static_cast<double>(tried);
        std::printf("search, %zu thread(s): %llu candidates, %llu run to the method's end; one costs %.3f of "
                    "one calculation\n",
            threads, static_cast<unsigned long long>(tried), static_cast<unsigned long long>(completed),
            perCandidate / reporter.seconds("Calculation"));
        std::printf("  %.0f candidates a second a core (processor time), %.0f on two idle cores\n",
            1 / perCandidate, 2 / perCandidate);
        std::printf("  %.0f candidates a second by the clock, on this machine now\n",
            static_cast<double>(tried) / clockSeconds[threads]);
    }
    benchmark::Shutdown();
}
