#!/usr/bin/env bash
# Renders every page of the wizard in French and English, the finished and not completed pages, the
# uninstall question, the wait window and the prompt dialog under Xvfb, one window per picture, with
# its caption: at 96 DPI into BUILD/screenshots/*.png, then at 144 and 192 DPI (Wine's per-user
# setting) into BUILD/screenshots/dpi144/ and dpi192/, and at 96 DPI as high contrast has it drawn
# into BUILD/screenshots/high-contrast/. Usage: screenshots.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
prefix="$build/wineprefix-shots"
work="$build/shots/work"
exe="$build/shots/Pratilo.exe"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

names=()
for lang in fr en; do
  for page in ts0 ts1 ts2 ts4 ts6 ts7; do
    names+=("${lang}_${page}")
  done
done
for lang in fr en; do
  names+=("${lang}_finished" "${lang}_not_completed" "${lang}_uninstall")
done
names+=(wait prompt_batch prompt_answer)

# shoot DPI SCREEN OUT [high-contrast]: one run of the wizard's views on a screen of that size, at
# that DPI, in the wizard's colours or in the system's scheme.
shoot() {
  local dpi=$1 screen=$2 out=$3 colours=${4:-}
  rm -rf "$work" && mkdir -p "$work" "$out"
  . "$here/xvfb.sh"
  start_xvfb "$prefix" "$screen"
  "$here/wine-prefix.sh" "$prefix" display
  export WINEPREFIX="$prefix"
  # No window manager runs under Xvfb: Wine draws the captions itself.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
  wine reg delete 'HKCU\Software\Nuvra Soft' /f >/dev/null 2>&1 || true
  # The server reads the DPI when it starts.
  wineserver -k 2>/dev/null || true
  wineserver -w

  wine "$exe" "$(winepath -w "$work")" "$(winepath -w "$build/bin/Pratilo.bin")" $colours &
  local shots=$!
  for name in "${names[@]}"; do
    for _ in $(seq 1 300); do
      [ -f "$work/$name.ready" ] && break
      kill -0 "$shots" 2>/dev/null || { echo "the wizard ended before $name" >&2; exit 1; }
      sleep 0.1
    done
    [ -f "$work/$name.ready" ] || { echo "timed out waiting for $name" >&2; exit 1; }
    local title id
    title=$(cat "$work/$name.ready")
    # The title's end: X lists names with characters beyond ASCII in its own way.
    id=$(xwininfo -root -tree | grep -F -- "$title\"" | head -n1 | awk '{print $1}')
    [ -n "$id" ] || { echo "no window titled '$title'" >&2; exit 1; }
    import -window "$id" "$out/$name.png"
    rm -f "$work/$name.ready"
  done
  wait "$shots" || true
  echo "Screenshots at $dpi DPI in $out"
}

# Each run in a subshell of its own, so that its display and Wine server stop with it.
(shoot 96 1024x768 "$build/screenshots")
(shoot 144 1920x1080 "$build/screenshots/dpi144")
(shoot 192 3840x2160 "$build/screenshots/dpi192")
(shoot 96 1024x768 "$build/screenshots/high-contrast" high-contrast)
