#!/usr/bin/env bash
# A short bounded run of every fuzz target (libFuzzer with AddressSanitizer
# and UndefinedBehaviorSanitizer), starting from the seeds in fuzz/corpus.
# FUZZ_SECONDS sets the time per target.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-45}
targets=(text_operations encoding share_actions)

cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUELVO_FUZZ=ON -DQUELVO_SANITIZE=ON -DQUELVO_TESTS=OFF -DQUELVO_FRONTEND=OFF -DQUELVO_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build build-fuzz --target "${targets[@]/%/_fuzzer}"

passed=0 failed=0
for target in "${targets[@]}"; do
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  # New inputs go to the scratch folder; the seeds in the repository stay as they are.
  if build-fuzz/fuzz/${target}_fuzzer -max_total_time="$seconds" -max_len=8192 -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$work/" "$work" "fuzz/corpus/$target" >"$work/log" 2>&1; then
    echo "fuzz $target: $(grep -Eo 'Done [0-9]+ runs' "$work/log"), no findings"
    passed=$((passed + 1))
  else
    echo "fuzz $target: FINDING"
    tail -40 "$work/log"
    for artifact in "$work"/crash-* "$work"/timeout-* "$work"/oom-*; do
      [[ -e $artifact ]] && { echo "input ($artifact):"; od -An -tx1 "$artifact" | head -20; }
    done
    failed=$((failed + 1))
  fi
  rm -rf "$work"
done
echo "fuzz: $passed passed, $failed failed"
((failed == 0))
