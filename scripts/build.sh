#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures and builds Tavrimo into build/ (or the folder given).
set -eu
cd "$(dirname "$0")/.."
build_dir="${1:-build}"
shift || true
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$build_dir" --parallel
