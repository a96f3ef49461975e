#!/usr/bin/env bash
# Remakes docs/window.png: the program under Wine on a virtual display, with
# the default entry generated. Run after scripts/test.sh has built it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh
command -v xdotool >/dev/null || apt-get install -y -qq xdotool >/dev/null
if wine_runs_32bit; then arch=i686; else arch=x86_64; fi
trap wine_env_stop EXIT
ISLAND_OWN_DISPLAY=1 wine_env_start "$arch"
"$WINELOADER_BIN" "build/windows-$arch/bin/island-schematic.exe" &
sleep 3
# The window is centred on the 1024x768 desktop: (101, 202) to (923, 565).
xdotool mousemove 604 510 click 1   # 生成预览
xdotool mousemove 1000 700          # out of the way
sleep 1
mkdir -p docs
import -window root -crop 822x363+101+202 +repage docs/window.png
echo "saved docs/window.png"
