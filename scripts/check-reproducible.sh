#!/usr/bin/env bash
# Builds the checked-out commit twice, in two build folders of different paths, one after the other,
# and compares the release's bytes: Pratilo.exe, Pratilo.bin and the zip. Prints each SHA-256 and
# fails on any difference. Usage: check-reproducible.sh [WORK_DIR]   (default: a temporary folder)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
work=$(realpath -m "${1:-$(mktemp -d)}")
mkdir -p "$work"
deps="$root/build/deps"
"$here/install-packages.sh"
"$here/build-libjpeg.sh" "$deps/libjpeg"

for n in 1 2; do
  # Another path at each build, and another clone, so that nothing of the first build is reused.
  src="$work/source-$n/Pratilo"
  rm -rf "$work/source-$n" && git clone -q "$root" "$src"
  cmake -S "$src" -B "$src/out-$n" -DCMAKE_TOOLCHAIN_FILE="$src/cmake/mingw-w64-x86_64.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DPRATILO_DEPS_DIR="$deps" >/dev/null
  cmake --build "$src/out-$n" -j2 --target dist >/dev/null
  [ "$n" = 1 ] && sleep 2  # another time, too
done

status=0
for file in bin/Pratilo.exe bin/Pratilo.bin "dist/$(cd "$work/source-1/Pratilo/out-1/dist" && ls Pratilo-*.zip)"; do
  a=$(sha256sum <"$work/source-1/Pratilo/out-1/$file" | cut -d' ' -f1)
  b=$(sha256sum <"$work/source-2/Pratilo/out-2/$file" | cut -d' ' -f1)
  if [ "$a" = "$b" ]; then echo "same  $a  $file"; else echo "DIFFERENT  $a  $b  $file"; status=1; fi
done
exit $status
