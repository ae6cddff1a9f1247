#!/usr/bin/env bash
# Runs the benchmarks under Wine in a throwaway prefix of their own, headless, one after the other:
# the archive component against raw zlib, the wizard's start-up against a minimal window, and the
# wizard's changes of DPI. Each prints its own figures. Usage: bench.sh BUILD_DIR [ZIPBENCH_MIB]
set -euo pipefail
build=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
prefix="$build/wineprefix-bench"
run() { "$here/wine-run.sh" "$prefix" "$@"; }

# Every Wine call that needs the server is a round trip to it: when the program and the server run on
# two processors of a virtual machine, each trip waits for a wake-up across processors, and where the
# scheduler happens to place a new process changes a start fourfold. On one processor the figures
# compare the programs' own work; the run on all processors follows for comparison.
restart_server() { WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true; }
restart_server
echo "== zipbench, one processor"
taskset -c 0 "$here/wine-run.sh" "$prefix" "$build/bin/zipbench.exe" "${2:-64}"
restart_server
echo "== zipbench, all processors"
run "$build/bin/zipbench.exe" "${2:-64}"
restart_server
echo "== startbench, one processor"
taskset -c 0 "$here/wine-run.sh" "$prefix" "$build/bin/startbench.exe" 9
restart_server
echo "== startbench, all processors"
run "$build/bin/startbench.exe" 9
echo "== dpibench"
run "$build/bin/dpibench.exe" 5
WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
