#!/usr/bin/env bash
# Runs a test program under Wine with a small real volume as drive E: of the prefix: a tmpfs of
# SIZE, so that writes past its end fail as on a full disk. Needs root; a refused mount fails.
# Usage: with-full-volume.sh PREFIX SIZE PROGRAM [ARGS...]
set -euo pipefail
prefix=$(realpath -m "$1"); size=$2; shift 2
here=$(cd "$(dirname "$0")" && pwd)
"$here/wine-prefix.sh" "$prefix" headless
volume=$(mktemp -d)
drive="$prefix/dosdevices/e:"
cleanup() {
  rm -f "$drive"
  umount "$volume" 2>/dev/null || true
  rmdir "$volume" 2>/dev/null || true
}
trap cleanup EXIT
if ! mount -t tmpfs -o "size=$size" tmpfs "$volume"; then
  echo "with-full-volume.sh: cannot mount a $size tmpfs at $volume (root is needed)" >&2
  exit 1
fi
rm -f "$drive"
ln -s "$volume" "$drive"
status=0
PRATILO_FULL_VOLUME='E:\' "$here/wine-run.sh" "$prefix" "$@" || status=$?
exit $status
