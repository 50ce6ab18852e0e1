#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures Tavrimo against a bare Qt Widgets window and prints the tables:
# start-up time to the first painted frame and peak memory (offscreen, and on
# a real X server under Xvfb when Xvfb is installed), keystroke latency
# through the core and through the widgets, repaints per keystroke, and
# handler runs per keystroke. Installs what it needs with apt where missing
# and builds a Release tree of its own in build-bench/.
#
#   bench/run.sh            # start-up figures are medians of 31 launches
#   BENCH_RUNS=51 bench/run.sh
set -eu
cd "$(dirname "$0")/.."
runs="${BENCH_RUNS:-31}"

scripts/install-deps.sh --bench

build=build-bench
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAVRIMO_BUILD_TESTS=OFF -DTAVRIMO_BUILD_BENCH=ON >/dev/null
cmake --build "$build" --parallel
bench="$build/bench"

# Qt wants a private runtime directory; a fresh one keeps the runs alike.
XDG_RUNTIME_DIR=$(mktemp -d)
chmod 700 "$XDG_RUNTIME_DIR"
export XDG_RUNTIME_DIR
xvfb_pid=""
cleanup() {
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    rm -rf "$XDG_RUNTIME_DIR"
}
trap cleanup EXIT INT TERM

echo
echo "# Tavrimo benchmark"
echo
echo "Machine: $(nproc) cores, $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)," \
     "$(awk '/MemTotal/ {printf "%.0f GiB", $2 / 1048576}' /proc/meminfo) RAM;" \
     "Qt $(pkg-config --modversion Qt6Core 2>/dev/null || echo '?'); $(date -u '+%Y-%m-%d %H:%M UTC')"
echo
echo "## Start-up: launch to first painted frame, peak resident memory (median of $runs launches each)"
echo
echo "| platform  | window   | time, ms | min - max, ms | CPU, ms | peak RSS, MiB | widgets |"
echo "|-----------|----------|----------|---------------|---------|---------------|---------|"
QT_QPA_PLATFORM=offscreen "$bench/startup-bench" "$runs" offscreen "$bench/tavrimo-startup-probe" baseline="$bench/baseline-startup-probe" floor="$bench/floor-startup-probe"

if command -v Xvfb >/dev/null 2>&1; then
    display_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
    xvfb_pid=$!
    tries=0
    while [ ! -s "$display_file" ] && [ "$tries" -lt 100 ]; do
        sleep 0.1
        tries=$((tries + 1))
    done
    display=":$(cat "$display_file")"
    rm -f "$display_file"
    # Wait until the server takes connections.
    tries=0
    until DISPLAY="$display" QT_QPA_PLATFORM=xcb "$bench/baseline-startup-probe" >/dev/null 2>&1; do
        tries=$((tries + 1))
        if [ "$tries" -ge 50 ]; then break; fi
        sleep 0.1
    done
    DISPLAY="$display" QT_QPA_PLATFORM=xcb "$bench/startup-bench" "$runs" "Xvfb" "$bench/tavrimo-startup-probe" \
        baseline="$bench/baseline-startup-probe" floor="$bench/floor-startup-probe" \
        || echo "(no figures on the X server $display: the probes could not use it)"
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=""
else
    echo "(Xvfb not installed: no figures on a real X server)"
fi
echo
echo "Goals: time and peak memory each within 1.15x the baseline's; peak memory within 1.10x"
echo "and time within 1.15x the floor's (a window with only the tab control's captions)."
echo

echo "## Keystrokes (offscreen)"
echo
QT_QPA_PLATFORM=offscreen "$bench/keystroke-bench" --benchmark_min_time=0.2 --benchmark_repetitions=5 \
    --benchmark_report_aggregates_only=true --benchmark_display_aggregates_only=true 2>&1 \
    | grep -v -e '_mean ' -e '_stddev ' -e '_cv ' -e 'Library was built as DEBUG'
echo
echo "Goals: under 20 us a keystroke through the core, under 1 ms through the widgets (medians above)."
echo

echo "## Printing (offscreen)"
echo
echo "| what                                   | first, ms | median, ms |"
echo "|----------------------------------------|-----------|------------|"
QT_QPA_PLATFORM=offscreen "$bench/print-bench" 2>/dev/null
booklet_dir=$(mktemp -d)
booklet_times=""
for i in 1 2 3 4 5 6 7 8 9 10 11; do
    start=$(date +%s%N)
    env -u DISPLAY "$build/tavrimo" --pdf "$booklet_dir/sheets.pdf"
    booklet_times="$booklet_times $((($(date +%s%N) - start) / 1000000))"
done
rm -rf "$booklet_dir"
printf '| %-38s | %9s | %10s |\n' "tavrimo --pdf FILE, the whole command" "$(echo $booklet_times | cut -d' ' -f1)" \
    "$(echo $booklet_times | tr ' ' '\n' | sort -n | sed -n 6p)"
echo
echo "Goals: the preview open within 300 ms, the nine-page booklet within 1 s."
echo

echo "## Handler runs per keystroke (real window, tavrimo-script)"
echo
bench/handler_stats.sh "$build/tavrimo-script"

echo
echo "## The script driver on its largest scripts (16 MiB)"
echo
bench/driver_script.sh "$build/tavrimo-script"
