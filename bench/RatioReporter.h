#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace corvanel::bench {

// The console's report, then each measure beside its plain baselines on
// the same data, as ratios: measure / baseline.
class RatioReporter final : public benchmark::ConsoleReporter {
public:
    // Pairs of name prefixes: "Store/QueryToOrderedCodes/" against
    // "Baseline/Memmem/" compares runs with the same rest of the name.
    explicit RatioReporter(std::vector<std::pair<std::string, std::string>> pairs)
        : pairs_(std::move(pairs)) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (!run.error_occurred) {
                milliseconds_[run.benchmark_name()] =
                    run.GetAdjustedRealTime() * multiplierToMilliseconds(run.time_unit);
            }
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\n%-52s %12s %-40s %12s %9s\n", "measure", "ms", "baseline", "ms", "ratio");
        for (const auto& [measure, baseline] : pairs_) {
            for (const auto& [name, ms] : milliseconds_) {
                if (name.rfind(measure, 0) != 0) {
                    continue;
                }
                const std::string rest = name.substr(measure.size());
                const auto plain = milliseconds_.find(baseline + rest);
                if (plain == milliseconds_.end() || plain->second <= 0) {
                    continue;
                }
                std::printf("%-52s %12.3f %-40s %12.3f %9.2f\n", name.c_str(), ms,
                            (baseline + rest).c_str(), plain->second, ms / plain->second);
            }
        }
    }

private:
    static double multiplierToMilliseconds(benchmark::TimeUnit unit) {
        switch (unit) {
            case benchmark::kNanosecond:
                return 1e-6;
            case benchmark::kMicrosecond:
                return 1e-3;
            case benchmark::kSecond:
                return 1e3;
            case benchmark::kMillisecond:
            default:
                return 1.0;
        }
    }

    std::vector<std::pair<std::string, std::string>> pairs_;
    std::map<std::string, double> milliseconds_;
};

}  // namespace corvanel::bench
