#!/usr/bin/env bash
# Fails when a program imports a DLL that is not part of Windows itself.
set -euo pipefail
exe=$1
allowed='^(kernel32|user32|gdi32|advapi32|shell32|ole32|oleaut32|comctl32|comdlg32|version|uxtheme|msvcrt|shlwapi|ws2_32|winmm|msimg32|api-ms-win-[a-z0-9-]+)\.dll$'
dlls=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z')
[ -n "$dlls" ] || { echo "no imports read from $exe" >&2; exit 1; }
bad=$(echo "$dlls" | grep -Ev "$allowed" || true)
echo "$exe imports:" $dlls
if [ -n "$bad" ]; then
  echo "non-system DLLs imported: $bad" >&2
  exit 1
fi
