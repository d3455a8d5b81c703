#!/usr/bin/env bash
# The desktop entry and the AppStream metainfo as the desktop's own tools
# read them; any complaint, even a warning, fails.
set -u
desktop=$1
metainfo=$2

missing=""
for tool in desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null || missing="$missing $tool"
done
if [ -n "$missing" ]; then
    echo "SKIP: not installed:$missing (Debian packages desktop-file-utils and appstream; make deps installs them)"
    exit 77
fi

status=0
complaints=$(desktop-file-validate "$desktop" 2>&1) || status=1
if [ -n "$complaints" ]; then
    echo "$complaints"
    status=1
fi
appstreamcli validate --no-net --strict "$metainfo" || status=1
exit $status
