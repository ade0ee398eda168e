# Hostile clipboards and desktops, each against the real program in the X
# session of scripts/test-x11.sh (sourced after cases.sh, whose places and
# helpers it uses). Whatever lands on the clipboard, the program must not
# crash, hang or lose data, and it hands xdg-open exactly one argument.

# Centres of the controls only these cases press: 按钮_复制2, 按钮_搜一下5,
# 按钮336, 编辑框3, 编辑框6.
readonly AT_REOPEN="400 164"
readonly AT_CLEAR_SHARE="540 164"
readonly AT_CLEAR_URL="544 63"
readonly AT_URL_FIELD="220 96"
readonly AT_CODE_FIELD="572 235"

readonly BAIDU_LINK="https://pan.baidu.com/s/1AbC-dEf"
SILENT_OWNER=$ROOT/$BUILD/tests/x11/silent_owner
HOSTILE=$WORK/hostile
mkdir -p "$HOSTILE"

button_at() {
  case $1 in
    share) echo "$AT_SHARE" ;;
    plain) echo "$AT_PLAIN_URL" ;;
    reopen) echo "$AT_REOPEN" ;;
    *) return 1 ;;
  esac
}

# The clipboard from a file, offered as TARGET (xclip's text targets unless
# given). Returns once another client reads back the same bytes: xclip takes
# the selection only after it has gone to the background.
clipboard_from_file() {
  xclip -selection clipboard -i ${2:+-t "$2"} <"$1" || return 1
  wait_for cmp -s "$1" <(timeout 5 xclip -selection clipboard -o ${2:+-t "$2"})
}
clipboard_bytes_are() { cmp -s <(printf '%b' "$1") <(timeout 5 xclip -selection clipboard -o); }
clipboard_matches_file() { cmp -s "$1" <(timeout 5 xclip -selection clipboard -o); }
clipboard_dump() { timeout 5 xclip -selection clipboard -o | od -An -c | head -c 400; }
opened_dump() { od -An -c "$OPEN_LOG" | head -c 600; }
opened_bytes_are() { cmp -s "$OPEN_LOG" <(printf '%b\0' "$@"); }

# Only MainWindow of the program is on the screen: no message box, no error
# window of the toolkit's own.
no_box_shown() { [[ "$(xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null | wc -l)" == 1 ]]; }

# Closes the message box titled exactly $1 with Return.
answer_box() {
  wait_for window_shown "^$1\$" || return 1
  xdotool windowactivate --sync "$(window_named "^$1\$")" key Return
  wait_for window_gone "^$1\$"
}

# Returns once every click before it has been worked: a click on 窗口置顶 is
# taken only after them, and its effect on the window's layer shows. Two
# clicks leave the box ticked as it was. Touches neither the clipboard nor
# any field.
settle() {
  click_at $AT_TOP_BOX
  wait_for is_not_above "$MAIN" || fail "the program takes no clicks" || return 1
  click_at $AT_TOP_BOX
  wait_for is_above "$MAIN" || fail "the program takes no clicks" || return 1
}

# Whether an edit box shows exactly $3, as the user would copy it out; the
# clipboard is left holding it. An empty box copies nothing, so the clipboard
# then keeps a text that no box here shows.
readonly NOTHING_COPIED="(nothing was copied)"
field_shows() {
  clipboard_set "$NOTHING_COPIED"
  wait_for clipboard_is "$NOTHING_COPIED" || return 1
  click_at $1 $2
  xdotool key ctrl+a ctrl+c
  settle || return 1
  clipboard_is "${3:-$NOTHING_COPIED}"
}

