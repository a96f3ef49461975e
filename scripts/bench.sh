#!/usr/bin/env bash
# Builds what the benchmark needs and prints its table (run under Wine on a
# virtual display), followed by the exe sizes.   bench.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-deps.sh
source scripts/wine-env.sh
if wine_runs_32bit; then arch=i686; else arch=x86_64; fi
for a in i686 $arch; do
  cmake --preset "windows-$a" >/dev/null
  cmake --build --preset "windows-$a" --target island-schematic bare-window benchmark >/dev/null
done
trap wine_env_stop EXIT
ISLAND_OWN_DISPLAY=1 wine_env_start "$arch"
echo "island-schematic benchmark: $arch build under $("$WINELOADER_BIN" --version), $(date -u +%Y-%m-%d)"
echo "machine: $(nproc) cores, $(awk '/MemTotal/ {printf "%.0f GiB", $2/1048576}' /proc/meminfo), $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
"$WINELOADER_BIN" "build/windows-$arch/bin/benchmark.exe" "${1:-9}" 2>/dev/null | tr -d '\r'
for a in i686 x86_64; do
  exe="build/windows-$a/bin/island-schematic.exe"
  [ -f "$exe" ] && echo "exe size ($a): $(stat -c %s "$exe") bytes ($(( $(stat -c %s "$exe") / 1024 )) KiB); goal: under 300 KiB"
done
