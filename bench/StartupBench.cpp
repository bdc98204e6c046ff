// Start-up, from the program's launch to its window painted, and its peak
// memory, against a bare Qt window of the same size: both are started as
// processes, in turn, on a simulated player, and each says when it painted.
#include "DemoPlayer.h"
#include "RatioReport.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {
// The simulated player every start-up opens, made once.
const DemoPlayer& player() {
    static const DemoPlayer made;
    return made;
}

struct Run {
    double seconds = 0;
    long peakKilobytes = 0;
    bool ok = false;
};

// The number printed after label ("shown_ns ", "peak_kB "), 0 when absent.
long long printedNumber(const QByteArray& text, const char* label) {
    const qsizetype at = text.indexOf(label);
    if (at < 0) {
        return 0;
    }
    return text.mid(at + qsizetype(qstrlen(label))).split('\n').value(0).trimmed().toLongLong();
}

Run runOnce(const char* program, const char* option) {
    const std::string volume = player().root().toStdString();
    std::vector<std::string> arguments{program, "--volume", volume};
    if (option != nullptr) {
        arguments.emplace_back(option);
    }
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);

    // The program prints its peak memory on its standard output.
    static const QTemporaryDir outputs;
    const std::string output = outputs.filePath(QStringLiteral("output")).toStdString();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);

    Run run;
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, program, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (spawned != 0 || waitpid(child, &status, 0) != child) {
        return run;
    }
    QFile printed(QString::fromStdString(output));
    if (!printed.open(QIODevice::ReadOnly)) {
        return run;
    }
    const QByteArray text = printed.readAll();
    const long long shownNs = printedNumber(text, "shown_ns ");
    run.peakKilobytes = long(printedNumber(text, "peak_kB "));
    // Both clocks are the machine's monotonic clock.
    const long long startNs =
        std::chrono::duration_cast<std::chrono::nanoseconds>(start.time_since_epoch()).count();
    run.seconds = double(shownNs - startNs) / 1e9;
    run.ok =
        WIFEXITED(status) && WEXITSTATUS(status) == 0 && run.peakKilobytes > 0 && shownNs > startNs;
    return run;
}

void startUp(benchmark::State& state, const char* program, const char* option = nullptr) {
    if (!player().ready()) {
        state.SkipWithError("cannot write the simulated player");
        return;
    }
    long peak = 0;
    for (auto _ : state) {
        const Run run = runOnce(program, option);
        if (!run.ok) {
            state.SkipWithError("the program did not start and end cleanly");
            return;
        }
        state.SetIterationTime(run.seconds);
        peak = std::max(peak, run.peakKilobytes);
    }
    state.counters["peak_kB"] = double(peak);
}

void BM_StartBareWindow(benchmark::State& state) {
    startUp(state, OSTREL_BARE_PROBE);
}
void BM_StartBareWindowWithCaption(benchmark::State& state) {
    startUp(state, OSTREL_BARE_PROBE, "--caption");
}
void BM_StartEditor(benchmark::State& state) {
    startUp(state, OSTREL_EDITOR_PROBE);
}
BENCHMARK(BM_StartBareWindow)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartBareWindowWithCaption)
    ->UseManualTime()
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartEditor)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

const RegisterRatio startTime{"start-up to window shown / bare window", "BM_StartEditor",
                              "BM_StartBareWindow", 1.25};
// For reference: what any text on the window costs.
const RegisterRatio captionTime{"start-up, window with one caption / bare",
                                "BM_StartBareWindowWithCaption", "BM_StartBareWindow"};
const RegisterRatio captionMemory{"peak memory, window with one caption / bare",
                                  "BM_StartBareWindowWithCaption", "BM_StartBareWindow", 0,
                                  "peak_kB"};
const RegisterRatio startMemory{"peak memory / bare window", "BM_StartEditor", "BM_StartBareWindow",
                                1.15, "peak_kB"};
} // namespace
