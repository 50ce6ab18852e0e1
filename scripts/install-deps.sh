#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages Tavrimo needs to build, run and test, where
# they are missing. Runs as root on Debian 12.
set -eu

packages="g++ cmake ninja-build pkg-config qt6-base-dev libgmp-dev libmpfr-dev libgtest-dev fonts-noto-ui-core fonts-dejavu-core"
# Installing, packaging and starting the program under X (tests/packaging/).
packages="$packages qt6-translations-l10n qt6-qpa-plugins desktop-file-utils appstream file dpkg-dev xvfb xauth binutils-mingw-w64-x86-64"
# Checking the package with Debian's own checker, and its manual page.
packages="$packages lintian man-db"
case "${1:-}" in
    --fuzz) packages="$packages clang libclang-rt-14-dev" ;;
    --bench) packages="$packages libbenchmark-dev" ;;
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
