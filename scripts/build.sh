#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures and builds Tavrimo into build/ (or the folder given): every
# target, or only those named after "--".
#
#   scripts/build.sh [DIR [CMAKE_OPTION...] [-- TARGET...]]
set -eu
cd "$(dirname "$0")/.."
build_dir="${1:-build}"
shift || true
options=""
targets=""
after_dashes=no
for arg in "$@"; do
    if [ $after_dashes = yes ]; then
        targets="$targets --target $arg"
    elif [ "$arg" = -- ]; then
        after_dashes=yes
    else
        options="$options $arg"
    fi
done
# shellcheck disable=SC2086
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $options >/dev/null
# shellcheck disable=SC2086
cmake --build "$build_dir" --parallel $targets
