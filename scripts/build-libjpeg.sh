#!/usr/bin/env bash
# Cross-builds libjpeg-turbo from Debian's source package into a cache folder, once.
# Usage: build-libjpeg.sh PREFIX   (PREFIX/lib/libjpeg.a marks a finished build)
set -euo pipefail
prefix=$(realpath -m "$1")
[ -f "$prefix/lib/libjpeg.a" ] && exit 0

here=$(cd "$(dirname "$0")" && pwd)
toolchain="$here/../cmake/mingw-w64-x86_64.cmake"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"

# apt-get source needs deb-src entries mirroring the machine's Debian deb entries.
ensure_deb_src() {
  if grep -rqsE '^\s*Types:.*deb-src|^\s*deb-src\s' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    return
  fi
  local out=/etc/apt/sources.list.d/pratilo-deb-src.sources
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] || continue
    grep -q 'debian' "$f" || continue
    sed -E 's/^(\s*Types:\s*)deb(\s|$)/\1deb-src\2/' "$f"
    echo
  done | $SUDO tee "$out" >/dev/null
  if [ -f /etc/apt/sources.list ]; then
    sed -nE 's/^\s*deb(\s+\S+debian\S*\s.*)$/deb-src\1/p' /etc/apt/sources.list | $SUDO tee -a "$out" >/dev/null
  fi
  $SUDO apt-get update -qq
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
ensure_deb_src
apt-get source -qq libjpeg-turbo >/dev/null 2>&1 || { $SUDO apt-get update -qq; apt-get source -qq libjpeg-turbo >/dev/null; }
src=$(find "$work" -maxdepth 1 -type d -name 'libjpeg-turbo-*' | head -n1)
[ -n "$src" ] || { echo "libjpeg-turbo source not found" >&2; exit 1; }

cmake -S "$src" -B "$work/build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX="$prefix" -DWITH_SIMD=OFF -DENABLE_SHARED=OFF -DENABLE_STATIC=ON \
  -DWITH_TURBOJPEG=OFF -DWITH_JAVA=OFF >/dev/null
cmake --build "$work/build" -j"$(nproc)" >/dev/null
cmake --install "$work/build" >/dev/null
echo "libjpeg-turbo installed into $prefix"
