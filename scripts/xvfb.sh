# Sourced by the scripts that draw real windows without a display.
# start_xvfb PREFIX [WIDTHxHEIGHT]: starts a private Xvfb display (1024x768 unless told), exports
# DISPLAY, and on exit stops the Wine server of PREFIX and the display.
start_xvfb() {
  XVFB_PREFIX=$1
  export DISPLAY=:$((70 + RANDOM % 29))
  Xvfb "$DISPLAY" -screen 0 "${2:-1024x768}x24" -nolisten tcp >/dev/null 2>&1 &
  XVFB_PID=$!
  trap 'WINEPREFIX="$XVFB_PREFIX" wineserver -k 2>/dev/null || true; kill "$XVFB_PID" 2>/dev/null || true' EXIT
  sleep 1
}
