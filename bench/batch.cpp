// A batch of 10 000 saved designs (the examples over and over) worked
// through as pruzcalc does with several files, each checked by EN 13906-1
// as the batch's CSV and JSON carry the check, once without the check, and
// written as JSON,
// against merely reading the same input data files in the same run. Prints
// the designs per second.
#include "bench/ratio.h"
#include "cli/batchoutput.h"
#include "cli/options.h"
#include "engine/catalogue/textfile.h"
#include "engine/features/design.h"

#include <filesystem>
#include <fstream>
#include <ostream>
#include <streambuf>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kDesigns = 10000;

// The examples copied round-robin into a scratch folder, removed at exit.
class Batch {
public:
    Batch()
    {
        dir_ = fs::temp_directory_path() / ("pruz-bench-batch-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
        std::vector<fs::path> examples;
        for (const auto& e : fs::directory_iterator(EXAMPLES_DIR))
            if (e.path().extension() == ".rid")
                examples.push_back(e.path());
        std::sort(examples.begin(), examples.end());
        for (int k = 0; k < kDesigns; ++k) {
            const fs::path to = dir_ / (std::to_string(k) + ".rid");
            fs::copy_file(
                examples[static_cast<size_t>(k) % examples.size()], to, fs::copy_options::overwrite_existing);
            files.push_back(to.string());
        }
    }
    ~Batch() { fs::remove_all(dir_); }

    std::vector<std::string> files;

private:
    fs::path dir_;
};

const Batch& batch()
{
    static const Batch b;
    return b;
}

void ReadInputFiles(benchmark::State& state)
{
    for (auto _ : state)
        for (const auto& f : batch().files)
            benchmark::DoNotOptimize(readTextLines(f));
    state.SetItemsProcessed(state.iterations() * kDesigns);
}
BENCHMARK(ReadInputFiles)->Unit(benchmark::kMillisecond);

void runBatch(benchmark::State& state, bool verify)
{
    DesignSettings settings;
    settings.dataDir = SHIPPED_DATA_DIR;
    settings.verify = verify;
    for (auto _ : state) {
        DesignRun run(settings);
        int completed = 0;
        for (const auto& f : batch().files)
            completed += run.run(f).status == Completed;
        if (completed == 0)
            state.SkipWithError("no design of the batch ran to its end");
    }
    state.SetItemsProcessed(state.iterations() * kDesigns);
}

// With the check of the made spring and its spring to order, as pruzcalc's CSV and JSON.
void BatchRun(benchmark::State& state)
{
    runBatch(state, true);
}
BENCHMARK(BatchRun)->Unit(benchmark::kMillisecond);

void BatchRunWithoutCheck(benchmark::State& state)
{
    runBatch(state, false);
}
BENCHMARK(BatchRunWithoutCheck)->Unit(benchmark::kMillisecond);

// As `pruzcalc --format json` with the files: the settings its options give.
void BatchJson(benchmark::State& state)
{
    std::vector<std::string> args { "pruzcalc", "--format", "json", "--data", SHIPPED_DATA_DIR };
    args.insert(args.end(), batch().files.begin(), batch().files.begin() + 2);
    std::vector<const char*> argv;
    for (const auto& a : args)
        argv.push_back(a.c_str());
    DesignSettings settings = parseArgs(static_cast<int>(argv.size()), argv.data()).options.design;
    // Written and counted, not kept: as stdout into a pipe.
    struct Counter : std::streambuf {
        std::streamsize written = 0;
        std::streamsize xsputn(const char*, std::streamsize n) override { return written += n, n; }
        int overflow(int ch) override { return ++written, ch; }
    };
    for (auto _ : state) {
        DesignRun run(settings);
        Counter counted;
        std::ostream out(&counted);
        JsonArrayWriter writer(out);
        for (const auto& f : batch().files)
            writer.add(run.run(f));
        writer.finish();
        benchmark::DoNotOptimize(counted.written);
    }
    state.SetItemsProcessed(state.iterations() * kDesigns);
}
BENCHMARK(BatchJson)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    batch(); // the files are made before anything is measured
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRate("BatchRun", kDesigns, "designs");
    reporter.printRate("BatchRunWithoutCheck", kDesigns, "designs");
    reporter.printRate("BatchJson", kDesigns, "designs");
    reporter.printRatio("BatchRun", "ReadInputFiles");
    reporter.printRatio("BatchRun", "BatchRunWithoutCheck");
    benchmark::Shutdown();
}
