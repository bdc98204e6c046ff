#pragma once

#include <string>

// Figures that mean something on a shared machine: each is the ratio of two
// benchmarks run side by side in the same process, their repetitions
// interleaved, compared by their medians.
struct Ratio {
    std::string title;       // "fin_init / raw read"
    std::string numerator;   // "BM_FinInit", with its arguments: "BM_CityChoice/36000"
    std::string denominator; // "BM_RawRead/699"
    double target = 0;       // the ratio not to exceed; 0 when there is none
    std::string counter;     // compare this counter ("peak_kB") instead of the times
};

// Registers a ratio to print after the run; use at namespace scope.
struct RegisterRatio {
    RegisterRatio(std::string title, std::string numerator, std::string denominator,
                  double target = 0, std::string counter = {});
};

// Runs the benchmarks as the command line selects them, by default nine
// interleaved repetitions of each, then prints every registered ratio whose
// two benchmarks ran. Returns the process's exit code.
int runBenchmarksWithRatios(int argc, char** argv);
