#pragma once

#include <benchmark/benchmark.h>

#include <iomanip>
#include <map>
#include <string>
#include <utility>
#include <vector>

// Whether a run failed; Google Benchmark 1.8 replaced the flag of older
// versions with a reason for skipping.
template <class Run>
bool runFailed(const Run& run)
{
    if constexpr (requires { run.error_occurred; }) {
        return run.error_occurred;
    } else {
        return run.skipped != decltype(run.skipped){};
    }
}

// The console report, and after it the ratio of two benchmarks' times per
// iteration, so that one run compares them side by side on the same machine.
// With repetitions, the medians are compared.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter(std::string ours, std::string reference) : ours_(std::move(ours)), reference_(std::move(reference)) {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (!runFailed(run) && (median || run.run_type == Run::RT_Iteration)) {
                times_[run.run_name.function_name] = run.GetAdjustedRealTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        const auto ours = times_.find(ours_);
        const auto reference = times_.find(reference_);
        if (ours != times_.end() && reference != times_.end() && reference->second > 0) {
            GetOutputStream() << "ratio " << ours_ << " / " << reference_ << ": " << std::fixed << std::setprecision(2)
                              << ours->second / reference->second << '\n';
        }
    }

private:
    std::string ours_;
    std::string reference_;
    std::map<std::string, double> times_;
};
