#!/usr/bin/env bash
# Runs the Windows build's tests under wine in an X session of its own
# (Xvfb + openbox): the unit and front-end tests through ctest, then the real
# quelvo-tolvane.exe, driven with xclip and xdotool, once in a Chinese and
# once in an English locale. Usage: tests/wine/run.sh BUILD_DIR
# Prints "N passed, N failed" last; exits non-zero on any failure.
set -uo pipefail

build=$(cd "${1:?build directory}" && pwd)
exe="$build/app/win32/quelvo-tolvane.exe"
session="$build/wine-session"
rm -rf "$session" && mkdir -p "$session/bin"

export WINEPREFIX="$build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
passed=0
failed=0
pass() { echo "PASS: $*"; passed=$((passed + 1)); }
fail() { echo "FAIL: $*"; failed=$((failed + 1)); }

# Polls a command until it succeeds, for at most $1 seconds.
wait_for() {
  local seconds=$1 deadline
  shift
  deadline=$((SECONDS + seconds))
  until "$@"; do
    ((SECONDS < deadline)) || return 1
    sleep 0.2
  done
}

xvfb_pid= openbox_pid= exe_pid=
cleanup() {
  [[ -n $exe_pid ]] && kill "$exe_pid" 2>/dev/null
  wineserver -k 2>/dev/null
  [[ -n $openbox_pid ]] && kill "$openbox_pid" 2>/dev/null
  [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
}
trap cleanup EXIT

# --- The X session, on a display number nobody else uses: other X sessions
# may run on this machine at the same time.
start_xvfb() {
  local number
  for ((number = 100 + $$ % 300; number < 1000; number += 7)); do
    [[ -e /tmp/.X$number-lock || -e /tmp/.X11-unix/X$number ]] && continue
    Xvfb ":$number" -screen 0 1280x800x24 -nolisten tcp -noreset >"$session/xvfb.log" 2>&1 &
    xvfb_pid=$!
    export DISPLAY=":$number"
    if wait_for 30 xdpyinfo >/dev/null 2>&1 && kill -0 "$xvfb_pid" 2>/dev/null; then return 0; fi
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
    xvfb_pid=
  done
  return 1
}
start_xvfb || { echo "Xvfb did not start"; exit 1; }
openbox --sm-disable >"$session/openbox.log" 2>&1 &
openbox_pid=$!
wait_for 30 xprop -root _NET_SUPPORTING_WM_CHECK >/dev/null 2>&1
echo "X session on $DISPLAY"

# --- The wine prefix, made once; 微软雅黑 is drawn with WenQuanYi Micro Hei.
if [[ ! -f $WINEPREFIX/system.reg ]]; then
  echo "Making the wine prefix"
  timeout 300 wineboot -i </dev/null >"$session/wineboot.log" 2>&1 || { echo "wineboot failed"; exit 1; }
fi
{
  printf '\xff\xfe'
  iconv -f UTF-8 -t UTF-16LE <<'REG'
Windows Registry Editor Version 5.00

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes]
"微软雅黑"="WenQuanYi Micro Hei"
"Microsoft YaHei"="WenQuanYi Micro Hei"
REG
} >"$session/fonts.reg"
# One wineserver and its services for the whole run, started here, away from
# the test runner's pipes: a server that a test started would hold its output
# open, and ctest would wait for the server to go. The server of wineboot is
# gone first, or it would be the one that stays, not persistent.
wineserver -k 2>/dev/null
wineserver -w 2>/dev/null
wineserver -p </dev/null >/dev/null 2>&1
timeout 120 wineboot </dev/null >/dev/null 2>&1
timeout 120 wine regedit /S "$(winepath -w "$session/fonts.reg")" </dev/null >/dev/null 2>&1

# --- Unit and front-end tests.
echo "=== ctest under wine"
ctest --test-dir "$build" -L "^(unit|wine)$" -j2 --output-on-failure --timeout 120 | tee "$session/ctest.log"
summary=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests failed out of [0-9]+' "$session/ctest.log")
if [[ $summary =~ ([0-9]+)\ tests\ failed\ out\ of\ ([0-9]+) ]]; then
  passed=$((passed + BASH_REMATCH[2] - BASH_REMATCH[1]))
  failed=$((failed + BASH_REMATCH[1]))
else
  fail "ctest gave no summary"
fi

# --- The real program.
# wine hands http links to winebrowser, which calls xdg-open: this one records them.
cat >"$session/bin/xdg-open" <<'REC'
#!/bin/sh
printf '%s\n' "$1" >>"$QUELVO_OPENED"
REC
chmod +x "$session/bin/xdg-open"
export QUELVO_OPENED="$session/opened.log"

