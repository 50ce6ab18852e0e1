#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The folders include only those below them: nothing below app/ includes
# app/, the number and file libraries at the bottom include nothing of the program,
# the formula data that the window's initial state reads includes nothing
# above it, the headless core includes no widget header, and only the
# print preview uses Qt's printing support, and it uses no code of the program.
set -eu
cd "$(dirname "$0")/.."
status=0
upward=$(grep -rn '#include "app/' form window units temperature quadratic geometry assets printing || true)
if [ -n "$upward" ]; then
    echo "These files include app/ from below it:"
    echo "$upward"
    status=1
fi
for bottom in numbers files; do
    upward=$(grep -rnE '#include "(app|window|form|units|temperature|quadratic|geometry|assets|numbers|files|driver)/' $bottom \
        | grep -v "#include \"$bottom/" || true)
    if [ -n "$upward" ]; then
        echo "The library $bottom/ at the bottom includes the program above it:"
        echo "$upward"
        status=1
    fi
done
geometry=$(grep -rnE '#include "(app|window|form|units|temperature|quadratic)/' geometry || true)
if [ -n "$geometry" ]; then
    echo "The formula data includes the program above it:"
    echo "$geometry"
    status=1
fi
widgets=$(grep -rnE '#include <(QtWidgets/)?Q(Widget|Application|LineEdit|Label|PushButton|MessageBox|TabWidget|ComboBox)' \
    numbers form units temperature quadratic geometry window/model.* window/properties.* window/keyboard.* window/initial_state.cpp window/control_row.h assets/pictures.* app/program.* app/routing.* || true)
if [ -n "$widgets" ]; then
    echo "The headless core includes widget headers:"
    echo "$widgets"
    status=1
fi
# Qt's printing support is the print preview's alone: the booklet and
# everything the window opens with use none of it.
printing=$(grep -rlE '#include <(QtPrintSupport/)?(QPrint|QPageSetupDialog|QAbstractPrintDialog)' \
    app numbers form units temperature quadratic geometry window assets files printing driver | grep -v '^printing/preview\.cpp$' || true)
if [ -n "$printing" ]; then
    echo "These files use Qt's printing support, which only the print preview may:"
    echo "$printing"
    status=1
fi
# The preview is a module of its own, handed what it draws: it uses no code
# of the program, which would be a second copy in it.
borrowed=$(grep -n '#include "' printing/preview.cpp | grep -v '"printing/preview\.h"' || true)
if [ -n "$borrowed" ]; then
    echo "The print preview's module includes the program's code:"
    echo "$borrowed"
    status=1
fi
exit $status
