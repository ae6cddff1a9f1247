#!/usr/bin/env bash
# Runs a Windows program under Wine in the given headless prefix (used as the test emulator).
# Usage: wine-run.sh PREFIX PROGRAM [ARGS...]
set -euo pipefail
prefix=$1; shift
here=$(cd "$(dirname "$0")" && pwd)
"$here/wine-prefix.sh" "$prefix" headless
export WINEPREFIX=$(realpath -m "$prefix") WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY
exec wine "$@"
