#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# What tavrimo prints for its command line, in the person's language, and its
# exit status, from an empty environment. Each row: the environment, the
# arguments, standard output (out, full: /dev/full, closed), the status, the
# stream that speaks (the other stays empty), its first line ("-": empty) and
# another line it holds ("-": the first is its only one).
# Usage: command_line_test.sh PROGRAM VERSION
set -u
program=$1
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"
status=0

en_usage='Usage: tavrimo [options]'
lri=$(printf '\342\201\246')
pdi=$(printf '\342\201\251')
ar_usage="الاستعمال: ${lri}tavrimo$pdi [خيارات]"
en_version="  -v, --version  Prints the program's name and version."
ar_version="  $lri-v$pdi، $lri--version$pdi  يطبع اسم البرنامج ورقم إصداره."
en_no_x='tavrimo: no display to open the window on: DISPLAY is not set (Qt platform xcb)'

while IFS='|' read -r environment args output code stream first other; do
    # The window itself (status 124 from timeout) is given 3 seconds.
    limit=20
    [ "$code" = 124 ] && limit=3
    set -- env -i PATH="$PATH" HOME="$work" XDG_CONFIG_HOME="$work" \
        $environment timeout $limit "$program" $args
    : >"$work/out"
    case $output in
        full) "$@" >/dev/full 2>"$work/err" ;;
        closed) "$@" >&- 2>"$work/err" ;;
        *) "$@" >"$work/out" 2>"$work/err" ;;
    esac
    actual=$?
    speaks=$work/$stream
    silent=$work/out
    [ "$stream" = out ] && silent=$work/err
    problem=
    if [ "$actual" != "$code" ]; then
        problem="status $actual, expected $code"
    elif [ -s "$silent" ]; then
        problem="the other stream is not empty"
    elif [ "$first" = - ] && [ -s "$speaks" ]; then
        problem="it prints something"
    elif [ "$first" != - ] && [ "$(head -n 1 "$speaks")" != "$first" ]; then
        problem="its first line is not '$first'"
    elif [ "$other" = - ] && [ "$first" != - ] && [ "$(wc -l <"$speaks")" != 1 ]; then
        problem="it prints more than one line"
    elif [ "$other" != - ] && ! grep -qxF -- "$other" "$speaks"; then
        problem="no line '$other'"
    fi
    if [ -n "$problem" ]; then
        echo "FAIL: $environment tavrimo $args ($output): $problem; standard output and error:"
        cat "$work/out" "$work/err"
        status=1
    fi
