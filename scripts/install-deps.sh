#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages Tavrimo needs, where they are missing. Runs as
# root on Debian 12.
#
#   scripts/install-deps.sh           # building and running the program
#   scripts/install-deps.sh --test    # and everything its tests use
#   scripts/install-deps.sh --fuzz    # the program's needs and clang with libFuzzer
#   scripts/install-deps.sh --bench   # the program's needs, Google Benchmark, Xvfb and time
set -eu

# The compiler and CMake, Qt 6, and what the window loads at run time: the
# platform plugins, Qt's Arabic translation and the fonts.
packages="g++ cmake ninja-build pkg-config qt6-base-dev libgmp-dev libmpfr-dev qt6-qpa-plugins qt6-translations-l10n fonts-noto-ui-core fonts-dejavu-core"
case "${1:-}" in
    --test)
        packages="$packages libgtest-dev"
        # Installing, packaging and starting the program under X (tests/packaging/).
        packages="$packages desktop-file-utils appstream file dpkg-dev xvfb xauth x11-utils binutils-mingw-w64-x86-64"
        # Checking the package with Debian's own checker, and its manual pages.
        packages="$packages lintian man-db python3-pyfribidi"
        # A locale whose decimal separator is a comma, made by the test with localedef.
        packages="$packages locales"
        # Reading the window as a screen reader does, over AT-SPI on a session bus.
        packages="$packages python3-pyatspi at-spi2-core dbus-x11"
        # Reading back the PDF booklet: its text, its fonts, its pages as pictures.
        packages="$packages poppler-utils"
        # A real window manager, driven as a person drives it: clicks, keys and
        # the window manager's own maximise and restore.
        packages="$packages openbox xdotool wmctrl"
        # Hearing the window through the Orca screen reader (speech-dispatcher's
        # dummy voice speaks nothing; Orca's debug log says what it would).
        packages="$packages orca speech-dispatcher"
        ;;
    --fuzz) packages="$packages clang libclang-rt-14-dev" ;;
    --bench) packages="$packages libbenchmark-dev xvfb xauth time" ;;
    "") ;;
    *) echo "usage: scripts/install-deps.sh [--test | --fuzz | --bench]" >&2; exit 2 ;;
esac

missing=""
for package in $packages; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $package"
    fi
done

if [ -n "$missing" ]; then
    echo "Installing:$missing"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    # shellcheck disable=SC2086
    apt-get install -y -qq --no-install-recommends $missing
fi
