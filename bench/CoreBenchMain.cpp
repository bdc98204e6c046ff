// The benchmarks without widgets, then their ratios.
#include "RatioReport.h"

int main(int argc, char** argv) {
    return runBenchmarksWithRatios(argc, argv);
}
