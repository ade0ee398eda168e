#!/usr/bin/env bash
# The native Linux build with warnings as errors, and every test that needs
# no X server: the unit tests and the Qt tests on the offscreen platform.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUELVO_WARNINGS_AS_ERRORS=ON -DQUELVO_FRONTEND=ON >/dev/null
cmake --build build
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -LE x11 -j2
