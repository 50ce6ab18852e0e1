#!/bin/sh
# The menu entry and the AppStream file pass the freedesktop validators with
# nothing to say: no error, no warning, no hint.
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

# --strict fails on infos and warnings as well as errors.
if ! appstreamcli validate --no-net --strict "$metainfo_file"; then
    status=1
fi
exit $status
