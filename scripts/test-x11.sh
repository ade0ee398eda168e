#!/usr/bin/env bash
# The real program in a real X session: an Xvfb of its own with openbox,
# the clipboard through xclip, clicks and keys through xdotool, xdg-open
# replaced by a recorder. Writes docs/screenshot.png of MainWindow on the way.
# Prints "N passed, N failed" and fails when any case failed.
set -uo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD
X11_TESTS=$ROOT/tests/x11

BUILD=${QUELVO_BUILD_DIR:-build}
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUELVO_WARNINGS_AS_ERRORS=ON -DQUELVO_FRONTEND=ON \
  >/dev/null || exit 1
cmake --build "$BUILD" --target quelvo-tolvane silent_owner || exit 1
PROGRAM=$ROOT/$BUILD/app/qt/quelvo-tolvane

WORK=$(mktemp -d)
XVFB_PID= OPENBOX_PID=
cleanup() {
  [[ -n "${APP_PID:-}" ]] && kill "$APP_PID" 2>/dev/null
  [[ -n "$OPENBOX_PID" ]] && kill "$OPENBOX_PID" 2>/dev/null
  [[ -n "$XVFB_PID" ]] && kill "$XVFB_PID" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$WORK"
}
trap cleanup EXIT

# Xvfb picks a free display number itself and writes it to the pipe.
exec 3> >(cat >"$WORK/display")
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset >"$WORK/xvfb.log" 2>&1 &
XVFB_PID=$!
exec 3>&-
source "$X11_TESTS/session.sh"
wait_for test -s "$WORK/display" || { echo "Xvfb did not start: $(cat "$WORK/xvfb.log")"; exit 1; }
DISPLAY_NUMBER=$(tr -dc 0-9 <"$WORK/display")
export DISPLAY=":$DISPLAY_NUMBER"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
export XDG_RUNTIME_DIR=$WORK/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

openbox --sm-disable >"$WORK/openbox.log" 2>&1 &
OPENBOX_PID=$!
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }
wait_for wm_running || { echo "openbox did not start: $(cat "$WORK/openbox.log")"; exit 1; }

# xdg-open is the recorder: each argument followed by a NUL.
mkdir "$WORK/bin"
export OPEN_LOG=$WORK/opened
cat >"$WORK/bin/xdg-open" <<'RECORDER'
#!/bin/sh
printf '%s\0' "$@" >>"$OPEN_LOG"
RECORDER
chmod +x "$WORK/bin/xdg-open"
export PATH=$WORK/bin:$PATH

source "$X11_TESTS/cases.sh"
source "$X11_TESTS/hostile_cases.sh"

passed=0 failed=0
for case in $(declare -F | awk '{print $3}' | grep '^case_'); do
  if "$case"; then
    echo "PASS ${case#case_}"
    passed=$((passed + 1))
  else
    echo "FAIL ${case#case_}"
    failed=$((failed + 1))
  fi
  stop_app
done

mkdir -p docs
if take_screenshot "$WORK/screenshot.png"; then
  mv "$WORK/screenshot.png" docs/screenshot.png
  echo "wrote docs/screenshot.png"
else
  echo "FAIL screenshot"
  failed=$((failed + 1))
fi
stop_app

echo "x11: $passed passed, $failed failed"
((failed == 0))
