#!/usr/bin/env bash
# Starts the wizard under Wine on the user's display, or under Xvfb with a screenshot when there is none.
# The prefix holds two demo simulator folders to install into (see demo-simulators.sh; DEMO_RESET=1
# gives them their original textures back).
# Usage: run-wizard.sh BUILD_DIR PREFIX
set -euo pipefail
build=$(realpath "$1")
prefix=$(realpath -m "$2")
here=$(cd "$(dirname "$0")" && pwd)
exe="$build/bin/Pratilo.exe"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  "$here/wine-prefix.sh" "$prefix" display
  "$here/demo-simulators.sh" "$prefix"
  WINEPREFIX="$prefix" wine "$exe"
  exit 0
fi

echo "No display found: starting the wizard under Xvfb; a screenshot goes to $build/run.png"
. "$here/xvfb.sh"
start_xvfb "$prefix"
"$here/wine-prefix.sh" "$prefix" display
"$here/demo-simulators.sh" "$prefix"
WINEPREFIX="$prefix" wine "$exe" &
window=""
for _ in $(seq 1 20); do
  sleep 1
  window=$(xwininfo -root -children 2>/dev/null | awk '/"\(Pratilo/ {print $1; exit}')
  [ -n "$window" ] && break
done
sleep 2
import -window "${window:-root}" "$build/run.png"
echo "Screenshot saved: $build/run.png"
