# The program in a real X session under openbox. Each case starts its own
# instance; places are client-area points of MainWindow's controls.

# Centres of the controls the cases press (group box origin + control centre):
# 选择框5, 按钮_搜一下1, 按钮2, 按钮_百度盘, 按钮1, 编辑框5, 编辑框4, and a bare spot.
readonly AT_TOP_BOX="20 16"
readonly AT_PLAIN_URL="68 62"
readonly AT_PLAIN_HELP="608 63"
readonly AT_SHARE="67 164"
readonly AT_SHARE_HELP="608 164"
readonly AT_LINK_FIELD="133 234"
readonly AT_WHOLE_FIELD="200 205"
readonly AT_BACKGROUND="300 16"

readonly BAIDU_MESSAGE=$'链接: https://pan.baidu.com/s/1AbC-dEf 提取码: x7Kq\n--来自百度网盘超级会员V3的分享'

has_icon() { xprop -id "$1" _NET_WM_ICON | grep -q 'Icon ('; }

case_starts_centred_on_top_with_its_icon() {
  start_app || return 1
  local geometry expected
  geometry=$(outer_geometry "$MAIN")
  expected="$(centred_origin 696 302) 696 302"
  [[ "$geometry" == "$expected" ]] || fail "MainWindow at $geometry, expected $expected" || return 1
  is_above "$MAIN" || fail "not always on top at start: $(net_wm_state "$MAIN")" || return 1
  wait_for has_icon "$MAIN" || fail "no icon" || return 1
  xprop -id "$MAIN" WM_NORMAL_HINTS | grep -q 'program specified maximum size: .* by ' || fail "resizable" || return 1
  ! xprop -id "$MAIN" _NET_WM_ALLOWED_ACTIONS | grep -q _NET_WM_ACTION_MAXIMIZE || fail "can be maximised"
}

case_share_message_opens_its_link_and_leaves_its_code() {
  clipboard_set "$BAIDU_MESSAGE"
  start_app || return 1
  click_at $AT_SHARE
  wait_for opened_exactly "https://pan.baidu.com/s/1AbC-dEf" || fail "xdg-open got: $(tr '\0' '|' <"$OPEN_LOG")" || return 1
  wait_for clipboard_is "x7Kq" || fail "clipboard holds: $(timeout 5 xclip -selection clipboard -o)" || return 1
  # The code stays pasteable while the program runs.
  sleep 0.2
  clipboard_is "x7Kq" || fail "code gone from the clipboard"
}

case_plain_url_button_opens_from_the_first_http() {
  clipboard_set "看这个  https://example.com/a?b=1 好"
  start_app || return 1
  click_at $AT_PLAIN_URL
  wait_for opened_exactly "https://example.com/a?b=1 好" || fail "xdg-open got: $(tr '\0' '|' <"$OPEN_LOG")" || return 1
  clipboard_is "看这个  https://example.com/a?b=1 好" || fail "the clipboard changed"
}

case_always_on_top_follows_the_tick_without_moving() {
  start_app || return 1
  local before
  before=$(outer_geometry "$MAIN")
  for round in 1 2 3; do
    click_at $AT_TOP_BOX
    wait_for is_not_above "$MAIN" || fail "round $round: still above after unticking" || return 1
    [[ "$(outer_geometry "$MAIN")" == "$before" ]] || fail "moved to $(outer_geometry "$MAIN")" || return 1
    xdotool key space  # the box keeps the focus: the space bar ticks it again
    wait_for is_above "$MAIN" || fail "round $round: not above after ticking" || return 1
    [[ "$(outer_geometry "$MAIN")" == "$before" ]] || fail "moved to $(outer_geometry "$MAIN")" || return 1
  done
  # The window was never unmapped on the way.
  xwininfo -id "$MAIN" | grep -q 'Map State: IsViewable' || fail "not mapped"
}

case_escape_in_an_edit_box_ends_with_exit_code_0() {
  start_app || return 1
  click_at $AT_LINK_FIELD
  xdotool key Escape
  wait_for_exit
  [[ "$EXIT_CODE" == 0 ]] || fail "exit code $EXIT_CODE"
}

