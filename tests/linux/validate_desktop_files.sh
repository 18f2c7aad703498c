#!/usr/bin/env bash
# Validates the desktop entry and the AppStream metainfo as menus and software
# centres read them. Any error, warning or hint fails, so that the entry shows
# once, in one menu category.
#
# Usage: validate_desktop_files.sh DESKTOP_FILE METAINFO_FILE
set -euo pipefail

for tool in desktop-file-validate appstreamcli; do
  if ! command -v "$tool" >/dev/null; then
    echo "skipped: $tool is not installed"
    exit 77
  fi
done

status=0
report="$(desktop-file-validate "$1" 2>&1)" || status=1
if [[ -n "$report" ]]; then
  echo "$report" >&2
  status=1
fi
appstreamcli validate --no-net --strict "$2" >&2 || status=1
exit "$status"