done <<TABLE
LC_ALL=C QT_QPA_PLATFORM=offscreen|--help|out|0|out|$en_usage|$en_version
LC_ALL=C|--help|out|0|out|$en_usage|  -h, --help     Prints this help.
LANG=ar_EG.UTF-8|--help|out|0|out|$ar_usage|$ar_version
LANG=ar_EG.UTF-8 QT_QPA_PLATFORM=offscreen|-h|out|0|out|$ar_usage|  $lri-h$pdi، $lri--help$pdi     يطبع هذه المساعدة.
LANGUAGE=ar:en LANG=en_US.UTF-8|-h|out|0|out|$ar_usage|$ar_version
LANGUAGE=fr:en LANG=ar_EG.UTF-8|-h|out|0|out|$en_usage|$en_version
LANGUAGE=ar LC_ALL=C|-h|out|0|out|$en_usage|$en_version
LC_ALL=en_GB.UTF-8 LC_MESSAGES=ar_SA.UTF-8|-h|out|0|out|$en_usage|$en_version
LC_MESSAGES=ar_SA.UTF-8 LANG=en_GB.UTF-8|-h|out|0|out|$ar_usage|$ar_version
LANG=arn_CL.UTF-8|-h|out|0|out|$en_usage|$en_version
LC_ALL=C|-style fusion --help|out|0|out|$en_usage|$en_version
LC_ALL=C|--version|out|0|out|Tavrimo $version|-
LANG=ar_EG.UTF-8 QT_QPA_PLATFORM=offscreen|-v|out|0|out|Tavrimo $version|-
LC_ALL=C|-platform offscreen -v|out|0|out|Tavrimo $version|-
LC_ALL=C DISPLAY=:9173|--help|out|0|out|$en_usage|$en_version
LC_ALL=C|--frobnicate|out|2|err|tavrimo: unknown option '--frobnicate'|$en_usage
LANG=ar_EG.UTF-8|--frobnicate|out|2|err|tavrimo: خيار غير معروف: '--frobnicate'|$ar_usage
LC_ALL=C QT_QPA_PLATFORM=offscreen|-x --help|out|2|err|tavrimo: unknown option '-x'|$en_usage
LC_ALL=C|--help-all|out|2|err|tavrimo: unknown option '--help-all'|$en_version
LC_ALL=C|page.png|out|2|err|tavrimo: unexpected argument 'page.png'|$en_usage
LANGUAGE=ar LANG=C.UTF-8|page.png|out|2|err|tavrimo: وسيط غير متوقع: 'page.png'|$ar_usage
LC_ALL=C|-- -h|out|2|err|tavrimo: unexpected argument '-h'|$en_usage
LC_ALL=C|--version|full|1|err|tavrimo: cannot write to standard output: No space left on device|-
LC_ALL=C|--help|closed|1|err|tavrimo: cannot write to standard output: Bad file descriptor|-
LANG=ar_EG.UTF-8|--version|closed|1|err|tavrimo: تعذّرت الكتابة في المخرج القياسي: واصف الملف غير صالح|-
LANG=ar_EG.UTF-8|--help|full|1|err|tavrimo: تعذّرت الكتابة في المخرج القياسي: لا مساحة متبقية على القرص|-
LC_ALL=C||out|1|err|$en_no_x|-
LC_ALL=C|--|out|1|err|$en_no_x|-
LC_ALL=C|-reverse|out|1|err|$en_no_x|-
LANG=ar_EG.UTF-8||out|1|err|tavrimo: لا توجد شاشة تُفتح عليها النافذة: متغير البيئة DISPLAY غير معيّن (منصة Qt: xcb)|-
LC_ALL=C DISPLAY=:9173||out|1|err|tavrimo: no display to open the window on: the display DISPLAY=:9173 cannot be opened (Qt platform xcb)|-
LC_ALL=C QT_QPA_PLATFORM=wayland||out|1|err|tavrimo: no display to open the window on: WAYLAND_DISPLAY is not set (Qt platform wayland)|-
LC_ALL=C XDG_SESSION_TYPE=wayland||out|1|err|tavrimo: no display to open the window on: WAYLAND_DISPLAY is not set and DISPLAY is not set (Qt platform wayland;xcb)|-
LC_ALL=C|-display :9174|out|1|err|tavrimo: no display to open the window on: the display :9174 given with -display cannot be opened (Qt platform xcb)|-
LC_ALL=C DISPLAY=:9173|--display :9174 -reverse|out|1|err|tavrimo: no display to open the window on: the display :9174 given with -display cannot be opened (Qt platform xcb)|-
LC_ALL=C|-display :9174 --help|out|0|out|$en_usage|$en_version
LC_ALL=C QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$work/runtime||out|124|out|-|-
LC_ALL=C XDG_RUNTIME_DIR=$work/runtime|--platform offscreen|out|124|out|-|-
LC_ALL=C QT_QPA_PLATFORM=minimal XDG_RUNTIME_DIR=$work/runtime||out|124|out|-|-
TABLE

# An option is quoted with escapes for controls and marks, cut after 80 characters.
for row in "-$(printf '\033[2J\302\205\342\200\250\342\200\256')x|tavrimo: unknown option '-\\u001b[2J\\u0085\\u2028\\u202ex'" \
           "-$(printf '%0100d' 0)|tavrimo: unknown option '-$(printf '%079d' 0)...'"; do
    argument=${row%%|*}
    expected=${row#*|}
    actual=$(env -i PATH="$PATH" HOME="$work" LANG=C.UTF-8 "$program" "$argument" 2>&1 >/dev/null | head -n 1)
    if [ "$actual" != "$expected" ]; then
        echo "FAIL: the refusal of an option reads '$actual', expected '$expected'"
        status=1
    fi
done

# On an X display ten times over (a server resets when its last client leaves).
if command -v xvfb-run >/dev/null 2>&1; then
    xvfb-run -a sh -c '
        for i in 1 2 3 4 5 6 7 8 9 10; do
            env -i PATH="$PATH" DISPLAY="$DISPLAY" XAUTHORITY="$XAUTHORITY" LC_ALL=C "$1" --help >"$2/out" 2>"$2/err"
            code=$?
            if [ $code != 0 ] || [ -s "$2/err" ] || [ "$(head -n 1 "$2/out")" != "Usage: tavrimo [options]" ]; then
                echo "FAIL: tavrimo --help on an X display, run $i: status $code"
                cat "$2/out" "$2/err"
                exit 1
            fi
        done' x "$program" "$work" || status=1
    # A stopped X server: what needs no window returns at once.
    display=:$(( $$ % 1000 + 7000 ))
    Xvfb "$display" -nolisten tcp >/dev/null 2>&1 &
    server=$!
    for i in 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20; do
        [ -e "/tmp/.X11-unix/X${display#:}" ] && break
        sleep 0.2
    done
    kill -STOP $server
    for args in --help --version --frobnicate; do
        env -i PATH="$PATH" DISPLAY="$display" LC_ALL=C timeout 1 "$program" $args >"$work/out" 2>&1
        code=$?
        if [ $code = 124 ] || [ ! -s "$work/out" ]; then
            echo "FAIL: tavrimo $args with a stopped X server: status $code"
            status=1
        fi
    done
    kill -CONT $server
    kill $server
    wait $server 2>/dev/null
else
    echo "xvfb-run is missing (scripts/install-deps.sh --test installs it); the X display not tried"
fi
exit $status
