# Hostile clipboards and desktops against the real quelvo-tolvane.exe under
# wine, in the Chinese locale. Sourced by tests/wine/run.sh after its own
# checks: it uses that file's session, helpers, places and pass/fail counts.
# Whatever lands on the clipboard, the program must not crash, hang or lose
# data, and it shows no box of its own beyond the three of the share actions.

hostile_locale=zh_CN.UTF-8
hostile=$session/hostile
mkdir -p "$hostile"

reopen_button=(400 164)      # 按钮_复制2: at 296,21 in 分组框1, 192 x 31
clear_share_button=(540 164) # 按钮_搜一下5: at 496,21 in 分组框1, 72 x 30
clear_url_button=(544 63)    # 按钮336: at 496,16 in 分组框2, 80 x 30
whole_field=(347 205)        # 编辑框4: at 75,65 in 分组框1, 528 x 25
baidu_link="https://pan.baidu.com/s/1AbC-dEf"
baidu_message=$'链接: https://pan.baidu.com/s/1AbC-dEf 提取码: x7Kq\r\n--来自百度网盘超级会员V3的分享'
our_box_titles=("空的哦" "提醒" "提醒：")

# Starts the .exe with PATH $1 (where winebrowser looks for xdg-open);
# sets exe_pid and hostile_main. Wine itself is started by its full path,
# so that PATH may hold nothing else.
start_hostile_exe() {
  rm -f "$QUELVO_OPENED"
  LANG=$hostile_locale LC_ALL=$hostile_locale PATH="$1" "$wine_program" "$exe" </dev/null \
    >>"$session/exe-hostile.log" 2>&1 &
  exe_pid=$!
  hostile_main=$(wait_for 60 window_titled "$main_title" && window_titled "$main_title")
}

# Ends the .exe with Esc; true when it ended with exit code 0.
stop_hostile_exe() {
  local rc=
  xdotool windowactivate --sync "$hostile_main" 2>/dev/null
  xdotool key Escape
  if wait_for 20 bash -c "! kill -0 $exe_pid 2>/dev/null"; then
    wait "$exe_pid"
    rc=$?
  else
    kill "$exe_pid" 2>/dev/null
    wait "$exe_pid" 2>/dev/null
  fi
  exe_pid=
  [[ $rc == 0 ]]
}
exe_running() { [[ -n $exe_pid ]] && kill -0 "$exe_pid" 2>/dev/null; }

opened_count() { [[ -f $QUELVO_OPENED ]] && wc -l <"$QUELVO_OPENED" || echo 0; }
opened_count_is() { [[ $(opened_count) == "$1" ]]; }
opened_dump() { head -c 300 "$QUELVO_OPENED" 2>/dev/null | tr '\n' '|'; }
clipboard_dump() { timeout 5 xclip -o -selection clipboard 2>/dev/null | head -c 200; }

# Wine's clipboard bridge learns of a new X selection owner on a thread of
# its own, some time after xclip has taken the clipboard; until then a program
# reads what it last put there itself. Used whenever the program may own the
# clipboard, so that a click cannot read its own former code.
readonly bridge_delay=1
take_clipboard() { set_clipboard "$1" && sleep "$bridge_delay"; }

# The clipboard from file $1, offered as target $2 (xclip's text targets
# unless given); returns once another client reads the same bytes back.
clipboard_from_file() {
  xclip -selection clipboard -i ${2:+-t "$2"} <"$1" || return 1
  wait_for "${3:-10}" cmp -s "$1" <(timeout 20 xclip -selection clipboard -o ${2:+-t "$2"}) && sleep "$bridge_delay"
}

# Closes the box titled exactly $1 with Enter.
answer_box() {
  local box
  box=$(wait_for 15 window_titled "$1" && window_titled "$1") || return 1
  xdotool windowactivate --sync "$box" key Return 2>/dev/null || xdotool key Return
  wait_for 10 no_window_titled "$1"
}
no_box_of_ours() {
  local title
  for title in "${our_box_titles[@]}"; do
    window_titled "$title" >/dev/null && return 1
  done
  return 0
}
# Visible windows other than MainWindow, by title: what wine may show of its own.
other_windows() {
  local id name
  for id in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
    name=$(xdotool getwindowname "$id" 2>/dev/null)
    [[ $name != "$main_title" ]] && printf '%s|' "$name"
  done
}

# The window still takes clicks: 无密码网址 on a fresh link opens it.
still_answers() {
  local link="https://example.com/answer/$1"
  take_clipboard "$link" || return 1
  rm -f "$QUELVO_OPENED"
  click "$hostile_main" "${url_button[@]}"
  wait_for 15 opened_is "$link"
}

