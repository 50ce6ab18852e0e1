#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Ctrl+P where the print preview's module is missing, and where something
# that is not a library stands in its place: the window says so and goes on
# (print_preview-tests' without_its_module_ctrl_p_says_so, run from a copy
# of it in a folder of its own).
# Usage: preview_missing_test.sh PRINT_PREVIEW_TESTS MODULE_FILE_NAME
set -u
tests=$1
module=$2
status=0
for case in missing "not a library"; do
    work=$(mktemp -d)
    cp "$tests" "$work/"
    [ "$case" = missing ] || echo "$case" >"$work/$module"
    echo "# the module $case"
    if ! "$work/$(basename "$tests")" --gtest_filter='*without_its_module_ctrl_p_says_so' >"$work/log" 2>&1 \
        || ! grep -q '^\[       OK \]' "$work/log"; then
        cat "$work/log"
        status=1
    fi
    rm -rf "$work"
done
exit $status
