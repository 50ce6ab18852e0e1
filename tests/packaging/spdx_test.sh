#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source file has an SPDX-License-Identifier line in its first three
# lines; the files without it are printed. Usage: spdx_test.sh SOURCE_DIR
set -eu
cd "$1"
git rev-parse --is-inside-work-tree >/dev/null 2>&1 || { echo "SKIP: $1 is not a git work tree"; exit 77; }

missing=$(git ls-files --cached --others --exclude-standard | while IFS= read -r file; do
    [ -f "$file" ] || continue
    case "$file" in
        fuzz/corpus/*) continue ;;
        *.cpp | *.h | *.sh | *.cmake | CMakeLists.txt | */CMakeLists.txt | *.in) ;;
        *) [ "$(head -c 2 "$file")" = "#!" ] || continue ;;
    esac
    head -n 3 "$file" | grep -q "SPDX-License-Identifier: " || echo "$file"
done)

if [ -n "$missing" ]; then
    echo "FAIL: $(echo "$missing" | wc -l) source files have no SPDX-License-Identifier line in their first three lines:"
    echo "$missing" | sed 's/^/  /'
    exit 1
fi
