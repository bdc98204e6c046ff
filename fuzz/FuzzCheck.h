#pragma once

#include <cstdio>
#include <cstdlib>

// A broken invariant ends the run at once, so that libFuzzer keeps the input
// that broke it and the replay tests fail on it.
[[noreturn]] inline void fuzzFailure(const char* condition, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: invariant broken: %s\n", file, line, condition);
    std::abort();
}

#define FUZZ_REQUIRE(condition)                                                                    \
    ((condition) ? static_cast<void>(0) : fuzzFailure(#condition, __FILE__, __LINE__))
