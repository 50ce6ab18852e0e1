#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package CPack builds: its dependencies, installed with dpkg, started
# from its menu entry under Xvfb with the window class the entry names, its
# manual pages found by whatis, removed again. Skipped (77) without root or
# xvfb-run. Usage: deb_install_test.sh BUILD_DIR APP_ID VERSION
set -eu
build_dir=$1
app_id=$2
version=$3

skip() { echo "SKIP: $*"; exit 77; }
[ "$(id -u)" = 0 ] || skip "not root, so dpkg cannot install the package"
command -v xvfb-run >/dev/null 2>&1 || skip "xvfb-run is missing (Debian package xvfb)"
command -v dpkg >/dev/null 2>&1 || skip "not a Debian system"

status=0
fail() { echo "FAIL: $*"; status=1; }

# dpkg refuses to start while apt or another dpkg runs; wait for it a while.
dpkg_patiently() {
    tries=0
    while ! dpkg "$@" >"$work/dpkg.log" 2>&1; do
        tries=$((tries + 1))
        if ! grep -q "lock" "$work/dpkg.log" || [ $tries -ge 60 ]; then
            cat "$work/dpkg.log"
            return 1
        fi
        sleep 2
    done
}

work=$(mktemp -d)
installed=no
cleanup() {
    [ "$installed" = no ] || dpkg_patiently -r tavrimo || echo "could not remove the tavrimo package"
    rm -rf "$work"
}
trap cleanup EXIT

# One package test at a time on this machine, whichever work tree it runs from.
exec 9>/tmp/tavrimo-package-test.lock
flock 9

cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/*.deb)
echo "built $(basename "$deb")"

[ "$(dpkg-deb -f "$deb" Package)" = tavrimo ] || fail "the package is not named tavrimo"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version $(dpkg-deb -f "$deb" Version), not $version"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
names=$(echo "$depends" | tr ',|' '\n\n' | sed 's/^ *//; s/[ (].*//')
# Qt's printing support through the print preview's module.
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libqt6printsupport6 qt6-qpa-plugins qt6-translations-l10n fonts-noto-ui-core; do
    echo "$names" | grep -qx "$needed" || fail "the package does not depend on $needed"
done
! dpkg-deb -c "$deb" | grep -q "tavrimo-script" || fail "the package carries the script driver"
dpkg-deb -c "$deb" | grep -q "/tavrimo/plugins/libtavrimo-preview\.so$" \
    || fail "the package does not carry the print preview's module"

dpkg_patiently -i "$deb" || exit 1
installed=yes

# Started as the menu does: the entry's Exec line without its field codes.
desktop="/usr/share/applications/$app_id.desktop"
[ -f "$desktop" ] || fail "no menu entry $desktop"
command=$(sed -n 's/^Exec=//p' "$desktop" | sed 's/ *%[a-zA-Z]//g')
[ "$(command -v "$command")" = /usr/bin/tavrimo ] || fail "the menu entry starts '$command', not /usr/bin/tavrimo"

# On X: the platform plugin the package depends on.
if env -u QT_QPA_PLATFORM xvfb-run -a sh -c '
        "$1" >"$2" 2>&1 &
        pid=$!
        sleep 2
        if kill -0 $pid 2>/dev/null; then
            for window in $(xwininfo -root -children | awk "/^ +0x/ {print \$1}"); do
                xprop -id "$window" WM_CLASS
            done >"$3" 2>/dev/null
            kill $pid
            wait $pid || true
            exit 0
        fi
        wait $pid && code=0 || code=$?
        echo "the program ended within two seconds, exit code $code"
        exit 1' launch "$command" "$work/program.log" "$work/classes"; then
    echo "started $command under Xvfb; it was still running after two seconds"
    # A desktop groups the window under its launcher by this class.
    class=$(sed -n 's/^StartupWMClass=//p' "$desktop")
    grep -q "^WM_CLASS(STRING) = \".*\", \"$class\"$" "$work/classes" \
        || fail "no window of class '$class' (the menu entry's StartupWMClass): $(cat "$work/classes")"
else
    fail "the installed program did not keep running"
    cat "$work/program.log"
fi

# whatis finds the English page, and the Arabic one in an Arabic locale.
if [ -e /var/lib/man-db/auto-update ] && command -v whatis >/dev/null 2>&1; then
    env -i PATH="$PATH" LANG=C.UTF-8 whatis tavrimo | grep -q "^tavrimo (1) *- unit and temperature" \
        || fail "whatis does not find the installed English manual page"
    env -i PATH="$PATH" LANGUAGE=ar LANG=C.UTF-8 whatis tavrimo | grep -q "^tavrimo (1) *- محول للوحدات" \
        || fail "whatis does not find the installed Arabic manual page under LANGUAGE=ar"
else
    echo "man-db does not keep its index up to date here; whatis not tried"
fi

dpkg_patiently -r tavrimo || exit 1
installed=no
[ ! -e /usr/bin/tavrimo ] || fail "/usr/bin/tavrimo is still there after removal"
[ ! -e "$desktop" ] || fail "$desktop is still there after removal"
exit $status
