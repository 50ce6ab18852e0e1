#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The numbers where the user's decimal separator is a comma: a scenario
# through tavrimo-script and the view test of the keypad's point, run in
# de_DE.UTF-8 or fr_FR.UTF-8. A locale the system lacks is made with
# localedef in a folder of the test's own; the test is skipped (status 77)
# when none can be made.
#
#   tests/comma_locale_test.sh DRIVER VIEW_TESTS WORK
set -eu
driver="$1"
view_tests="$2"
work="$3"
here="$(cd "$(dirname "$0")" && pwd)"

comma_locale() {
    for name in de_DE.UTF-8 fr_FR.UTF-8; do
        if [ "$(LC_ALL=$name locale decimal_point 2>/dev/null)" = "," ]; then
            echo "$name"
            return
        fi
    done
}

name=$(comma_locale)
if [ -z "$name" ]; then
    mkdir -p "$work/locales"
    LOCPATH="$work/locales"
    export LOCPATH
    for source in de_DE fr_FR; do
        localedef -i "$source" -f UTF-8 "$work/locales/$source.UTF-8" >"$work/localedef.log" 2>&1 || true
        name=$(comma_locale)
        [ -z "$name" ] || break
    done
fi
if [ -z "$name" ]; then
    echo "skipped: neither de_DE.UTF-8 nor fr_FR.UTF-8 exists, and localedef could not make one:"
    cat "$work/localedef.log" 2>/dev/null || echo "(localedef not found)"
    exit 77
fi
echo "comma locale: $name${LOCPATH:+ (made in $LOCPATH)}"

LC_ALL="$name" QT_QPA_PLATFORM="" cmake -DDRIVER="$driver" -DSCENARIO="$here/comma_locale.scn" \
    -P "$here/run_scenario.cmake"
LC_ALL="$name" XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM="offscreen:configfile=$here/screens/large.json" \
    "$view_tests" --gtest_filter='*comma_locale*' >"$work/view.log" 2>&1 || { cat "$work/view.log"; exit 1; }
if ! grep -q '^\[  PASSED  \] 1 test' "$work/view.log"; then
    cat "$work/view.log"
    exit 1
fi
echo "scenario and view test passed in $name"
