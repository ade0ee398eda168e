#!/usr/bin/env bash
# The unit tests of the text library and the actions under AddressSanitizer
# and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-sanitizers -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUELVO_WARNINGS_AS_ERRORS=ON \
  -DQUELVO_SANITIZE=ON -DQUELVO_FRONTEND=OFF >/dev/null
cmake --build build-sanitizers
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-sanitizers --output-on-failure -L unit -j2
