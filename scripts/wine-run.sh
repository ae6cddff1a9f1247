#!/usr/bin/env bash
# Runs a Windows program under Wine in the given headless prefix (used as the test emulator).
# Usage: wine-run.sh PREFIX PROGRAM [ARGS...]
set -euo pipefail
prefix=$1; shift
here=$(cd "$(dirname "$0")" && pwd)
"$here/wine-prefix.sh" "$prefix" headless
export WINEPREFIX=$(realpath -m "$prefix") WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY

# Wine 8's loader now and then aborts a process at exit, after the program has finished, with
# "Inconsistency detected by ld.so: dl-fini.c ...": the exit code is then not the program's own. A
# test program whose every test passed before that is run once more, and the rerun is reported;
# any other failure stands.
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
# Through files, not pipes: a wineserver started by this run outlives it and would hold a pipe open.
run() {
  local status=0
  wine "$@" >"$out" 2>"$err" || status=$?
  cat "$out"
  cat "$err" >&2
  return "$status"
}
status=0
run "$@" || status=$?
# Now and then, with other Wine processes starting beside it, Wine fails to start a program at all:
# it ends at once with no output. Every program run here prints something or says why it fails, so
# that one is tried once more.
if [ "$status" -ne 0 ] && [ ! -s "$out" ] && [ ! -s "$err" ]; then
  echo "wine-run.sh: the program ended with status $status before printing anything; running once more" >&2
  status=0
  run "$@" || status=$?
fi
if [ "$status" -ne 0 ] && grep -q 'Inconsistency detected by ld.so' "$out" "$err" &&
   grep -q '^\[  PASSED  \]' "$out" && ! grep -q '^\[  FAILED  \]' "$out"; then
  echo "wine-run.sh: every test passed, then Wine's loader aborted at exit (status $status); running once more" >&2
  status=0
  run "$@" || status=$?
fi
exit "$status"