case_alt_f4_ends_with_exit_code_0_also_with_help_open() {
  start_app || return 1
  click_at $AT_SHARE_HELP
  wait_for window_shown '使用说明' || fail "no HelpWindow" || return 1
  xdotool windowactivate --sync "$MAIN" key alt+F4
  wait_for_exit
  [[ "$EXIT_CODE" == 0 ]] || fail "exit code $EXIT_CODE"
}

case_help_window_opens_owned_and_centred() {
  start_app || return 1
  click_at $AT_SHARE_HELP
  wait_for window_shown '使用说明' || fail "no HelpWindow" || return 1
  local help expected
  help=$(window_named '使用说明')
  wait_for has_size "$help" 406 216 || fail "HelpWindow is $(outer_geometry "$help")" || return 1
  expected="$(centred_origin 406 216) 406 216"
  [[ "$(outer_geometry "$help")" == "$expected" ]] || fail "HelpWindow at $(outer_geometry "$help")" || return 1
  xprop -id "$help" WM_TRANSIENT_FOR | grep -qi "$(printf '0x%x' "$MAIN")" || fail "not owned by MainWindow" || return 1
  # The other button brings the same window forward; Esc closes it alone.
  click_at $AT_PLAIN_HELP
  sleep 0.2
  [[ "$(xdotool search --onlyvisible --name '使用说明' | wc -l)" == 1 ]] || fail "a second HelpWindow" || return 1
  xdotool windowactivate --sync "$help" key Escape
  wait_for window_gone '使用说明' || fail "Esc did not close HelpWindow" || return 1
  app_running || fail "the program ended with HelpWindow"
}

case_empty_clipboard_gives_its_message_box() {
  xclip -selection clipboard -i </dev/null
  start_app || return 1
  click_at $AT_SHARE
  wait_for window_shown '^空的哦$' || fail "no message box" || return 1
  local box
  box=$(window_named '^空的哦$')
  xprop -id "$box" WM_TRANSIENT_FOR | grep -qi "$(printf '0x%x' "$MAIN")" || fail "box not owned by MainWindow" || return 1
  nothing_opened || fail "something was opened" || return 1
  xdotool windowactivate --sync "$box" key Return
  wait_for window_gone '^空的哦$' || fail "the box did not close" || return 1
  app_running || fail "the program ended"
}

case_dragging_the_background_moves_the_window() {
  start_app || return 1
  local x y w h x2 y2
  read -r x y w h < <(outer_geometry "$MAIN")
  xdotool mousemove --window "$MAIN" $AT_BACKGROUND mousedown 1
  xdotool mousemove_relative --sync 40 30 mousemove_relative --sync 10 10
  xdotool mouseup 1
  wait_for geometry_is "$MAIN" "$((x + 50)) $((y + 40)) $w $h" ||
    fail "after the drag at $(outer_geometry "$MAIN"), from $x $y" || return 1
  # A drag from an edit box selects text instead.
  read -r x y w h < <(outer_geometry "$MAIN")
  xdotool mousemove --window "$MAIN" $AT_WHOLE_FIELD mousedown 1 mousemove_relative --sync 40 0 mouseup 1
  sleep 0.2
  [[ "$(outer_geometry "$MAIN")" == "$x $y $w $h" ]] || fail "an edit box moved the window"
}

case_no_display_gives_exit_code_1_and_one_line() {
  local code
  for display in "" ":$((DISPLAY_NUMBER + 500))"; do
    env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY="$display" "$PROGRAM" >"$WORK/nodisplay.out" 2>"$WORK/nodisplay.err"
    code=$?
    [[ $code == 1 ]] || fail "DISPLAY='$display': exit code $code" || return 1
    [[ $(wc -l <"$WORK/nodisplay.err") == 1 ]] && grep -q 'start-up window could not be loaded' "$WORK/nodisplay.err" ||
      fail "DISPLAY='$display': stderr was: $(cat "$WORK/nodisplay.err")" || return 1
  done
}

# Not a check: the picture for the README, with a share worked.
take_screenshot() {
  clipboard_set "$BAIDU_MESSAGE"
  start_app || return 1
  click_at $AT_SHARE
  wait_for opened_exactly "https://pan.baidu.com/s/1AbC-dEf" || return 1
  xdotool mousemove 0 0
  sleep 0.3
  local x y w h
  read -r x y w h < <(outer_geometry "$MAIN")
  import -window root -crop "${w}x${h}+${x}+${y}" +repage "$1"
  stop_app
}
