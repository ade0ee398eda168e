#!/usr/bin/env bash
# Builds the packages and installs each as a user would: the .deb into a
# scratch root, whose program must start and show its window under Xvfb; the
# Windows installer silently under wine, whose program must start, and whose
# uninstaller must take everything away again; and the portable zip.
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
wine_prefix=$(mktemp -d)
trap 'rm -rf "$root" "$wine_prefix"' EXIT
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

# Windows: the installer and the zip, cross-built.
cmake -S . -B build-windows-packages -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw64.cmake \
  -DCMAKE_BUILD_TYPE=Release -DQUELVO_TESTS=OFF -DQUELVO_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build build-windows-packages
(cd build-windows-packages && cpack >/dev/null)
installer=$(ls build-windows-packages/packages/Quelvo-Tolvane-*-win64.exe)
zip=$(ls build-windows-packages/packages/Quelvo-Tolvane-*-win64.zip)
echo "built $installer and $zip"
version=$(sed -n 's/^project(QuelvoTolvane VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)

check "the zip holds the .exe alone" bash -c "[[ \$(unzip -Z1 '$zip') == quelvo-tolvane.exe ]]"
check "the .exe's version resource is the program's" \
  bash -c "strings -el -n 3 build-windows-packages/app/win32/quelvo-tolvane.exe | grep -A1 -x FileVersion | tail -1 | grep -qx '$version'"

export WINEPREFIX=$wine_prefix/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
program_files="$WINEPREFIX/drive_c/Program Files/Quelvo-Tolvane"
start_menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Quelvo-Tolvane"
# One X session for all of wine: the prefix, the installer, the program, the uninstaller.
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  set -u
  wineboot -i >/dev/null 2>&1; wineserver -w
  wine "$1" /S; wineserver -w
  cp -r "$2" "$4/installed" 2>/dev/null; cp -r "$3" "$4/start-menu" 2>/dev/null
  grep -q "Uninstall.*Quelvo-Tolvane\]" "$WINEPREFIX/system.reg" && touch "$4/registered"
  wine "C:\\Program Files\\Quelvo-Tolvane\\quelvo-tolvane.exe" & pid=$!
  for _ in $(seq 100); do
    window=$(xdotool search --name "^Quelvo-Tolvane-" 2>/dev/null | head -1)
    if [[ -n $window ]]; then xdotool getwindowname "$window" >"$4/title"; break; fi
    sleep 0.2
  done
  [[ -n ${window:-} ]] && xdotool key --window "$window" Escape
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$pid" 2>/dev/null; then kill "$pid"; echo "still running" >"$4/exit-code"; else wait "$pid"; echo $? >"$4/exit-code"; fi
  wineserver -w
  wine "C:\\Program Files\\Quelvo-Tolvane\\Uninstall.exe" /S; wineserver -w
  [[ -e "$2" ]] || touch "$4/program-gone"
  [[ -e "$3" ]] || touch "$4/start-menu-gone"
  grep -q "Uninstall.*Quelvo-Tolvane\]" "$WINEPREFIX/system.reg" || touch "$4/unregistered"
' _ "$(realpath "$installer")" "$program_files" "$start_menu" "$wine_prefix"
check "the installer puts the program into Program Files" test -f "$wine_prefix/installed/quelvo-tolvane.exe"
check "the installer puts an uninstaller beside it" test -f "$wine_prefix/installed/Uninstall.exe"
check "the installer adds a Start-menu entry" test -f "$wine_prefix/start-menu/Quelvo-Tolvane.lnk"
check "the installer registers the program for removal" test -e "$wine_prefix/registered"
check "the installed program shows its window" grep -qx "Quelvo-Tolvane-版本$version" "$wine_prefix/title"
check "Esc ends the installed program with exit code 0" grep -qx 0 "$wine_prefix/exit-code"
check "the uninstaller removes the program" test -e "$wine_prefix/program-gone"
check "the uninstaller removes the Start-menu entry" test -e "$wine_prefix/start-menu-gone"
check "the uninstaller removes the registration" test -e "$wine_prefix/unregistered"

echo "packages: $passed passed, $failed failed"
((failed == 0))
