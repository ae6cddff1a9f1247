#!/usr/bin/env bash
# Runs the benchmarks under Wine in a throwaway prefix of their own, headless, one after the other:
# the archive component against raw zlib, the wizard's start-up against a minimal window, and the
# wizard's changes of DPI. Each prints its own figures. Usage: bench.sh BUILD_DIR [ZIPBENCH_MIB]
set -euo pipefail
build=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
prefix="$build/wineprefix-bench"
run() { "$here/wine-run.sh" "$prefix" "$@"; }

echo "== zipbench"
run "$build/bin/zipbench.exe" "${2:-64}"
echo "== startbench"
run "$build/bin/startbench.exe" 9
echo "== dpibench"
run "$build/bin/dpibench.exe" 5
WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
