#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Tavrimo with its tests and runs every test.
set -eu
cd "$(dirname "$0")"
scripts/install-deps.sh --test
scripts/build.sh build -DTAVRIMO_BUILD_TESTS=ON
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel 2
