#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# `cmake --install` installs the program, its menu entry, AppStream file, icons,
# manual pages, copyright file and changelog, the print preview's module in
# its private library folder (where the program looks from its own), and
# nothing else.
# Usage: install_tree_test.sh BUILD_DIR APP_ID VERSION PREVIEW_MODULE
set -eu
build_dir=$1
app_id=$2
version=$3
module=$4

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR="$stage" cmake --install "$build_dir" --prefix /usr >/dev/null

status=0
fail() { echo "FAIL: $*"; status=1; }

sizes="32 48 64 128 256"
expected="./usr/bin/tavrimo
./usr/$module
./usr/share/applications/$app_id.desktop
./usr/share/metainfo/$app_id.metainfo.xml
./usr/share/man/man1/tavrimo.1.gz
./usr/share/man/ar/man1/tavrimo.1.gz
./usr/share/doc/tavrimo/copyright
./usr/share/doc/tavrimo/changelog.gz"
for size in $sizes; do
    expected="$expected
./usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
done
actual=$(cd "$stage" && find . -type f | sort)
expected=$(echo "$expected" | sort)
[ "$actual" = "$expected" ] || fail "installed files differ from the expected layout
--- expected
$expected
--- installed
$actual"

root="$stage/usr"
[ -x "$root/bin/tavrimo" ] || fail "bin/tavrimo is not an executable"
# The program holds the module's folder relative to its own (a UTF-16 text).
folder=$(realpath --relative-to="$root/bin" "$(dirname "$root/$module")")
strings -el "$root/bin/tavrimo" | grep -qxF "$folder" || fail "the program does not look for its preview in $folder"

desktop="$root/share/applications/$app_id.desktop"
exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[ -x "$root/bin/$exec_name" ] || fail "the menu entry starts '$exec_name', which is not installed in bin/"
icon=$(sed -n 's/^Icon=//p' "$desktop")
for size in $sizes; do
    png="$root/share/icons/hicolor/${size}x${size}/apps/$icon.png"
    if [ ! -f "$png" ]; then
        fail "no ${size}x${size} icon named '$icon' (the menu entry's Icon)"
    elif ! file -b "$png" | grep -q "^PNG image data, $size x $size,"; then
        fail "$png is not a $size x $size PNG: $(file -b "$png")"
    fi
done

metainfo="$root/share/metainfo/$app_id.metainfo.xml"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" \
    || fail "the AppStream file does not launch $app_id.desktop"
grep -q "<release version=\"$version\"" "$metainfo" || fail "the AppStream file has no release $version"
grep -q "<screenshot type=\"default\">" "$metainfo" || fail "the AppStream file has no screenshot"
grep -q "<project_license>GPL-3.0-or-later</project_license>" "$metainfo" \
    || fail "the AppStream file does not name the program's licence GPL-3.0-or-later"
exit $status
