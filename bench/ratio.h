#pragma once
// Runs the registered benchmarks and prints the time of each against a
// baseline measured in the same run, so that the figure means the same on
// any machine.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const auto& r : runs)
            if (r.run_type == Run::RT_Iteration && !r.error_occurred)
                times_[r.benchmark_name()] = r.GetAdjustedCPUTime();
        ConsoleReporter::ReportRuns(runs);
    }

    void printRatio(const std::string& measured, const std::string& baseline) const
    {
        auto m = times_.find(measured), b = times_.find(baseline);
        if (m == times_.end() || b == times_.end() || b->second <= 0)
            return;
        std::printf("ratio %s / %s = %.2f\n", measured.c_str(), baseline.c_str(), m->second / b->second);
    }

private:
    std::map<std::string, double> times_;
};
