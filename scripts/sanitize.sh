#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer and
# runs the whole test suite in that build (the long soak aside). Any
# sanitizer report fails the run.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh --test
cmake --preset asan >/dev/null
cmake --build --preset asan --parallel
ctest --preset asan --parallel 2
