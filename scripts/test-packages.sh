#!/usr/bin/env bash
# Builds the packages and installs each as a user would: the .deb into a
# scratch root, whose program must start and show its window under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
passed=0 failed=0
check() {  # check NAME COMMAND...: runs one check and counts it
  local name=$1
  shift
  if "$@"; then
    echo "ok: $name"
    passed=$((passed + 1))
  else
    echo "FAILED: $name"
    failed=$((failed + 1))
  fi
}

cmake -S . -B build-packages -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUELVO_TESTS=OFF \
  -DQUELVO_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build build-packages
(cd build-packages && cpack >/dev/null)
deb=$(ls build-packages/packages/quelvo-tolvane_*_amd64.deb)
echo "built $deb"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
app_id=io.github.quelvotolvane.QuelvoTolvane

check "the desktop entry validates" desktop-file-validate "$root/usr/share/applications/$app_id.desktop"
check "the metainfo validates" appstreamcli validate --no-net --explain "$root/usr/share/metainfo/$app_id.metainfo.xml"
lintian_errors() { ! lintian --no-tag-display-limit "$deb" 2>/dev/null | grep -E '^(E|W):'; }
check "lintian reports no error or warning" lintian_errors
for size in 16 24 32 48 64 128 256; do
  check "a ${size}px icon" test "$(identify -format %wx%h "$root/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png")" = "${size}x${size}"
done
check "the version of the package is the program's" \
  bash -c "dpkg-deb -f '$deb' Version | grep -qx '$(sed -n 's/^project(QuelvoTolvane VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)'"

# The installed program starts and shows its window, with the libraries the
# package depends on.
shows_window() {
  xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
    "$1/usr/bin/quelvo-tolvane" & pid=$!
    found=1
    for _ in $(seq 50); do
      if xdotool search --name "^Quelvo-Tolvane-" >/dev/null 2>&1; then found=0; break; fi
      sleep 0.2
    done
    kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null
    exit $found' _ "$root"
}
check "the installed program shows its window" shows_window

echo "packages: $passed passed, $failed failed"
((failed == 0))
