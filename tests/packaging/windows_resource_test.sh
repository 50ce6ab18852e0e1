#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows version resource compiles with a cross toolchain's compiler and
# holds the version record and icon.
# Usage: windows_resource_test.sh RC_FILE VERSION VERSION_TEXT INTERNAL_NAME FILE_NAME
set -eu
rc=$1
version=$2
text=$3
internal=$4
file_name=$5

windres=x86_64-w64-mingw32-windres
command -v $windres >/dev/null 2>&1 || { echo "$windres is missing (Debian package binutils-mingw-w64-x86-64)"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# No Windows headers are needed: the host's preprocessor will do.
$windres --preprocessor="cpp" --preprocessor-arg="-P" -i "$rc" -O coff -o "$work/tavrimo.res.o"
$windres -i "$work/tavrimo.res.o" -O rc -o "$work/back.rc"

status=0
expect() {
    grep -q -- "$1" "$work/back.rc" || { echo "FAIL: the compiled resource lacks: $1"; status=1; }
}
numbers=$(echo "$version" | sed 's/\./, /g')
expect "FILEVERSION $numbers"
expect "PRODUCTVERSION $numbers"
expect "VALUE \"FileVersion\", \"$text\""
expect "VALUE \"ProductVersion\", \"$text\""
expect "VALUE \"InternalName\", \"$internal\""
expect "VALUE \"OriginalFilename\", \"$file_name\""
expect "ICON"
if [ $status -ne 0 ]; then
    sed -n '/VERSIONINFO/,$p' "$work/back.rc"
fi
exit $status
