#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# tavrimo --help and --version print and end; an unknown option or an
# argument is a usage message and status 2. None of them opens the window,
# so each ends at once, with or without a display.
# Each row: the arguments, the expected exit status, a line the output holds.
# Usage: command_line_test.sh PROGRAM VERSION
set -u
program=$1
version=$2
status=0
while IFS='|' read -r args code line; do
    for display in offscreen none; do
        if [ $display = none ]; then
            output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 20 "$program" $args 2>&1)
        else
            output=$(QT_QPA_PLATFORM=offscreen timeout 20 "$program" $args 2>&1)
        fi
        actual=$?
        if [ "$actual" != "$code" ] || ! printf '%s\n' "$output" | grep -qxF -- "$line"; then
            echo "FAIL: tavrimo $args ($display): status $actual, expected $code and the line '$line' in:"
            printf '%s\n' "$output"
            status=1
        fi
    done
done <<TABLE
--help|0|  -v, --version  Displays version information.
-h|0|  -h, --help     Displays help on commandline options.
--version|0|Tavrimo $version
-v|0|Tavrimo $version
--frobnicate|2|tavrimo: Unknown option 'frobnicate'.
-x --help|2|tavrimo: Unknown option 'x'.
page.png|2|tavrimo: Unexpected argument 'page.png'.
TABLE
exit $status
