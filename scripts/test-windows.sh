#!/usr/bin/env bash
# The Windows build: quelvo-tolvane.exe and the tests cross-compiled with
# mingw-w64 (warnings as errors), then run under wine in an X session of
# their own: the unit tests of the text library and the actions, the
# front-end tests, and the real .exe in a Chinese and an English locale.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-windows
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw64.cmake -DCMAKE_BUILD_TYPE=Release \
  -DQUELVO_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build "$build" -j2 --target quelvo-tolvane text_tests action_tests win32_desktop_tests win32_window_tests
exec tests/wine/run.sh "$build"
