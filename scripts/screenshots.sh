#!/usr/bin/env bash
# Renders every page of the wizard in French and English, the finished page, the uninstall question,
# the wait window and the prompt dialog under Xvfb into
# BUILD/screenshots/*.png, one window per picture, with its caption. Usage: screenshots.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
prefix="$build/wineprefix-shots"
out="$build/screenshots"
work="$build/shots/work"
exe="$build/shots/Pratilo.exe"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

rm -rf "$work" && mkdir -p "$work" "$out"
. "$here/xvfb.sh"
start_xvfb "$prefix"

"$here/wine-prefix.sh" "$prefix" display
export WINEPREFIX="$prefix"
# No window manager runs under Xvfb: Wine draws the captions itself.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
wine reg delete 'HKCU\Software\Nuvra Soft' /f >/dev/null 2>&1 || true
wineserver -w

wine "$exe" "$(winepath -w "$work")" "$(winepath -w "$build/bin/Pratilo.bin")" &
shots=$!
names=()
for lang in fr en; do
  for page in ts0 ts1 ts2 ts4 ts6 ts7; do
    names+=("${lang}_${page}")
  done
done
for lang in fr en; do
  names+=("${lang}_finished" "${lang}_uninstall")
done
names+=(wait prompt_batch prompt_answer)
for name in "${names[@]}"; do
  for _ in $(seq 1 300); do
    [ -f "$work/$name.ready" ] && break
    kill -0 "$shots" 2>/dev/null || { echo "the wizard ended before $name" >&2; exit 1; }
    sleep 0.1
  done
  [ -f "$work/$name.ready" ] || { echo "timed out waiting for $name" >&2; exit 1; }
  title=$(cat "$work/$name.ready")
  # The title's end: X lists names with characters beyond ASCII in its own way.
  id=$(xwininfo -root -tree | grep -F -- "$title\"" | head -n1 | awk '{print $1}')
  [ -n "$id" ] || { echo "no window titled '$title'" >&2; exit 1; }
  import -window "$id" "$out/$name.png"
  rm -f "$work/$name.ready"
done
wait "$shots" || true
echo "Screenshots in $out:"
ls "$out"