# Whether the edit box at $1,$2 shows exactly the bytes of file $3, as the
# user would copy them out; the clipboard is left holding them.
field_holds() {
  set_clipboard "(nothing was copied)" || return 1
  click "$hostile_main" "$1" "$2"
  xdotool key ctrl+a ctrl+c
  wait_for 30 bash -c '! [[ $(timeout 20 xclip -o -selection clipboard | head -c 20) == "(nothing was copied)" ]]'
  timeout 30 xclip -o -selection clipboard >"$hostile/field"
  cmp -s "$hostile/field" "$3"
}

check_large_share_message() {
  local started
  # The code marker near the start, then about 4 MB of the provider's trailer.
  { printf '%s\r\n' "${baidu_message%%$'\r\n'*}"; yes -- '--来自百度网盘超级会员V3的分享 ' | head -n 100000 | tr -d '\n'; } \
    >"$hostile/large"
  clipboard_from_file "$hostile/large" "" 30 || { fail "4 MB message: xclip did not take the clipboard"; return; }
  started=$SECONDS
  rm -f "$QUELVO_OPENED"
  click "$hostile_main" "${share_button[@]}"
  if ! { wait_for 60 opened_is "$baidu_link" && wait_for 30 clipboard_is "x7Kq"; }; then
    fail "4 MB message: opened '$(opened_dump)', clipboard '$(clipboard_dump)'"
    return
  fi
  local took=$((SECONDS - started))
  # The fields still hold the share: the second button opens it again.
  click "$hostile_main" "${reopen_button[@]}"
  if ! { wait_for 15 opened_is "$baidu_link"$'\n'"$baidu_link" && still_answers large; }; then
    fail "4 MB share message: after it the window does not answer (opened '$(opened_dump)')"
    return
  fi
  # 编辑框4 shows the whole message, its one line break gone.
  tr -d '\r\n' <"$hostile/large" >"$hostile/large-shown"
  if field_holds "${whole_field[@]}" "$hostile/large-shown"; then
    pass "4 MB share message: link opened and code copied after $took s; 编辑框4 shows it whole; the window answers"
  else
    fail "4 MB share message: 编辑框4 shows $(wc -c <"$hostile/field") bytes, not $(wc -c <"$hostile/large-shown")"
  fi
}

check_code_outside_gbk() {
  rm -f "$QUELVO_OPENED"
  take_clipboard "链接: $baidu_link 提取码: x😀Kq" || { fail "emoji code: xclip did not take the clipboard"; return; }
  click "$hostile_main" "${share_button[@]}"
  if wait_for 15 opened_is "$baidu_link" && wait_for 10 clipboard_is "x?Kq"; then
    pass "a code with a character outside GBK arrives with '?' in its place; the link opens"
  else
    fail "emoji code: opened '$(opened_dump)', clipboard '$(clipboard_dump)'"
  fi
}

check_image_only_clipboard() {
  # The PNG signature and an empty IHDR chunk: what matters is the target.
  printf '\x89PNG\r\n\x1a\n\0\0\0\rIHDR' >"$hostile/picture.png"
  local row button title ok=1
  rm -f "$QUELVO_OPENED"
  for row in "share_button 空的哦" "url_button 提醒："; do
    read -r button title <<<"$row"
    clipboard_from_file "$hostile/picture.png" image/png || { ok=; break; }
    local -n at=$button
    click "$hostile_main" "${at[@]}"
    answer_box "$title" || { ok=; echo "    no box '$title' after $button on a picture"; break; }
  done
  if [[ -n $ok ]] && opened_count_is 0 && no_box_of_ours && still_answers picture; then
    pass "a clipboard holding only a picture: 空的哦 and 提醒： boxes, closed with Enter; the program goes on"
  else
    fail "picture-only clipboard: opened '$(opened_dump)', windows '$(other_windows)'"
  fi
}

# xdg-open missing from PATH, or one that fails: nothing is reported by the
# program and the code still reaches the clipboard. An error window that
# wine's own browser launcher shows is the shell's, not ours: it is named.
# With no xdg-open on PATH, wine's launcher falls back to /usr/bin/open where
# there is one, which finds nothing to run on an empty PATH and fails too.
check_browser_launcher() {
  local variant=$1 dir=$hostile/xdg-open-$1
  mkdir -p "$dir"
  if [[ $variant == failing ]]; then
    printf '#!/bin/sh\nprintf "%%s\\n" "$1" >>"$QUELVO_OPENED"\nexit 1\n' >"$dir/xdg-open"
    chmod +x "$dir/xdg-open"
  fi
  set_clipboard "$baidu_message" || { fail "xdg-open $variant: xclip did not take the clipboard"; return; }
  # The directory alone: /usr/bin may hold a real xdg-open.
  if ! start_hostile_exe "$dir"; then
    fail "xdg-open $variant: MainWindow does not appear"
    return
  fi
  click "$hostile_main" "${share_button[@]}"
  local copied=
  wait_for 15 clipboard_is "x7Kq" && copied=yes
  # Time for the launcher to fail and for any box to come up.
  sleep 2
  local others
  others=$(other_windows)
  [[ -n $others ]] && echo "    xdg-open $variant: wine shows windows of its own: $others"
  local recorded=yes
  [[ $variant == failing ]] && ! opened_is "$baidu_link" && recorded=
  if [[ -n $copied && -n $recorded ]] && no_box_of_ours && exe_running; then
    pass "xdg-open $variant: nothing reported by the program, the code is on the clipboard"
  else
    fail "xdg-open $variant: clipboard '$(clipboard_dump)', opened '$(opened_dump)', windows '$others'"
  fi
  stop_hostile_exe || fail "xdg-open $variant: Esc does not end the program with exit code 0"
}

