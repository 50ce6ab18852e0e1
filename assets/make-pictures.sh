#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Re-makes the pictures in assets/pictures/ from the drawing code in
# assets/generator/. Needs CMake, a C++20 compiler, Qt 6 (QtGui) and the fonts
# Noto Sans Arabic UI (or Amiri) and DejaVu Sans. The generator is built in a
# temporary directory that is removed afterwards.
set -eu

assets=$(cd "$(dirname "$0")" && pwd)
build=$(mktemp -d "${TMPDIR:-/tmp}/tavrimo-pictures.XXXXXX")
trap 'rm -rf "$build"' EXIT INT TERM

cmake -S "$assets/generator" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --parallel
mkdir -p "$assets/pictures"
QT_QPA_PLATFORM=offscreen "$build/make-pictures" "$assets/pictures"
echo "pictures written to $assets/pictures"
