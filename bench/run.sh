#!/usr/bin/env bash
# Builds the benchmarks in Release and prints one table of the text
# operations and the click actions. Not a test: nothing here passes or fails
# on a time.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh build bench
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUELVO_BENCHMARKS=ON -DQUELVO_TESTS=OFF \
  -DQUELVO_FRONTEND=ON >/dev/null
cmake --build build-bench --target text_bench actions_bench quelvo-tolvane minimal_qt window_timer >/dev/null
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
build-bench/bench/text_bench --benchmark_min_time=0.2 --benchmark_out="$out/text.json" --benchmark_out_format=json >/dev/null
build-bench/bench/actions_bench --benchmark_min_time=0.2 --benchmark_out="$out/actions.json" --benchmark_out_format=json >/dev/null
echo "Measured $(date -u +%Y-%m-%d) on $(nproc) cores of $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs)"
echo
python3 bench/format_table.py "$out/text.json" "$out/actions.json"
if [[ -x bench/program_bench.sh ]]; then
  echo
  bench/program_bench.sh
fi
