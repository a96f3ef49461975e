#!/usr/bin/env bash
# Runs every test: the unit tests of the portable logic (natively) and the
# GUI tests of the real program (under Wine, on a virtual display).
# Installs what is missing first. Exit code 0 only if everything passed.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"

bash scripts/setup-deps.sh

jobs="$(nproc)"
echo "== unit tests (native)"
cmake --preset native >/dev/null
cmake --build --preset native -j "$jobs"
ctest --preset native

echo "== unit tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset native-sanitize >/dev/null
cmake --build --preset native-sanitize -j "$jobs"
ctest --preset native-sanitize

echo "== fuzz targets (${ISLAND_FUZZ_SECONDS:-15} s each)"
cmake --preset fuzz -DISLAND_FUZZ_SECONDS="${ISLAND_FUZZ_SECONDS:-15}" >/dev/null
cmake --build --preset fuzz -j "$jobs"
ctest --preset fuzz

source scripts/wine-env.sh
if wine_runs_32bit; then
  arch=i686
  run_i686_gui=ON
else
  # Some virtual machines cannot run 32-bit code at all; there the GUI tests
  # drive the same sources built for 64-bit Wine. The i686 GUI tests are
  # still built, so what only the 32-bit compiler rejects shows here too.
  arch=x86_64
  run_i686_gui=OFF
fi

echo "== island-schematic.exe (i686)"
cmake --preset windows-i686 -DISLAND_GUI_TESTS=ON -DISLAND_RUN_GUI_TESTS=$run_i686_gui >/dev/null
cmake --build --preset windows-i686 -j "$jobs"
ctest --preset windows-i686 -L static

if [ "$arch" = x86_64 ]; then
  echo "== this machine runs no 32-bit code: GUI tests use the x86_64 build"
  cmake --preset windows-x86_64 >/dev/null
  cmake --build --preset windows-x86_64 -j "$jobs"
fi

echo "== GUI tests ($arch, under Wine)"
trap wine_env_stop EXIT
ISLAND_OWN_DISPLAY=1 wine_env_start "$arch"
ctest --preset "windows-$arch"
