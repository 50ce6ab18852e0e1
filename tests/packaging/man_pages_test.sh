#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The Arabic manual page has the English one's sections and bold or italic
# names; man-db reads both name lines, and whatis finds each in its locale.
# Usage: man_pages_test.sh ENGLISH_PAGE ARABIC_PAGE
set -u
english=$1
arabic=$2
for tool in lexgrog mandb whatis; do
    command -v $tool >/dev/null 2>&1 || { echo "$tool is missing (scripts/install-deps.sh installs man-db)"; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
fail() { echo "FAIL: $*"; status=1; }

# The Arabic headings, in the English page's order.
sed 's/ *| */|/' >"$work/headings" <<'TABLE'
NAME|NAME
SYNOPSIS|الاستعمال
DESCRIPTION|الوصف
OPTIONS|الخيارات
ENVIRONMENT|البيئة
EXIT STATUS|حالة الخروج
FILES|الملفات
COPYRIGHT|حقوق النسخ
TABLE
sections() {
    sed -n 's/^\.SH *"\{0,1\}\([^"]*\)"\{0,1\} *$/\1/p' "$1"
}
sections "$english" >"$work/en.sections"
cut -d'|' -f1 "$work/headings" | diff -u - "$work/en.sections" >/dev/null \
    || fail "the English sections are not those of the table: $(tr '\n' ',' <"$work/en.sections")"
sections "$arabic" >"$work/ar.sections"
cut -d'|' -f2 "$work/headings" | diff -u - "$work/ar.sections" \
    || fail "the Arabic page's sections differ from the English page's"

# Options, variables and paths in the font macros (without the marks \*< \*>).
names() {
    sed -n 's/^\.\(B\|BR\|I\|IR\) //p' "$1" | sed 's/\\%//g; s/\\-/-/g; s/\\\*[<>]//g; s/"//g' | tr ' ' '\n' \
        | grep -E '^([-$/~].|[A-Z][A-Z0-9_]+$)' | sort -u
}
names "$english" >"$work/en.names"
names "$arabic" >"$work/ar.names"
[ "$(wc -l <"$work/en.names")" -ge 10 ] || fail "too few names found in the English page"
diff -u "$work/en.names" "$work/ar.names" || fail "the two pages name different options, variables or files"

# Both name lines as man-db reads them.
lexgrog "$english" | grep -q ': "tavrimo - unit and temperature converter' || fail "lexgrog cannot read the English page"
lexgrog "$arabic" | grep -q ': "tavrimo - محول للوحدات' || fail "lexgrog cannot read the Arabic page"

# Installed as the package installs them, and indexed.
mkdir -p "$work/man/man1" "$work/man/ar/man1"
gzip -9nc "$english" >"$work/man/man1/tavrimo.1.gz"
gzip -9nc "$arabic" >"$work/man/ar/man1/tavrimo.1.gz"
mandb -q "$work/man" || fail "mandb cannot index the pages"
MANPATH=$work/man LC_ALL=C.UTF-8 whatis tavrimo | grep -q "^tavrimo (1) *- unit and temperature" \
    || fail "whatis does not find the English page"
MANPATH=$work/man LANGUAGE=ar LANG=C.UTF-8 whatis tavrimo | grep -q "^tavrimo (1) *- محول للوحدات" \
    || fail "whatis does not find the Arabic page under LANGUAGE=ar"
exit $status