resident_kb() { awk '/^VmRSS:/ {print $2}' "/proc/$1/status" 2>/dev/null; }

# One round of clicks with fresh clipboards; each step waits for its effect,
# so the next clipboard cannot overtake a click. Adds to clicks and opened.
click_round() {
  local i=$1 code message url
  code=$(printf 'k%03d' "$i")
  message="链接: https://pan.baidu.com/s/r$i 提取码: $code"$'\r\n'"--来自百度网盘超级会员V3的分享"
  url="https://example.com/round/$i"
  set_clipboard "$message" || return 1
  click "$hostile_main" "${share_button[@]}"
  wait_for 15 opened_count_is $((opened + 1)) && wait_for 10 clipboard_is "$code" || { echo "    round $i: share"; return 1; }
  click "$hostile_main" "${reopen_button[@]}"
  wait_for 15 opened_count_is $((opened + 2)) || { echo "    round $i: reopen"; return 1; }
  # After 清空 the second button has nothing to open or copy.
  click "$hostile_main" "${clear_share_button[@]}"
  click "$hostile_main" "${reopen_button[@]}"
  take_clipboard "$url" || return 1
  click "$hostile_main" "${url_button[@]}"
  wait_for 15 opened_count_is $((opened + 3)) || { echo "    round $i: plain link"; return 1; }
  click "$hostile_main" "${clear_url_button[@]}"
  set_clipboard "no link $i here" || return 1
  click "$hostile_main" "${url_button[@]}"
  answer_box "提醒：" || { echo "    round $i: no box 提醒："; return 1; }
  opened=$((opened + 3))
  clicks=$((clicks + 7))
}

# Resident memory may grow while the first clicks fill wine's caches; after
# that it stays within this many kB.
resident_growth_limit_kb=4096

check_many_clicks() {
  local pid clicks=0 opened=0 round early= last ok=yes
  pid=$(pgrep -nf 'quelvo-tolvane\.exe')
  if [[ -z $pid ]]; then
    fail "hundreds of clicks: no process runs quelvo-tolvane.exe"
    return
  fi
  rm -f "$QUELVO_OPENED"
  for round in $(seq 1 29); do
    click_round "$round" || { ok=; break; }
    ((clicks >= 30)) && [[ -z $early ]] && early=$(resident_kb "$pid")
  done
  last=$(resident_kb "$pid")
  if [[ -z $ok ]] || ! exe_running; then
    fail "hundreds of clicks: stopped after $clicks clicks; last opened '$(tail -n 4 "$QUELVO_OPENED" | tr '\n' '|')', clipboard '$(clipboard_dump)', windows '$(other_windows)'"
    return
  fi
  local expected_tail=$'https://pan.baidu.com/s/r29\nhttps://pan.baidu.com/s/r29\nhttps://example.com/round/29'
  if ! opened_count_is "$opened" || [[ $(tail -n 3 "$QUELVO_OPENED") != "$expected_tail" ]]; then
    fail "hundreds of clicks: $(opened_count) links opened, not $opened; last: $(tail -n 3 "$QUELVO_OPENED" | tr '\n' '|')"
    return
  fi
  local growth=$((last - early))
  if ((growth <= resident_growth_limit_kb)) && no_box_of_ours; then
    pass "$clicks clicks: resident $((early / 1024)) MB after 30, $((last / 1024)) MB after the last (limit +$resident_growth_limit_kb kB)"
  else
    fail "$clicks clicks: resident memory grew by $growth kB between click 30 and the last"
  fi
}

run_hostile_checks() {
  echo "=== quelvo-tolvane.exe with LANG=$hostile_locale, hostile clipboards"
  wine_program=$(command -v wine)
  if ! start_hostile_exe "$session/bin:$PATH"; then
    fail "hostile: MainWindow does not appear"
    kill "$exe_pid" 2>/dev/null; wait "$exe_pid" 2>/dev/null; exe_pid=
    return
  fi
  check_large_share_message
  check_code_outside_gbk
  check_image_only_clipboard
  check_many_clicks
  stop_hostile_exe || fail "hostile: Esc does not end the program with exit code 0 after the clicks"
  check_browser_launcher missing
  check_browser_launcher failing
}

run_hostile_checks
