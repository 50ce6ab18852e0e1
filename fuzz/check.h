// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A failed invariant stops the fuzzer with a message and the input that
// broke it (libFuzzer keeps the input as a crash reproducer).

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition, ...)                                          \
    do {                                                                    \
        if (!(condition)) {                                                 \
            std::fprintf(stderr, "invariant broken: %s\n  ", #condition);   \
            std::fprintf(stderr, __VA_ARGS__);                              \
            std::fprintf(stderr, "\n");                                     \
            std::abort();                                                   \
        }                                                                   \
    } while (false)
