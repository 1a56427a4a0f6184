#!/usr/bin/env bash
# The desktop entry and the AppStream metadata as the desktop's own validators judge them: the
# entry without an error or a warning, the metadata without an error.
# Usage: validate.sh DESKTOP_ENTRY METAINFO
set -euo pipefail
report=$(desktop-file-validate "$1" 2>&1) || { echo "$report"; exit 1; }
[ -z "$report" ] || { echo "$report"; exit 1; }
appstreamcli validate --no-net --explain "$2"
echo "validators: 2 passed, 0 failed"
