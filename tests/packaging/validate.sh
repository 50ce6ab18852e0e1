#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The menu entry and the AppStream file pass the freedesktop validators with
# nothing to say: no error, no warning, no hint, not even a pedantic one.
# Usage: validate.sh DESKTOP_FILE METAINFO_FILE
set -eu
desktop_file=$1
metainfo_file=$2
status=0

report=$(desktop-file-validate "$desktop_file" 2>&1) || status=1
if [ -n "$report" ]; then
    echo "desktop-file-validate $desktop_file:"
    echo "$report"
    status=1
fi

# --strict fails on infos and warnings as well as errors, but not on the
# pedantic hints, which --pedantic only prints ("P: ...").
report=$(appstreamcli validate --no-net --strict --pedantic "$metainfo_file" 2>&1) || status=1
if [ $status -ne 0 ] || echo "$report" | grep -q '^[EWIP]: '; then
    echo "appstreamcli validate $metainfo_file:"
    echo "$report"
    status=1
fi
exit $status
