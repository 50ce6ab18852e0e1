#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# lintian finds no error or warning in the package; its copyright file says
# GPL-3.0-or-later, its changelog's newest entry is this version's, from the
# package's maintainer. Usage: lintian_test.sh BUILD_DIR VERSION CHANGELOG
set -eu
build_dir=$1
version=$2
changelog=$3

for tool in lintian dpkg-parsechangelog; do
    command -v $tool >/dev/null 2>&1 || { echo "$tool is missing (scripts/install-deps.sh installs it)"; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/*.deb)
echo "built $(basename "$deb")"

status=0
fail() { echo "FAIL: $*"; status=1; }

# Lintian's note that it runs as root is not about the package.
lintian --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 || fail "lintian finds errors or warnings"
grep -v "running with root privileges is not recommended" "$work/lintian.log" || true

mkdir "$work/root"
dpkg-deb -x "$deb" "$work/root"
copyright="$work/root/usr/share/doc/tavrimo/copyright"
grep -qx "Files: \*" "$copyright" || fail "the copyright file has no paragraph for every file"
grep -qx "License: GPL-3.0-or-later" "$copyright" || fail "the copyright file does not name GPL-3.0-or-later"

[ "$(dpkg-parsechangelog -l "$changelog" -S Version)" = "$version" ] \
    || fail "the newest changelog entry is for $(dpkg-parsechangelog -l "$changelog" -S Version), not $version"
maintainer=$(dpkg-deb -f "$deb" Maintainer)
[ "$(dpkg-parsechangelog -l "$changelog" -S Maintainer)" = "$maintainer" ] \
    || fail "the newest changelog entry is from $(dpkg-parsechangelog -l "$changelog" -S Maintainer), the package from $maintainer"
exit $status
