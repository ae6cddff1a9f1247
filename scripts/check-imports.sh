#!/usr/bin/env bash
# Fails when a program imports a DLL that Windows does not load from its own folder whatever lies
# beside the program: only its known DLLs, the common controls (bound by the manifest) and API sets.
# Anything else the program needs it loads from the system folder by full path.
set -euo pipefail
exe=$1
allowed='^(kernel32|user32|gdi32|advapi32|shell32|ole32|oleaut32|comdlg32|shlwapi|msvcrt|comctl32|api-ms-win-[a-z0-9-]+)\.dll$'
dlls=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z')
[ -n "$dlls" ] || { echo "no imports read from $exe" >&2; exit 1; }
bad=$(echo "$dlls" | grep -Ev "$allowed" || true)
echo "$exe imports:" $dlls
if [ -n "$bad" ]; then
  echo "DLLs imported that Windows would look for beside the program: $bad" >&2
  exit 1
fi
