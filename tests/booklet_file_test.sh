#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Where `tavrimo --pdf FILE` writes its booklet and where it refuses to, with
# status 1 and one line, leaving no temporary file. Each row: a name, the setup
# in an empty folder, the locale, the arguments, the status, the first line of
# standard error ("-": empty, with no runtime folder set, which Qt would remark
# on) and a check run after it.
# Usage: booklet_file_test.sh PROGRAM
set -u
program=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0

is_pdf() { [ "$(head -c 5 "$1")" = "%PDF-" ]; }
en='tavrimo: cannot write the booklet to'

while IFS='|' read -r name setup locale args code first check; do
    dir=$work/$name
    mkdir -p "$dir"
    (cd "$dir" && eval "$setup")
    (cd "$dir" && eval "env -i PATH=\"\$PATH\" HOME=\"$dir\" $locale $program $args" \
        >"$work/out" 2>"$work/err")
    actual=$?
    problem=
    if [ "$actual" != "$code" ]; then
        problem="status $actual, expected $code"
    elif [ "$first" = - ] && [ -s "$work/err" ]; then
        problem="it says something"
    elif [ "$first" != - ] && ! head -n 1 "$work/err" | grep -q "^$first"; then
        problem="its first line is not '$first...'"
    elif [ "$code" = 1 ] && [ "$(wc -l <"$work/err")" != 1 ]; then
        problem="it says more than one line"
    elif ls -A "$dir" | grep -q '^\.'; then
        problem="a temporary file is left: $(ls -A "$dir" | grep '^\.')"
    elif ! (cd "$dir" && eval "$check"); then
        problem="the check '$check' fails"
    fi
    if [ -n "$problem" ]; then
        echo "FAIL: $name: tavrimo $args: $problem; standard error:"
        cat "$work/err"
        status=1
    fi
done <<TABLE
new file|:|LC_ALL=C|--pdf sheets.pdf|0|-|is_pdf sheets.pdf && [ ! -s "$work/out" ]
joined option|:|LC_ALL=C|--pdf=sheets.pdf|0|-|is_pdf sheets.pdf
regular file replaced, its mode kept|echo old >sheets.pdf; chmod 640 sheets.pdf|LC_ALL=C|--pdf sheets.pdf|0|-|is_pdf sheets.pdf && [ "\$(stat -c %a sheets.pdf)" = 640 ]
standard output|:|LC_ALL=C|--pdf -|0|-|is_pdf "$work/out" && [ -z "\$(ls)" ]
standard output full|:|LC_ALL=C|--pdf - >/dev/full|1|tavrimo: cannot write to standard output: No space left on device|:
link to a regular file|echo old >real.pdf; ln -s real.pdf link.pdf|LC_ALL=C|--pdf link.pdf|0|-|[ -L link.pdf ] && is_pdf real.pdf
link to nothing|ln -s gone.pdf link.pdf|LC_ALL=C|--pdf link.pdf|1|$en 'link.pdf': it is not a regular file|[ -L link.pdf ] && [ ! -e gone.pdf ]
link to a FIFO|mkfifo pipe; ln -s pipe link.pdf|LC_ALL=C|--pdf link.pdf|1|$en 'link.pdf': it is not a regular file|[ -p pipe ] && [ -L link.pdf ]
link to a device|ln -s /dev/null link.pdf|LC_ALL=C|--pdf link.pdf|1|$en 'link.pdf': it is not a regular file|[ -L link.pdf ]
FIFO|mkfifo pipe|LC_ALL=C|--pdf pipe|1|$en 'pipe': it is not a regular file|[ -p pipe ]
folder|mkdir folder|LC_ALL=C|--pdf folder|1|$en 'folder': it is not a regular file|[ -d folder ] && [ -z "\$(ls folder)" ]
read-only file|echo old >sheets.pdf; chmod 444 sheets.pdf|LC_ALL=C|--pdf sheets.pdf|1|$en 'sheets.pdf': the file is read-only|[ "\$(cat sheets.pdf)" = old ]
missing folder|:|LC_ALL=C|--pdf missing/sheets.pdf|1|$en 'missing/sheets.pdf': No such file or directory|[ ! -e missing ]
unwritable place|:|LC_ALL=C|--pdf /proc/sheets.pdf|1|$en '/proc/sheets.pdf': |:
no file named|:|LC_ALL=C|--pdf|2|tavrimo: the option '--pdf' needs a file name|:
Arabic message|mkfifo pipe|LANG=ar_EG.UTF-8|--pdf pipe|1|tavrimo: تعذّرت كتابة الكتيّب في ⁦'pipe'⁩: ليس ملفًا عاديًا|[ -p pipe ]
TABLE
exit $status
