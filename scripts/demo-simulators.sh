#!/usr/bin/env bash
# Prepares two demo simulator folders in a Wine prefix, so the wizard has something to install into:
#   C:\Demo\FS2004 (marker FS9.exe) and C:\Demo\FSX (marker FSX.exe), each with
#   Scenery\World\Texture\detail1.bmp holding a plain texture labelled "ORIGINAL", and the
#   simulators' registry entries in the 32-bit view.
# Safe to run before every start: a texture the wizard has replaced, and its backup archive, are
# kept, so a newcomer can install, start again and uninstall. DEMO_RESET=1 puts the originals back.
# Usage: demo-simulators.sh PREFIX
set -euo pipefail
prefix=$(realpath -m "$1")
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
demo="$prefix/drive_c/Demo"

# A 256 x 256 24-bit bitmap, brick red with white diagonal stripes and the label, unlike any
# grass texture of the payload.
draw_original() {  # TARGET LABEL
  local target=$1 label=$2
  local base=(-size 256x256 xc:'#8c2d19' -fill '#f0e6d2' -draw 'polygon 0,0 40,0 256,216 256,256 216,256 0,40')
  # ImageMagick's default font is often missing: take a bold DejaVu, else any font it knows.
  local font
  font=$(convert -list font 2>/dev/null | awk '$1 == "Font:" { if ($2 == "DejaVu-Sans-Bold") { print $2; exit } if (!any) any = $2 }
                                               END { if (any) print any }' | head -n 1)
  if [ -z "$font" ] || ! convert "${base[@]}" -font "$font" -fill black -stroke white -strokewidth 1 -pointsize 40 \
       -gravity center -annotate +0-24 'ORIGINAL' -pointsize 30 -annotate +0+24 "$label" -type TrueColor \
       "BMP3:$target" 2>/dev/null; then
    # No font available: the stripes alone still tell the original from the payload.
    convert "${base[@]}" -type TrueColor "BMP3:$target"
  fi
}

prepare() {  # FOLDER MARKER LABEL
  local folder="$demo/$1" marker=$2 label=$3
  local texture="$folder/Scenery/World/Texture"
  mkdir -p "$texture"
  touch "$folder/$marker"
  if [ "${DEMO_RESET:-0}" = 1 ]; then
    rm -f "$texture/detail1.bmp" "$folder/Pratilo_Original_Tex.zip" "$texture"/T*.bmp
  fi
  if [ ! -f "$texture/detail1.bmp" ]; then
    draw_original "$texture/detail1.bmp" "$label"
    echo "Demo $label: original texture in C:\\Demo\\$1\\Scenery\\World\\Texture\\detail1.bmp"
  fi
}

prepare FS2004 FS9.exe FS2004
prepare FSX FSX.exe FSX

key='HKLM\Software\Microsoft\Microsoft Games\Flight Simulator'
wine reg add "$key\\9.0" /v 'EXE Path' /d 'C:\Demo\FS2004' /f /reg:32 >/dev/null
wine reg add "$key\\10.0" /v SetupPath /d 'C:\Demo\FSX\' /f /reg:32 >/dev/null
