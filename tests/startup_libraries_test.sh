#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Qt's printing support is loaded only when a print preview is asked for:
# neither the program nor the script driver links it, the preview's module
# does, and the program started with its window maps neither the module nor
# Qt's printing support (print_preview-tests sees Ctrl+P load them).
# Usage: startup_libraries_test.sh PROGRAM DRIVER MODULE
set -u
program=$1
driver=$2
module=$3
status=0
fail() {
    echo "FAIL: $*"
    status=1
}

needed() {
    readelf -d "$1" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'
}
for binary in "$program" "$driver"; do
    needed "$binary" | grep -q '^libQt6Widgets' || fail "$(basename "$binary") does not link Qt Widgets: is readelf reading it?"
    needed "$binary" | grep -q '^libQt6PrintSupport' && fail "$(basename "$binary") links Qt's printing support"
done
needed "$module" | grep -q '^libQt6PrintSupport' || fail "$(basename "$module") does not link Qt's printing support"

# The window up (the offscreen platform loaded, then the window's fonts),
# and what the process has mapped then.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"
env XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work" QT_QPA_PLATFORM=offscreen "$program" 2>"$work/err" &
pid=$!
tries=0
until grep -q 'libqoffscreen' "/proc/$pid/maps" 2>/dev/null || [ $tries -ge 100 ]; do
    sleep 0.1
    tries=$((tries + 1))
done
sleep 1
if ! kill -0 $pid 2>/dev/null; then
    fail "the program ended before its window was up: $(cat "$work/err")"
else
    cp "/proc/$pid/maps" "$work/maps"
    kill $pid
    grep -q 'libqoffscreen' "$work/maps" || fail "the program never loaded its platform plugin"
    grep -q 'libQt6PrintSupport' "$work/maps" && fail "the started program has Qt's printing support loaded"
    grep -q "$(basename "$module")" "$work/maps" && fail "the started program has the preview's module loaded"
fi
wait $pid 2>/dev/null
exit $status
