# Hostile clipboards and desktops, each against the real program in the X
# session of scripts/test-x11.sh (sourced after cases.sh, whose places and
# helpers it uses). Whatever lands on the clipboard, the program must not
# crash, hang or lose data, and it hands xdg-open exactly one argument.

# Centres of the controls only these cases press: 按钮_复制2, 按钮_搜一下5,
# 按钮336, 编辑框3, 编辑框6, 选择框8.
readonly AT_REOPEN="400 164"
readonly AT_CLEAR_SHARE="540 164"
readonly AT_CLEAR_URL="544 63"
readonly AT_URL_FIELD="220 96"
readonly AT_CODE_FIELD="572 235"
readonly AT_OPEN_AND_COPY_BOX="212 164"

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

# The program's top-level windows on the screen: those the window manager
# manages (it sets WM_STATE on them), not the native child windows inside
# MainWindow.
shown_windows() {
  local window
  for window in $(xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null); do
    xprop -id "$window" WM_STATE 2>/dev/null | grep -q 'window state' || continue
    printf '[%s] ' "$(xdotool getwindowname "$window")"
  done
}
# Only MainWindow of the program is on the screen: no message box, no error
# window of the toolkit's own.
no_box_shown() { [[ "$(shown_windows)" == "[$(xdotool getwindowname "$MAIN")] " ]]; }

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
  no_box_shown || fail "$what: windows open: $(shown_windows)" || return 1
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
  settle && no_box_shown || fail "windows open: $(shown_windows)"
}

# One row of the link-field table: TEXT (a printf %b string) put into
# 编辑框5 as the user would (HOW: typed, pasted), then 第二次用，打开、复制.
link_field_row() {
  local how=$1 text
  text=$(printf '%b' "$2"; echo .)
  text=${text%.}
  click_at $AT_LINK_FIELD
  xdotool key ctrl+a BackSpace
  case $how in
    typed) xdotool type --delay 2 -- "$text" ;;
    pasted)
      printf '%s' "$text" >"$HOSTILE/paste"
      clipboard_from_file "$HOSTILE/paste" || return 1
      xdotool key ctrl+v
      ;;
  esac
  : >"$OPEN_LOG"
  click_at $AT_REOPEN
  settle || return 1
  opened_bytes_are "$2" || fail "$how '$2': xdg-open got: $(opened_dump)"
}

case_hostile_shell_metacharacters_reach_xdg_open_as_one_argument() {
  local c=$HOSTILE/canary
  mkdir -p "$c"
  start_app || return 1
  local clipboard_rows=(
    # button clipboard  opened  after  box  编辑框6
    plain "http://x.cn/\$(touch $c/c1);\`touch $c/c2\`|&<>'\"\\n--help"
    "http://x.cn/\$(touch $c/c1);\`touch $c/c2\`|&<>'\"\\n--help" = '' -
    plain "--help http://x.cn/;id>$c/c3;" "http://x.cn/;id>$c/c3;" = '' -
    share "链接: https://pan.baidu.com/s/x;id>$c/c4;\`id>$c/c5\`\$(id>$c/c6)|&<'\" 提取码: -n';"
    "https://pan.baidu.com/s/x;id>$c/c4;\`id>$c/c5\`\$(id>$c/c6)|&<'\"" "-n';" '' "-n';"
  )
  each_row 6 clipboard_row "${clipboard_rows[@]}" || return 1
  local link_rows=(
    # how   编辑框5
    typed "--version;id>$c/c7;\`id>$c/c8\`|&<>'\"\$(id>$c/c9)"
    pasted "-n\\nhttps://x.cn/\$(id>$c/c10)\\t;id>$c/c11"
  )
  each_row 2 link_field_row "${link_rows[@]}" || return 1
  [[ -z "$(ls -A "$c")" ]] || fail "a command ran: $(ls -A "$c")"
}

