#!/usr/bin/env bash
# Remakes docs/window.png (100 %) and docs/window-150.png (150 %, 144 DPI):
# the program under Wine on a virtual display, with the default entry
# generated. Run after scripts/test.sh has built it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh
command -v xdotool >/dev/null || apt-get install -y -qq xdotool >/dev/null
if wine_runs_32bit; then arch=i686; else arch=x86_64; fi
trap 'wine_env_stop' EXIT
ISLAND_OWN_DISPLAY=1 wine_env_start "$arch"
mkdir -p docs
desktop='HKCU\Control Panel\Desktop'
for shot in "96 822 363 docs/window.png" "144 1233 545 docs/window-150.png"; do
  read -r dpi width height file <<<"$shot"
  "$WINELOADER_BIN" reg add "$desktop" /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
  "$WINELOADER_BIN" "build/windows-$arch/bin/island-schematic.exe" &
  app=$!
  sleep 3
  # The focus starts in the preview box; two steps back is 生成预览.
  xdotool key shift+Tab shift+Tab space
  xdotool mousemove 1590 890   # out of the way
  sleep 1
  # The window is centred on the 1600x900 desktop.
  left=$(( (1600 - width) / 2 )) top=$(( (900 - height) / 2 ))
  import -window root -crop "${width}x${height}+${left}+${top}" +repage "$file"
  xdotool key Escape
  wait "$app" || true
  echo "saved $file"
done
"$WINELOADER_BIN" reg delete "$desktop" /v LogPixels /f >/dev/null 2>&1 || true
