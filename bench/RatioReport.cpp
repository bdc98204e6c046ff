#include "RatioReport.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <vector>

namespace {
std::vector<Ratio>& registered() {
    static std::vector<Ratio> ratios;
    return ratios;
}

struct Figure {
    double seconds = 0;
    long repetitions = 1;
    std::map<std::string, double> counters;
};

// The console report, and each benchmark's median (or its only run) kept aside.
class CollectingReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, Figure> figures;

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.error_occurred) {
                continue;
            }
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (!median && run.run_type != Run::RT_Iteration) {
                continue;
            }
            std::string name = run.run_name.function_name;
            if (!run.run_name.args.empty()) {
                name += "/" + run.run_name.args;
            }
            const double seconds =
                run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
            if (median || figures.count(name) == 0) {
                Figure figure{seconds, long(run.repetitions), {}};
                for (const auto& [counter, value] : run.counters) {
                    figure.counters[counter] = value;
                }
                figures[name] = figure;
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

std::string duration(double seconds) {
    char text[32];
    if (seconds >= 1e-3) {
        std::snprintf(text, sizeof text, "%.2f ms", seconds * 1e3);
    } else {
        std::snprintf(text, sizeof text, "%.2f us", seconds * 1e6);
    }
    return text;
}

bool given(int argc, char** argv, const std::string& flag) {
    for (int k = 1; k < argc; ++k) {
        if (std::string(argv[k]).rfind(flag, 0) == 0) {
            return true;
        }
    }
    return false;
}
} // namespace

RegisterRatio::RegisterRatio(std::string title, std::string numerator, std::string denominator,
                             double target, std::string counter) {
    registered().push_back(Ratio{std::move(title), std::move(numerator), std::move(denominator),
                                 target, std::move(counter)});
}

int runBenchmarksWithRatios(int argc, char** argv) {
    std::vector<std::string> arguments{argv[0]};
    const std::pair<const char*, const char*> defaults[] = {
        {"--benchmark_repetitions", "=9"},
        {"--benchmark_enable_random_interleaving", "=true"},
        {"--benchmark_report_aggregates_only", "=true"},
    };
    for (const auto& [flag, value] : defaults) {
        if (!given(argc, argv, flag)) {
            arguments.push_back(std::string(flag) + value);
        }
    }
    for (int k = 1; k < argc; ++k) {
        arguments.emplace_back(argv[k]);
    }
    std::vector<char*> pointers;
    for (std::string& argument : arguments) {
        pointers.push_back(argument.data());
    }
    int count = int(pointers.size());
    pointers.push_back(nullptr);
    benchmark::Initialize(&count, pointers.data());
    if (benchmark::ReportUnrecognizedArguments(count, pointers.data())) {
        return 1;
    }
    CollectingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    bool missed = false;
    for (const Ratio& ratio : registered()) {
        const auto top = reporter.figures.find(ratio.numerator);
        const auto bottom = reporter.figures.find(ratio.denominator);
        if (top == reporter.figures.end() || bottom == reporter.figures.end()) {
            continue;
        }
        // The compared figure, and how it reads.
        const auto figure = [&](const Figure& of) -> std::pair<double, std::string> {
            if (ratio.counter.empty()) {
                return {of.seconds, duration(of.seconds)};
            }
            const auto found = of.counters.find(ratio.counter);
            const double value = found == of.counters.end() ? 0 : found->second;
            char text[48];
            std::snprintf(text, sizeof text, "%.0f %s", value, ratio.counter.c_str());
            return {value, text};
        };
        const auto [above, aboveText] = figure(top->second);
        const auto [below, belowText] = figure(bottom->second);
        if (below <= 0) {
            continue;
        }
        const double value = above / below;
        std::printf("ratio  %-44s = %7.2fx   (%s vs %s, medians of %ld)", ratio.title.c_str(),
                    value, aboveText.c_str(), belowText.c_str(), top->second.repetitions);
        if (ratio.target > 0) {
            const bool met = value <= ratio.target;
            missed = missed || !met;
            std::printf("   target <= %.2fx: %s", ratio.target, met ? "met" : "MISSED");
        }
        std::printf("\n");
    }
    std::fflush(stdout);
    (void)missed; // a missed target is reported, not a failure: the machine may be busy
    return 0;
}
