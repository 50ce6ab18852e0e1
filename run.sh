#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Tavrimo and opens its window. Without a display it says so and saves
# pictures of the three pages instead, with the script driver. It installs
# and builds only that; ./test.sh adds the tests and what they need.
set -eu
cd "$(dirname "$0")"
scripts/install-deps.sh

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    scripts/build.sh build -DTAVRIMO_BUILD_TESTS=OFF -- tavrimo
    exec build/tavrimo
fi

scripts/build.sh build -DTAVRIMO_BUILD_TESTS=OFF -- tavrimo-script

echo "No display found (neither DISPLAY nor WAYLAND_DISPLAY is set), so the window cannot be opened here."
mkdir -p screenshots
here="$(pwd)"
QT_QPA_PLATFORM=offscreen build/tavrimo-script - <<SCRIPT
snapshot "$here/screenshots/page-2.png"
page 0
snapshot "$here/screenshots/page-0.png"
page 1
snapshot "$here/screenshots/page-1.png"
SCRIPT
echo "Pictures of the three pages were saved in $here/screenshots/ (page-0.png, page-1.png, page-2.png)."
echo "On a desktop, run ./run.sh there, or build/tavrimo after building."
