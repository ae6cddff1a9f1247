#!/usr/bin/env bash
# Creates a throwaway Wine prefix, once. Usage: wine-prefix.sh PREFIX [headless|display]
# A headless prefix uses Wine's null graphics driver, so windows and controls work without X, and
# shows no crash dialog: nobody could press it, and a crashed program would hang the run; the debugger
# prints its backtrace and ends the program instead.
set -euo pipefail
prefix=$(realpath -m "$1")
mode=${2:-headless}
mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
flock 9
ready="$prefix/.pratilo-ready-2"
[ -f "$ready" ] && exit 0

export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
[ "$mode" = headless ] && unset DISPLAY
wineboot -i >/dev/null 2>&1 || true
if [ "$mode" = headless ]; then
  wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
fi
wineserver -w
touch "$ready"
