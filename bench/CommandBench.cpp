// "ostrelctl show FILE" as a whole process, from its launch to its end,
// against a bare Qt Core program that reads the same file and prints its size.
#include "DemoPlayer.h"
#include "RatioReport.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {
const DemoPlayer& player() {
    static const DemoPlayer made;
    return made;
}

// Seconds from the launch to the end; negative when the program failed.
double runOnce(std::vector<std::string> arguments) {
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);

    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    int status = 0;
    const bool ran = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ) == 0 &&
                     waitpid(child, &status, 0) == child;
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    posix_spawn_file_actions_destroy(&actions);
    return ran && WIFEXITED(status) && WEXITSTATUS(status) == 0 ? elapsed.count() : -1;
}

void runProgram(benchmark::State& state, std::vector<std::string> arguments) {
    if (!player().ready()) {
        state.SkipWithError("cannot write the simulated player");
        return;
    }
    arguments.push_back(player().file().toStdString());
    for (auto _ : state) {
        const double seconds = runOnce(arguments);
        if (seconds < 0) {
            state.SkipWithError("the program did not end cleanly");
            return;
        }
        state.SetIterationTime(seconds);
    }
}

void BM_BareFileRead(benchmark::State& state) {
    runProgram(state, {OSTREL_BARE_FILE_PROBE});
}
void BM_OstrelctlShow(benchmark::State& state) {
    runProgram(state, {OSTREL_OSTRELCTL, "show"});
}
BENCHMARK(BM_BareFileRead)->UseManualTime()->Iterations(30)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OstrelctlShow)->UseManualTime()->Iterations(30)->Unit(benchmark::kMillisecond);

const RegisterRatio showTime{"ostrelctl show FILE / bare Qt Core read", "BM_OstrelctlShow",
                             "BM_BareFileRead", 1.5};
} // namespace
