#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# What tavrimo-script does with scripts and command lines a scenario file
# cannot hold (bytes that are not text, arguments, standard input and
# sizes), the actions a person could not do, and output that cannot be
# written (a snapshot anywhere but a regular file, a standard output that
# fails or is closed), each of which stops a script. No row writes outside
# its scratch folder: the system folders are named by paths that do not
# exist, and the full disk is a file size limit, which the driver meets
# with a message whether or not its caller ignores SIGXFSZ. A token in a
# message is quoted with its escapes, cut after 80 characters.
# Each row: the expected exit status, the expected standard error, and how
# the driver is run (a shell command; $D is the driver, $W a scratch folder).
# Usage: driver_cases.sh DRIVER
set -u
D=$1
W=$(mktemp -d)
trap 'rm -rf "$W"' EXIT
export D W QT_QPA_PLATFORM=offscreen

printf 'show page\n' >"$W/page.scn"
printf 'show page\nshow txtC\000\n' >"$W/nul.scn"
printf 'show page\n# caf\351\n' >"$W/latin1.scn"
printf 'show page\n# \355\240\200\n' >"$W/surrogate.scn"
printf 'show page\n\342\202' >"$W/cut.scn"
printf '\357\273\277show page\n# كرة\n' >"$W/bom.scn"
truncate -s 16777217 "$W/large.scn"
truncate -s 10000000 "$W/zeros"
tr '\000' x <"$W/zeros" >"$W/long.scn"
printf 'old' >"$W/old.png"
printf 'old' >"$W/target.png"
ln -s target.png "$W/link.png"
ln -s /proc/self "$W/proc"
mkfifo "$W/fifo"

status=0
while IFS='|' read -r code stderr command; do
    [ -n "$code" ] || continue
    actual=$(sh -c "$command" 2>&1 >/dev/null)
    actual_code=$?
    expected=$(printf "%s" "$stderr" | sed -e "s|^W\\([/:]\\)|$W\\1|" -e "s|SCRATCH/|$W/|")
    if [ "$actual_code" != "$code" ] || [ "$actual" != "$expected" ]; then
        echo "FAIL: $command"
        echo "  expected $code: $expected"
        echo "  actual   $actual_code: $actual"
        status=1
    fi
