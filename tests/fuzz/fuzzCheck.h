#pragma once

#include <cstdio>
#include <cstdlib>

// A failed expectation inside a fuzz target: says which, then aborts, so that libFuzzer reports
// the input as a crash and keeps it.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);     \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
