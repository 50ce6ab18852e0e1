#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renews the README's pictures in docs/ from a built tree (build/ or the
# folder given): the pages through tavrimo-script's snapshot, and the
# solver and a field's tooltip from the real program under Xvfb,
# typed and pointed at with xdotool.
set -eu
cd "$(dirname "$0")/.."
build="${1:-build}"
docs="$(pwd)/docs"

snap() {  # SCALE, then the script on standard input
    # The driver's own offscreen screen holds the window at every zoom.
    QT_SCALE_FACTOR="$1" QT_QPA_PLATFORM= "$build/tavrimo-script" -
}
# The real program below keeps its zoom in a folder of its own, not the user's.
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME

snap 1 <<SCRIPT
page 0
type txtUSA(3) "1"
snapshot "$docs/page-0.png"
click optSize
type txtTAS(3) "2.5"
snapshot "$docs/page-0-volume.png"
click optArea
type txtUSA(3) "9.09"
snapshot "$docs/page-0-area.png"
page 1
type txtC "3,5"
type txtA "34.5"
type txtB "26.3"
type txtG "-20"
click cmdResult
snapshot "$docs/page-1-marked.png"
pick Combo1 2
snapshot "$docs/page-2-sphere.png"
pick Combo1 4
snapshot "$docs/page-2-cone.png"
pick Combo1 8
snapshot "$docs/page-2-pyramid.png"
SCRIPT
for scale in 1 1.5 2; do
    snap "$scale" <<SCRIPT
page 1
type txtF "2"
paste txtA "1"
paste txtB "0"
paste txtG "-2"
click cmdResult
snapshot "$docs/hidpi-$scale.png"
SCRIPT
done

# The zoom: the solver at 200 %, a sheet of drawings at 300 %.
snap 1 <<SCRIPT
zoom 200
page 1
type txtF "2"
paste txtA "1"
paste txtB "0"
paste txtG "-2"
click cmdResult
snapshot "$docs/zoom-200-page-1.png"
zoom 300
pick Combo1 2
snapshot "$docs/zoom-300-page-2-sphere.png"
SCRIPT

# Arabic-Indic digits in, the same digits out: the unit page, and the
# temperatures and the solver at 200 %.
snap 1 <<SCRIPT
page 0
type txtTAS(1) "١٧٥"
snapshot "$docs/page-0-arabic-digits.png"
zoom 200
page 1
type txtC "٣٧٫٥"
type txtA "١"
type txtB "١"
type txtG "-١"
click cmdResult
snapshot "$docs/page-1-arabic-digits.png"
SCRIPT

# The same page in the real program, with a root's tooltip.
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$XDG_CONFIG_HOME"' EXIT
export DISPLAY="$display"
sleep 1
"$build/tavrimo" 2>/dev/null &
program=$!
sleep 2
window=$(xdotool search --name '^Tavrimo$' | head -n 1)
xdotool windowmove "$window" 0 0
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$window")"
at() { xdotool mousemove $((X + $1)) $((Y + $2)); }
at 365 20; xdotool click 1; sleep 0.3      # the tab of the second page
at 227 121; xdotool click 1; xdotool type "2"   # Fahrenheit
at 70 258; xdotool click 1; xdotool type "1"    # a
at 168 258; xdotool click 1; xdotool type "0"   # b
at 262 258; xdotool click 1; xdotool type -- "-2"  # c
xdotool key Return
sleep 0.5
# The Celsius field, too narrow for its number, ends it in an ellipsis and
# shows it whole in its tooltip; the page itself with the pointer on a root.
for field in celsius:250:89 s2:60:404; do
    spot=${field#*:}
    at "${spot%%:*}" "${spot#*:}"; sleep 0.2; xdotool mousemove_relative 1 0; sleep 1.5
    name=page-1; [ "${field%%:*}" = celsius ] && name=page-1-celsius
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" "$docs/$name.png"
done
kill "$program"

# A page of the booklet, as it prints.
booklet=$(mktemp)
env -u DISPLAY "$build/tavrimo" --pdf "$booklet"
pdftoppm -f 3 -l 3 -r 75 -png -singlefile "$booklet" "$docs/booklet-sphere"
rm -f "$booklet"