done <<'TABLE'
0||"$D" "$W/page.scn"
0||"$D" "$W/bom.scn"
0||"$D" - <"$W/page.scn"
2|W/nul.scn:2: a NUL byte in the script|"$D" "$W/nul.scn"
2|W/latin1.scn:2: the script is not valid UTF-8|"$D" "$W/latin1.scn"
2|W/surrogate.scn:2: the script is not valid UTF-8|"$D" "$W/surrogate.scn"
2|W/cut.scn:2: the script is not valid UTF-8|"$D" "$W/cut.scn"
2|usage: tavrimo-script [FILE]|"$D" "$W/page.scn" "$W/page.scn"
2|-:0: cannot read standard input: Bad file descriptor|"$D" <&-
2|-:0: cannot read standard input: Bad file descriptor|"$D" - 0>"$W/out"
2|W/large.scn:0: the script is larger than 16 MiB|"$D" "$W/large.scn"
2|/dev/zero:0: the script is larger than 16 MiB|"$D" /dev/zero
2|-:0: the script is larger than 16 MiB|"$D" </dev/zero
2|W:0: cannot read the script: Is a directory|"$D" "$W"
2|W/none.scn:0: cannot open the script: No such file or directory|LC_ALL=ar_EG.UTF-8 LANGUAGE=ar "$D" "$W/none.scn"
3|-:1: cannot write the snapshot 'SCRATCH/none/page.png': No such file or directory|echo "snapshot \"$W/none/page.png\"" | "$D"
3|-:1: cannot write the snapshot '/dev/no-such/page.png': it is under /dev|echo 'snapshot "/dev/no-such/page.png"' | "$D"
3|-:1: cannot write the snapshot '/proc/no-such/page.png': it is under /proc|echo 'snapshot "/proc/no-such/page.png"' | "$D"
3|-:1: cannot write the snapshot '/sys/no-such/page.png': it is under /sys|echo 'snapshot "/sys/no-such/page.png"' | "$D"
3|-:1: cannot write the snapshot 'SCRATCH/proc/no-such.png': it is under /proc|echo "snapshot \"$W/proc/no-such.png\"" | "$D"
3|-:1: cannot write the snapshot 'SCRATCH/fifo': it is not a regular file|echo "snapshot \"$W/fifo\"" | timeout 20 "$D"
3|-:1: cannot write the snapshot 'SCRATCH/.': it is not a regular file|echo "snapshot \"$W/.\"" | "$D"
0||echo "snapshot \"$W/link.png\"" | "$D" && test -L "$W/link.png" && grep -q PNG "$W/target.png"
0||printf old >"$W/private.png"; chmod 600 "$W/private.png"; echo "snapshot \"$W/private.png\"" | (umask 022; "$D") && grep -q PNG "$W/private.png" && test "$(stat -c %a "$W/private.png")" = 600
3|-:1: cannot write the snapshot 'SCRATCH/old.png': File too large|echo "snapshot \"$W/old.png\"" | (trap '' XFSZ; ulimit -f 1; "$D"); s=$?; [ "$(cat "$W/old.png")" = old ] || echo lost >&2; exit $s
3|-:2: cannot write to standard output: File too large|printf 'show page\ndump\nshow page\n' | (trap '' XFSZ; ulimit -f 1; "$D" >"$W/out")
3|-:1: cannot write the snapshot 'SCRATCH/old.png': File too large|echo "snapshot \"$W/old.png\"" | (ulimit -f 1; "$D"); s=$?; [ "$(cat "$W/old.png")" = old ] || echo lost >&2; exit $s
3|-:2: cannot write to standard output: File too large|printf 'show page\ndump\nshow page\n' | (ulimit -f 1; "$D" >"$W/out")
3|-:1: cannot write the snapshot '\ud800.png': a file name cannot hold the lone surrogate U+D800|echo 'snapshot "\ud800.png"' | "$D"
3|-:1: cannot write the snapshot '\u0000x.png': a file name cannot hold U+0000 (NUL)|echo 'snapshot "\u0000x.png"' | "$D"
2|-:1: unknown command '\u001b[2J\u0085\u202ex'|printf '\033[2J\302\205\342\200\256x\n' | "$D"
2|-:1: unknown command '\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b\u001b...'|printf '%0100d\n' 0 | tr 0 '\033' | "$D"
2|W/\u001b\u2028.scn:0: cannot open the script: No such file or directory|"$D" "$W/$(printf '\033\342\200\250').scn"
3|-:1: cannot write to standard output: Bad file descriptor|echo 'show page' | "$D" >&-
0||echo 'page 1' | "$D" >&-
3|-:1: cannot zoom to 200 %: the window's screen holds at most 157 %|echo 'zoom 200' | "$D"
0||echo 'zoom 157' | "$D"
3|-:1: cannot paste U+0000 (NUL) into txtA|printf 'paste txtA "1\\u0000"\n' | "$D"
3|-:1: cannot paste the lone surrogate U+D800 into txtA|printf 'paste txtA "\\ud800x"\n' | "$D"
3|-:1: cannot paste the lone surrogate U+DE00 into txtA|printf 'paste txtA "\\ud83d\\ude00\\ude00"\n' | "$D"
2|W/long.scn:1: unknown command 'xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx...'|"$D" "$W/long.scn"
3|-:2: cannot type U+0009 (a tab) into txtTAS(3) with a key press|printf 'page 0\ntype txtTAS(3) "1\\t2"\n' | "$D"
3|-:1: cannot type U+000A (a line feed) into txtA with a key press|printf 'type txtA "1\\n"\n' | "$D"
3|-:1: cannot type U+000D (a carriage return) into txtA with a key press|printf 'type txtA "\\r"\n' | "$D"
3|-:1: cannot type U+0000 (NUL) into txtA with a key press|printf 'type txtA "\\u0000"\n' | "$D"
3|-:1: cannot type the lone surrogate U+DE00 into txtA|printf 'type txtA "\\ude00"\n' | "$D"
2|-:1: no property name after the dot in 'txtC.'|echo 'show txtC.' | "$D"
3|-:2: txtCircle is hidden and cannot be typed into|printf 'page 2\ntype txtCircle "1"\n' | "$D"
3|-:3: txtUSA(4) is hidden and cannot be typed into|printf 'page 0\nclick optSize\ntype txtUSA(4) "1"\n' | "$D"
3|-:2: sqrD is disabled and cannot be typed into|printf 'page 1\ntype sqrD "4"\n' | "$D"
3|-:2: Label5 cannot take the focus|printf 'page 1\nfocus Label5\n' | "$D"
TABLE
exit $status
