#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Time and peak memory of tavrimo-script on the largest scripts it takes:
# 16 MiB of `stats` lines (each one printed) and 16 MiB of comment lines.
# The driver reads a script line by line as it runs, holding only its bytes;
# the goal is under 200 MB and under 2 s for the `stats` script.
# Usage: bench/driver_script.sh DRIVER
set -eu
driver=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen

awk 'BEGIN { for (i = 0; i < int(16777216 / 6); i++) print "stats" }' >"$work/stats.scn"
awk 'BEGIN { for (i = 0; i < 16777216 / 64; i++) printf "#%062d\n", i }' >"$work/comments.scn"

echo "| script | bytes | wall, s | CPU, s | peak RSS, MB | exit |"
echo "|---|---|---|---|---|---|"
for script in stats comments; do
    file="$work/$script.scn"
    /usr/bin/time -f '%e %U %S %M %x' -o "$work/time" "$driver" "$file" >/dev/null || true
    tail -n 1 "$work/time" | awk -v name="$script" -v bytes="$(wc -c <"$file")" \
        '{ printf "| %s | %d | %s | %.2f | %.1f | %s |\n", name, bytes, $1, $2 + $3, $4 / 1000, $5 }'
done
