# Helpers for driving the real program in an X session (sourced by
# scripts/test-x11.sh). Every wait polls with a time limit; nothing sleeps
# for long on the chance that a window is ready.

# Runs "$@" until it succeeds, for at most $WAIT_LIMIT seconds (10 unless set).
wait_for() {
  local deadline=$((SECONDS + ${WAIT_LIMIT:-10}))
  until "$@" 2>/dev/null; do
    ((SECONDS < deadline)) || return 1
    sleep 0.05
  done
}

fail() {
  echo "    $*" >&2
  return 1
}

# The first visible window whose title matches the pattern.
window_named() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1; }
window_shown() { [[ -n "$(window_named "$1")" ]]; }
window_gone() { [[ -z "$(window_named "$1")" ]]; }
active_window_is() { [[ "$(xprop -root _NET_ACTIVE_WINDOW | awk '{print $NF}')" == "$(printf '0x%x' "$1")" ]]; }

# Outer geometry of a framed window, "X Y WIDTH HEIGHT", frame and title bar included.
outer_geometry() {
  local info extents left right top bottom x y w h
  info=$(xwininfo -id "$1") || return 1
  x=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
  y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
  w=$(awk '/^  Width:/ {print $2}' <<<"$info")
  h=$(awk '/^  Height:/ {print $2}' <<<"$info")
  extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ' ')
  IFS=, read -r left right top bottom <<<"${extents:-0,0,0,0}"
  echo "$((x - left)) $((y - top)) $((w + left + right)) $((h + top + bottom))"
}

screen_size() { xwininfo -root | awk '/^  Width:/ {w=$2} /^  Height:/ {h=$2} END {print w, h}'; }

# "X Y" that centres a window of the given outer size, rounded toward zero.
centred_origin() {
  local sw sh
  read -r sw sh < <(screen_size)
  echo "$(((sw - $1) / 2)) $(((sh - $2) / 2))"
}

geometry_is() { [[ "$(outer_geometry "$1")" == "$2" ]]; }
has_size() { [[ "$(outer_geometry "$1" | cut -d' ' -f3-)" == "$2 $3" ]]; }

net_wm_state() { xprop -id "$1" _NET_WM_STATE; }
is_above() { net_wm_state "$1" | grep -q _NET_WM_STATE_ABOVE; }
is_not_above() { ! is_above "$1"; }

# Starts the program and waits until MainWindow is mapped at its final size.
# Sets APP_PID and MAIN.
start_app() {
  : >"$OPEN_LOG"
  "$PROGRAM" >"$WORK/app.out" 2>&1 &
  APP_PID=$!
  wait_for window_shown '^Quelvo-Tolvane' || fail "MainWindow did not appear" || return 1
  MAIN=$(window_named '^Quelvo-Tolvane')
  wait_for has_size "$MAIN" 696 302 || fail "MainWindow is $(outer_geometry "$MAIN"), not 696 x 302" || return 1
  wait_for active_window_is "$MAIN" || true
}

app_running() { kill -0 "$APP_PID" 2>/dev/null; }
app_ended() { ! app_running; }

# Waits for the program to end and sets EXIT_CODE to its exit code. Not to
# be called in a subshell: only this shell can wait for its child.
wait_for_exit() {
  EXIT_CODE=timeout
  wait_for app_ended || { kill "$APP_PID"; return 1; }
  wait "$APP_PID"
  EXIT_CODE=$?
  APP_PID=
}

stop_app() {
  if [[ -n "${APP_PID:-}" ]] && app_running; then
    kill "$APP_PID" 2>/dev/null
    wait "$APP_PID" 2>/dev/null
  fi
  APP_PID=
  return 0
}

# A left click at a point of MainWindow's client area.
click_at() {
  xdotool mousemove --window "$MAIN" "$1" "$2" click 1
}

# The clipboard as another program sees it.
clipboard_set() { printf '%s' "$1" | xclip -selection clipboard -i; }
clipboard_is() { [[ "$(timeout 5 xclip -selection clipboard -o)" == "$1" ]]; }

# The arguments xdg-open was given, each ended by a NUL.
opened_exactly() { cmp -s "$OPEN_LOG" <(printf '%s\0' "$@"); }
nothing_opened() { [[ ! -s "$OPEN_LOG" ]]; }
