#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Handler runs and nesting depth per keystroke, through the real window
# (tavrimo-script), for entries typed key by key into a freshly opened
# window, one window per entry.
#
#   bench/handler_stats.sh PATH/TO/tavrimo-script
set -eu
driver="$1"

# entry: PAGE FIELD TEXT
entry() {
    page="$1" field="$2" text="$3"
    script="page $page
focus $field
stats"
    keys=""
    rest="$text"
    while [ -n "$rest" ]; do
        key=$(printf '%s' "$rest" | cut -c1)
        rest=$(printf '%s' "$rest" | cut -c2-)
        keys="$keys $key"
        script="$script
type $field \"$key\"
stats"
    done
    # The first stats line counts the focus moving in; the others one key each.
    counts=$(printf '%s\n' "$script" | QT_QPA_PLATFORM=offscreen "$driver" - \
        | sed -n 's/^stats handlers=\([0-9]*\) depth=\([0-9]*\)$/\1 \2/p' | tail -n +2)
    handlers=$(printf '%s\n' "$counts" | awk '{printf "%s%s", sep, $1; sep=" "}')
    depth=$(printf '%s\n' "$counts" | awk 'BEGIN{d=0} {if ($2 > d) d = $2} END{print d}')
    most=$(printf '%s\n' "$counts" | awk 'BEGIN{m=0} {if ($1 > m) m = $1} END{print m}')
    printf '| %s into %s |%s | %s | %s | %s |\n' "$text" "$field" "$keys" "$handlers" "$most" "$depth"
}

echo "| entry, typed key by key | keys | handler runs per key | most per key | deepest nesting |"
echo "|---|---|---|---|---|"
for k in 0 1 2 3 4 5 6; do entry 0 "txtTAS($k)" 1; done
for j in 0 1 2 3 4; do entry 0 "txtUSA($j)" 1; done
entry 0 "txtTAS(1)" 12
entry 1 txtC 1
entry 1 txtF 2
entry 0 "txtTAS(3)" 6579.9
entry 0 "txtUSA(3)" 55
entry 0 "txtUSA(0)" 2647
