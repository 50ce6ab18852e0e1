#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The kept zoom with a real window manager (openbox) on a 1920 x 1200 screen: a
# kept 300 % opens at the largest zoom that fits and stays kept; maximised at
# 100 % it un-maximises at 100 %; a resize is a zoom chosen; SIGTERM and SIGHUP
# keep it as a close does; a zoom not kept is said in one line.
# Skipped (77) without Xvfb, openbox, xdotool or wmctrl.
# Usage: real_window_test.sh PROGRAM
set -u
program=$1
for tool in Xvfb openbox xdotool wmctrl xwininfo xprop; do
    command -v $tool >/dev/null 2>&1 || { echo "$tool is missing (scripts/install-deps.sh --test)"; exit 77; }
done
work=$(mktemp -d)
server=
pid=
trap 'kill $pid $server 2>/dev/null; rm -rf "$work"' EXIT
unset QT_QPA_PLATFORM
Xvfb -displayfd 3 -screen 0 1920x1200x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
server=$!
for i in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start"; exit 77; }
export DISPLAY=:$(cat "$work/display")
openbox >/dev/null 2>&1 &
for i in $(seq 50); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break; sleep 0.1; done
conf=$work/config/tavrimo/tavrimo.conf
status=0
fail() { echo "FAIL: $*"; status=1; }

# Starts the program on the kept file given, and waits for its window.
start() {
    rm -rf "$work/config"
    mkdir -p "$work/config/tavrimo"
    printf "$1" >"$conf"
    env HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work" LC_ALL=C "$program" 2>"$work/err" &
    pid=$!
    window=
    for i in $(seq 100); do
        window=$(xdotool search --onlyvisible --pid $pid 2>/dev/null | head -n 1)
        [ -n "$window" ] && break
        sleep 0.2
    done
    if [ -z "$window" ]; then
        echo "FAIL: no window after 20 seconds: $(cat "$work/err")"
        kill -9 $pid
        exit 1
    fi
    # Until the window manager has framed it.
    sleep 1.2
}

# Closes the window as its close button does, or with a signal.
finish() {
    if [ $# = 0 ]; then wmctrl -i -c "$window"; else kill -"$1" $pid; fi
    for i in $(seq 50); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
    kill -0 $pid 2>/dev/null && { fail "still running"; kill -9 $pid; }
    wait $pid 2>/dev/null
}

client() { xwininfo -id "$window" | sed -n "s/^ *$1: *//p"; }
kept() { tr '\n' ' ' <"$conf"; }

# A kept 300 % on a screen that holds about 256 %.
start '[General]\nzoom=300\n'
top=$(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= //' | cut -d, -f3 | tr -d ' ')
bottom=$(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= //' | cut -d, -f4 | tr -d ' ')
y=$(client 'Absolute upper-left Y')
height=$(client Height)
[ $((y - top)) -ge 0 ] && [ $((y + height + bottom)) -le 1200 ] ||
    fail "kept 300 %: the window and its frame ($y - $top, $height + $bottom) are not wholly on the screen"
finish
case $(kept) in "[General] zoom=300 "*) ;; *) fail "kept 300 %: after a close the file holds $(kept)" ;; esac

# Kept maximised at 100 %, five runs over: un-maximised, the window is 100 %.
for run in 1 2 3 4 5; do
    start '[General]\nzoom=100\nleft=200\ntop=150\nmaximised=true\n'
    wmctrl -i -r "$window" -b remove,maximized_vert,maximized_horz
    sleep 0.6
    size="$(client Width)x$(client Height)"
    [ "$size" = 506x457 ] || fail "run $run: un-maximised, the window is $size, not 506x457 (100 %)"
    finish
    [ "$(kept)" = "[General] zoom=100 " ] || fail "run $run: the file holds $(kept)"
done

# A resize of the person's own is a zoom chosen: 1012 x 914 holds 200 %.
start '[General]\nzoom=150\n'
xdotool windowsize "$window" 1012 914
sleep 0.3
finish
case $(kept) in "[General] zoom=200 "*) ;; *) fail "resized to 200 %: the file holds $(kept)" ;; esac

# A zoom chosen, then the session ends.
for signal in TERM HUP; do
    start '[General]\nzoom=150\n'
    xdotool windowactivate --sync "$window" key ctrl+minus
    sleep 0.3
    finish $signal
    case $(kept) in "[General] zoom=125 "*) ;; *) fail "SIG$signal: the file holds $(kept)" ;; esac
done

# A read-only file: the zoom chosen is not kept, and that is said once.
start '[General]\nzoom=150\n'
chmod 444 "$conf"
xdotool windowactivate --sync "$window" key ctrl+plus
sleep 0.3
finish
[ "$(kept)" = "[General] zoom=150 " ] || fail "read-only: the file holds $(kept)"
[ "$(grep -c . "$work/err")" = 1 ] && grep -qxF "tavrimo: the zoom of 175 % is not kept for the next run: $conf is read-only" "$work/err" ||
    fail "read-only: standard error holds: $(cat "$work/err")"
exit $status
