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
                times_[r.benchmark_name()]
                    = r.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(r.time_unit);
        ConsoleReporter::ReportRuns(runs);
    }

    void printRatio(const std::string& measured, const std::string& baseline) const
    {
        auto m = times_.find(measured), b = times_.find(baseline);
        if (m == times_.end() || b == times_.end() || b->second <= 0)
            return;
        std::printf("ratio %s / %s = %.2f\n", measured.c_str(), baseline.c_str(), m->second / b->second);
    }

    // How many `what` a second one iteration of `measured` does, doing `count`.
    void printRate(const std::string& measured, int count, const char* what) const
    {
        auto m = times_.find(measured);
        if (m == times_.end() || m->second <= 0)
            return;
        std::printf("rate %s = %.0f %s a second\n", measured.c_str(), count / m->second, what);
    }

    // Seconds of processor time one iteration of `name` took; 0 when it
    // was not measured.
    double seconds(const std::string& name) const
    {
        auto m = times_.find(name);
        return m == times_.end() ? 0 : m->second;
    }

private:
    std::map<std::string, double> times_; // seconds of CPU time per iteration
};