# Runs FUNCTION on each row of N arguments.
each_row() {
  local n=$1 function=$2
  shift 2
  while (($#)); do
    "$function" "${@:1:n}" || return 1
    shift "$n"
  done
}

# One row of a clipboard table: BUTTON (share, plain) pressed with the
# clipboard holding CLIPBOARD; OPENED what xdg-open got ("" for nothing);
# AFTER the clipboard afterwards ("=" for unchanged); BOX the title of the
# message box that must appear ("" for none); CODE what 编辑框6 shows
# afterwards ("-" not looked at). Texts are printf %b strings, so that NUL
# and stray bytes can stand in them.
clipboard_row() {
  local button=$1 clipboard=$2 opened=$3 after=$4 box=$5 code=$6
  local what="$button on '$clipboard'"
  printf '%b' "$clipboard" >"$HOSTILE/clipboard"
  clipboard_from_file "$HOSTILE/clipboard" || fail "$what: xclip did not take the clipboard" || return 1
  : >"$OPEN_LOG"
  click_at $(button_at "$button")
  if [[ -n "$box" ]]; then
    answer_box "$box" || fail "$what: no box '$box'" || return 1
  fi
  settle || fail "$what: no answer after the click" || return 1
  no_box_shown || fail "$what: a window other than MainWindow is open" || return 1
  app_running || fail "$what: the program ended" || return 1
  if [[ -z "$opened" ]]; then
    nothing_opened || fail "$what: xdg-open got: $(opened_dump)" || return 1
  else
    opened_bytes_are "$opened" || fail "$what: xdg-open got: $(opened_dump)" || return 1
  fi
  if [[ "$after" == "=" ]]; then
    clipboard_matches_file "$HOSTILE/clipboard" || fail "$what: the clipboard changed to: $(clipboard_dump)" || return 1
  else
    clipboard_bytes_are "$after" || fail "$what: the clipboard holds: $(clipboard_dump)" || return 1
  fi
  if [[ "$code" != "-" ]]; then
    field_shows $AT_CODE_FIELD "$(printf '%b' "$code")" || fail "$what: 编辑框6 shows: $(clipboard_dump)" || return 1
  fi
}

case_hostile_text_ends_at_its_first_nul() {
  start_app || return 1
  local rows=(
    # button clipboard                                          opened      after  box       编辑框6
    share '链接: https://pan.baidu.com/s/1AbC-dEf\0 提取码: x7Kq' '' = '' ''
    share '链接: https://pan.baidu.com/s/1AbC-dEf 提取码: x7\0Kq' "$BAIDU_LINK" 'x7' '' 'x7'
    share '\0链接: https://pan.baidu.com/s/1AbC-dEf 提取码: x7Kq' '' = 空的哦 -
    plain 'see https://x.cn/a\0b https://x.cn/c' 'https://x.cn/a' = '' -
    plain '\0https://x.cn/a' '' = 提醒： -
  )
  each_row 6 clipboard_row "${rows[@]}"
}

case_hostile_invalid_utf8_leaves_the_valid_part_working() {
  start_app || return 1
  local rows=(
    # button clipboard                                                           opened       after   box   编辑框6
    share '链接: https://pan.baidu.com/s/1AbC-dEf 提取码: x7Kq\xff\xfe 来自\xc0\xaf' "$BAIDU_LINK" 'x7Kq' '' 'x7Kq'
    share '链接: https://pan.baidu.com/s/1AbC-dEf 提取码: x\xffKq' "$BAIDU_LINK" 'x?Kq' '' 'x?Kq'
    share '\xff\xfe\xfd' '' = 提醒 -
    plain 'http://a.cn/x\xffy' 'http://a.cn/x?y' = '' -
  )
  each_row 6 clipboard_row "${rows[@]}"
}

case_hostile_characters_outside_gbk_arrive_as_question_marks() {
  start_app || return 1
  local rows=(
    # button clipboard                                           opened          after   box  编辑框6
    share '链接: https://pan.baidu.com/s/1AbC-dEf 提取码: x😀Kq' "$BAIDU_LINK" 'x?Kq' '' 'x?Kq'
    share '链接: https://pan.baidu.com/s/1AbC-dEf 提取码: ☃♥kq' "$BAIDU_LINK" '??kq' '' '??kq'
    plain 'http://a.cn/😀/☃/中é' 'http://a.cn/?/?/中é' = '' -
  )
  each_row 6 clipboard_row "${rows[@]}"
  # The whole message shows the substitute in place, the rest unchanged.
  field_shows $AT_WHOLE_FIELD "链接: https://pan.baidu.com/s/1AbC-dEf 提取码: ??kq" ||
    fail "编辑框4 shows: $(clipboard_dump)"
}

case_hostile_clipboard_holding_only_an_image_reads_as_empty() {
  start_app || return 1
  # The PNG signature and an empty IHDR chunk: what matters is the target.
  printf '\x89PNG\r\n\x1a\n\0\0\0\rIHDR' >"$HOSTILE/picture.png"
  local button box
  for row in "share 空的哦" "plain 提醒："; do
    read -r button box <<<"$row"
    clipboard_from_file "$HOSTILE/picture.png" image/png || fail "xclip did not take the clipboard" || return 1
    : >"$OPEN_LOG"
    click_at $(button_at "$button")
    answer_box "$box" || fail "$button: no box '$box'" || return 1
    settle || return 1
    nothing_opened || fail "$button: xdg-open got: $(opened_dump)" || return 1
    # The picture is still there for the program that offered it.
    cmp -s "$HOSTILE/picture.png" <(timeout 5 xclip -selection clipboard -o -t image/png) ||
      fail "$button: the picture is gone from the clipboard" || return 1
  done
}

# Qt's xcb plugin waits 5 s for a selection owner's answer; a click may wait
# that long once, not once for every question it asks the owner.
readonly TOOLKIT_CLIPBOARD_TIMEOUT=5

case_hostile_clipboard_owner_that_never_answers_reads_as_empty() {
  start_app || return 1
  "$SILENT_OWNER" >"$HOSTILE/silent.out" 2>&1 &
  local owner=$! button box started waited
  wait_for grep -q '^owner$' "$HOSTILE/silent.out" || fail "silent_owner: $(cat "$HOSTILE/silent.out")" || return 1
  for row in "share 空的哦" "plain 提醒："; do
    read -r button box <<<"$row"
    : >"$OPEN_LOG"
    started=$(date +%s%N)
    click_at $(button_at "$button")
    WAIT_LIMIT=$((TOOLKIT_CLIPBOARD_TIMEOUT + 10)) wait_for window_shown "^$box\$" ||
      fail "$button: no box '$box'" || { kill "$owner"; return 1; }
    waited=$((($(date +%s%N) - started) / 1000000))
    ((waited < (TOOLKIT_CLIPBOARD_TIMEOUT + 2) * 1000)) ||
      fail "$button: the box came after $waited ms" || { kill "$owner"; return 1; }
    answer_box "$box" || { kill "$owner"; return 1; }
    nothing_opened || fail "$button: xdg-open got: $(opened_dump)" || { kill "$owner"; return 1; }
  done
  # Another program takes the clipboard over; the next click works with it.
  clipboard_set "https://example.com/after"
  wait_for app_ended_pid "$owner" || fail "silent_owner kept the clipboard" || { kill "$owner"; return 1; }
  wait "$owner" 2>/dev/null
  click_at $AT_PLAIN_URL
  wait_for opened_exactly "https://example.com/after" || fail "xdg-open got: $(opened_dump)"
}
app_ended_pid() { ! kill -0 "$1" 2>/dev/null; }

case_hostile_16_mb_share_message_is_worked() {
  start_app || return 1
  # The code marker near the start, then 16 MB of the provider's trailer.
  { printf '链接: %s 提取码: x7Kq\r\n' "$BAIDU_LINK"; yes -- '--来自百度网盘超级会员V3的分享 ' | head -c 16777216; } \
    >"$HOSTILE/large"
  WAIT_LIMIT=30 clipboard_from_file "$HOSTILE/large" || fail "xclip did not take the clipboard" || return 1
  local started=$SECONDS
  click_at $AT_SHARE
  WAIT_LIMIT=90 wait_for opened_exactly "$BAIDU_LINK" || fail "xdg-open got: $(opened_dump)" || return 1
  WAIT_LIMIT=90 wait_for clipboard_is "x7Kq" || fail "the clipboard holds: $(clipboard_dump)" || return 1
  echo "    16 MB message: link opened and code copied after $((SECONDS - started)) s" >&2
  # Still answering: the second button opens the same link again at once.
  click_at $AT_REOPEN
  wait_for opened_exactly "$BAIDU_LINK" "$BAIDU_LINK" || fail "no second opening: $(opened_dump)" || return 1
  settle && no_box_shown || fail "a window other than MainWindow is open"
}
