#!/usr/bin/env bash
# Builds the program and starts it. Installs what it needs first.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh build
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target quelvo-tolvane
exec build/app/qt/quelvo-tolvane