# The id of the visible window whose title is exactly $1.
window_titled() {
  local id
  for id in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
    [[ $(xdotool getwindowname "$id" 2>/dev/null) == "$1" ]] && { echo "$id"; return 0; }
  done
  return 1
}
no_window_titled() { ! window_titled "$1" >/dev/null; }
clipboard_is() { [[ $(xclip -o -selection clipboard 2>/dev/null) == "$(printf "%s" "$1")" ]]; }
opened_is() { [[ -f $QUELVO_OPENED && $(cat "$QUELVO_OPENED") == "$1" ]]; }
set_clipboard() { printf '%s' "$1" | xclip -selection clipboard -i && wait_for 5 clipboard_is "$1"; }
# A left click at a place in the client area of window $1 (wine's X window is the client area).
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; }

main_title="Quelvo-Tolvane-版本1.0"
share_button=(66 164)  # 按钮_百度盘: 分组框1 at 8,128, the button at 8,22 in it, 103 x 28
url_button=(68 62)     # 按钮_搜一下1: 分组框2 at 8,32, the button at 8,15 in it, 105 x 30

run_program_checks() {
  local locale=$1 main
  echo "=== quelvo-tolvane.exe with LANG=$locale"
  rm -f "$QUELVO_OPENED"
  LANG=$locale LC_ALL=$locale PATH="$session/bin:$PATH" wine "$exe" </dev/null >"$session/exe-$locale.log" 2>&1 &
  exe_pid=$!
  if ! main=$(wait_for 60 window_titled "$main_title" && window_titled "$main_title"); then
    fail "$locale: MainWindow appears titled $main_title"
    kill "$exe_pid" 2>/dev/null; wait "$exe_pid" 2>/dev/null; exe_pid=
    return
  fi
  pass "$locale: MainWindow appears titled $main_title"

  local share=$'链接: https://pan.baidu.com/s/1AbC-xyz 提取码: x7k2\r\n--来自百度网盘超级会员V3的分享'
  set_clipboard "$share"
  click "$main" "${share_button[@]}"
  if wait_for 15 opened_is "https://pan.baidu.com/s/1AbC-xyz" && wait_for 10 clipboard_is "x7k2"; then
    pass "$locale: 有密码网盘 opens the share link and leaves the code on the clipboard"
  else
    fail "$locale: 有密码网盘 opened '$(cat "$QUELVO_OPENED" 2>/dev/null)', clipboard '$(xclip -o -selection clipboard 2>/dev/null)'"
  fi
  [[ $locale == zh_CN.UTF-8 ]] && import -window root "$session/screenshot-$locale.png"

  rm -f "$QUELVO_OPENED"
  set_clipboard '  看这个 https://example.com/a?b=1&c=%E9%93%BE  '
  click "$main" "${url_button[@]}"
  if wait_for 15 opened_is "https://example.com/a?b=1&c=%E9%93%BE"; then
    pass "$locale: 无密码网址 opens the link from its http on"
  else
    fail "$locale: 无密码网址 opened '$(cat "$QUELVO_OPENED" 2>/dev/null)'"
  fi

  set_clipboard ""
  click "$main" "${share_button[@]}"
  local box
  if box=$(wait_for 15 window_titled "空的哦" && window_titled "空的哦"); then
    xdotool windowactivate --sync "$box" key Return 2>/dev/null || xdotool key Return
    if wait_for 10 no_window_titled "空的哦"; then
      pass "$locale: an empty clipboard gets its message box, which closes with Enter"
    else
      fail "$locale: the empty-clipboard message box does not close"
    fi
  else
    fail "$locale: an empty clipboard shows no message box titled 空的哦"
  fi

  xdotool windowactivate --sync "$main" 2>/dev/null
  xdotool key Escape
  local rc=
  if wait_for 20 bash -c "! kill -0 $exe_pid 2>/dev/null"; then
    wait "$exe_pid"
    rc=$?
  fi
  exe_pid=
  if [[ $rc == 0 ]]; then
    pass "$locale: Esc ends the program with exit code 0"
  else
    fail "$locale: Esc does not end the program with exit code 0 (${rc:-still running})"
  fi
}

for locale in zh_CN.UTF-8 en_US.UTF-8; do
  run_program_checks "$locale"
done
source "$(dirname "${BASH_SOURCE[0]}")/hostile_checks.sh"

echo "$passed passed, $failed failed"
((failed == 0))