# xdg-open as the desktop may have it: missing from PATH, failing, or
# sleeping long. None of them is reported, the code still reaches the
# clipboard, and the next click is worked at once.
install_xdg_open() {
  local dir=$HOSTILE/xdg-open-$1
  mkdir -p "$dir"
  case $1 in
    missing) ;;
    failing) printf '#!/bin/sh\nprintf "%%s\\0" "$@" >>"$OPEN_LOG"\nexit 1\n' >"$dir/xdg-open" ;;
    sleeping) printf '#!/bin/sh\nprintf "%%s\\0" "$@" >>"$OPEN_LOG"\necho $$ >>"%s"\nexec /bin/sleep 60\n' \
      "$HOSTILE/sleepers" >"$dir/xdg-open" ;;
  esac
  [[ -e "$dir/xdg-open" ]] && chmod +x "$dir/xdg-open"
  echo "$dir"
}

# Starts the program with DIR alone on its PATH.
start_app_with_path() {
  printf '#!/bin/sh\nPATH="%s" exec "%s"\n' "$1" "$PROGRAM" >"$HOSTILE/with-path"
  chmod +x "$HOSTILE/with-path"
  local PROGRAM=$HOSTILE/with-path
  start_app
}

xdg_open_row() {
  local variant=$1 records=$2 dir
  dir=$(install_xdg_open "$variant")
  : >"$HOSTILE/sleepers"
  clipboard_set "$BAIDU_MESSAGE"
  wait_for clipboard_is "$BAIDU_MESSAGE" || return 1
  # The directory alone: /usr/bin may hold a real xdg-open.
  start_app_with_path "$dir" || return 1
  click_at $AT_SHARE
  wait_for clipboard_is "x7Kq" || fail "$variant: the clipboard holds: $(clipboard_dump)" || return 1
  clipboard_set "https://example.com/second"
  wait_for clipboard_is "https://example.com/second" || return 1
  click_at $AT_PLAIN_URL
  field_shows $AT_URL_FIELD "https://example.com/second" || fail "$variant: the second click was not worked" || return 1
  no_box_shown || fail "$variant: windows open: $(shown_windows)" || return 1
  if [[ "$records" == yes ]]; then
    opened_exactly "$BAIDU_LINK" "https://example.com/second" || fail "$variant: xdg-open got: $(opened_dump)" || return 1
  fi
  if [[ "$variant" == sleeping ]]; then
    # Both are still asleep: nothing waited for them.
    [[ $(wc -l <"$HOSTILE/sleepers") == 2 ]] && xargs kill -0 <"$HOSTILE/sleepers" ||
      fail "sleeping: the xdg-open processes did not run side by side" || return 1
  fi
  app_running || fail "$variant: the program ended" || return 1
  stop_app
}

case_hostile_missing_or_failing_xdg_open_is_not_reported() {
  local rows=(
    # variant  xdg-open records its arguments
    missing no
    failing yes
    sleeping yes
  )
  each_row 2 xdg_open_row "${rows[@]}"
  local ok=$?
  [[ -s "$HOSTILE/sleepers" ]] && xargs kill <"$HOSTILE/sleepers" 2>/dev/null
  return "$ok"
}

opened_count() { tr -cd '\0' <"$OPEN_LOG" | wc -c; }
opened_count_is() { [[ $(opened_count) == "$1" ]]; }
resident_kb() { awk '/^VmRSS:/ {print $2}' "/proc/$APP_PID/status"; }

# Sets the clipboard and waits until another client reads it back.
clipboard_set_sync() {
  clipboard_set "$1"
  wait_for clipboard_is "$1"
}

