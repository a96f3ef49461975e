#!/usr/bin/env bash
# Builds island-schematic.exe and runs it under Wine. With no display, it runs
# on a virtual one, saves a screenshot of the window and says where.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup-deps.sh
source scripts/wine-env.sh

if wine_runs_32bit; then arch=i686; else arch=x86_64; fi
cmake --preset "windows-$arch" >/dev/null
cmake --build --preset "windows-$arch" --target island-schematic
exe="$PWD/build/windows-$arch/bin/island-schematic.exe"
if [ "$arch" != i686 ]; then
  echo "run: this machine runs no 32-bit code; running the x86_64 build of the same sources"
fi

trap wine_env_stop EXIT
if [ -z "${DISPLAY:-}" ]; then
  wine_env_start "$arch"
  "$WINELOADER_BIN" "$exe" &
  app=$!
  sleep "${ISLAND_SCREENSHOT_DELAY:-4}"
  shot="$PWD/build/screenshot.png"
  import -window root "$shot"
  kill "$app" 2>/dev/null || true
  echo "run: no display here; the window was shown on a virtual display: screenshot saved to $shot"
else
  wine_env_start "$arch"
  "$WINELOADER_BIN" "$exe"
fi
