#!/usr/bin/env bash
# Runs each fuzz target of the portable logic for SECONDS (default 300).
# Crashing inputs are kept under build/fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-300}"
bash scripts/setup-deps.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
mkdir -p build/fuzz/findings
for target in integer_text island_entry; do
  echo "== $target: $seconds s"
  mkdir -p "build/fuzz/corpus/$target"
  "build/fuzz/${target}_fuzz" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix=build/fuzz/findings/ "build/fuzz/corpus/$target"
done