# One round over every button, with a fresh clipboard before each click that
# reads it, and the three message boxes answered with Return. Each step waits
# for its effect, so the next clipboard cannot overtake a click. Adds the
# clicks made to CLICKS and the links opened to OPENED.
click_round() {
  local i=$1 code message url
  code=$(printf 'k%03d' "$i")
  message="链接: https://pan.baidu.com/s/r$i 提取码: $code"$'\r\n'"--来自百度网盘超级会员V3的分享"
  url="https://example.com/round/$i"

  clipboard_set_sync "$message" || return 1
  click_at $AT_SHARE
  wait_for opened_count_is $((OPENED + 1)) && wait_for clipboard_is "$code" || fail "round $i: share" || return 1
  click_at $AT_REOPEN
  wait_for opened_count_is $((OPENED + 2)) || fail "round $i: reopen" || return 1
  click_at $AT_CLEAR_SHARE
  clipboard_set_sync "$url" || return 1
  click_at $AT_PLAIN_URL
  wait_for opened_count_is $((OPENED + 3)) || fail "round $i: plain link" || return 1
  click_at $AT_CLEAR_URL
  # With 打开并复制提取码 unticked the share only fills the fields.
  clipboard_set_sync "$message" || return 1
  click_at $AT_OPEN_AND_COPY_BOX
  click_at $AT_SHARE
  click_at $AT_OPEN_AND_COPY_BOX
  settle || fail "round $i: no answer" || return 1
  OPENED=$((OPENED + 3))
  CLICKS=$((CLICKS + 10))

  local row button clipboard box
  for row in "share||空的哦" "share|hello|提醒" "plain|no link here|提醒："; do
    IFS='|' read -r button clipboard box <<<"$row"
    if [[ -z "$clipboard" ]]; then
      xclip -selection clipboard -i </dev/null
      wait_for clipboard_is "" || return 1
    else
      clipboard_set_sync "$clipboard" || return 1
    fi
    click_at $(button_at "$button")
    answer_box "$box" || fail "round $i: no box '$box'" || return 1
    CLICKS=$((CLICKS + 1))
  done
  local at
  for at in "$AT_SHARE_HELP" "$AT_PLAIN_HELP"; do
    click_at $at
    wait_for window_shown '使用说明' || fail "round $i: no HelpWindow" || return 1
    wait_for has_icon "$(window_named '使用说明')" || fail "round $i: HelpWindow without its icon" || return 1
    xdotool windowactivate --sync "$(window_named '使用说明')" key Escape
    wait_for window_gone '使用说明' || fail "round $i: HelpWindow stays" || return 1
    CLICKS=$((CLICKS + 1))
  done
}

# Resident memory may grow while the first clicks fill the toolkit's caches;
# after that it stays within this many kB.
readonly RESIDENT_GROWTH_LIMIT_KB=2048
# 15 clicks a round.
readonly CLICK_ROUNDS=20

case_hostile_hundreds_of_clicks_keep_memory_flat() {
  start_app || return 1
  local CLICKS=0 OPENED=0 round early= last
  : >"$OPEN_LOG"
  for round in $(seq 1 "$CLICK_ROUNDS"); do
    click_round "$round" || return 1
    ((CLICKS >= 30)) && [[ -z "$early" ]] && early=$(resident_kb)
  done
  last=$(resident_kb)
  echo "    $CLICKS clicks: resident $early kB after 30, $last kB after the last" >&2
  ((last - early <= RESIDENT_GROWTH_LIMIT_KB)) ||
    fail "resident memory grew by $((last - early)) kB between click 30 and click $CLICKS" || return 1
  # Every round opened its three links, the last ones in order.
  opened_count_is "$OPENED" || fail "$(opened_count) links opened, not $OPENED" || return 1
  [[ "$(tr '\0' '\n' <"$OPEN_LOG" | tail -n 3)" == "$(printf '%s\n' "https://pan.baidu.com/s/r$CLICK_ROUNDS" "https://pan.baidu.com/s/r$CLICK_ROUNDS" "https://example.com/round/$CLICK_ROUNDS")" ]] ||
    fail "last links: $(tr '\0' '|' <"$OPEN_LOG" | tail -c 200)" || return 1
  settle && no_box_shown || fail "windows open: $(shown_windows)" || return 1
  field_shows $AT_WHOLE_FIELD "链接: https://pan.baidu.com/s/r$CLICK_ROUNDS 提取码: $(printf 'k%03d' "$CLICK_ROUNDS")--来自百度网盘超级会员V3的分享" ||
    fail "编辑框4 shows: $(clipboard_dump)"
}
