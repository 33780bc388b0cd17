# Shared by the end-to-end scripts; they run inside `scripts/wine-env session`.

fail() { echo "FAIL: $*" >&2; exit 1; }

# wait_until SECONDS COMMAND...: polls COMMAND until it succeeds or time runs out.
wait_until() {
  local limit=$1; shift
  local end=$(( $(date +%s%N) + limit * 1000000000 ))
  until "$@" >/dev/null 2>&1; do
    [ "$(date +%s%N)" -lt "$end" ] || return 1
    sleep 0.05
  done
}

# A Windows path for a Unix one.
winpath() { printf 'Z:%s' "$1"; }

# Starts a Windows program in the background; its pid is in $! afterwards.
start_windows() { wine "$@" >/dev/null 2>&1 & }

screenshot() { xwd -root -silent -display "$DISPLAY" | /usr/bin/convert xwd:- "$1"; }

# Gives the Wine desktop's X window the keyboard, so that keys reach Windows programs.
focus_desktop() { xdotool windowfocus --sync "$(xdotool search --name 'Wine desktop' | head -1)"; }

# The desktop probe of the build in $build, and what the scripts ask it most.
probe() { wine "$build/tests/e2e/probe.exe" "$@" | tr -d '\r'; }
look_is() { [ "$(probe look "$1")" = "$2" ]; }
painted() { look_is "$1" stripes || look_is "$1" gradient; }

# The tray menu, opened and closed by real clicks; after open_menu, ${items[@]}
# holds its text bands, "top bottom black|grey", one per item.
open_menu() {
  # A click the busy desktop dropped (seen under load) is given once more.
  xdotool mousemove 1013 757 click 3
  wait_until 5 probe visible "#32768" || { xdotool mousemove 1013 757 click 3; wait_until 5 probe visible "#32768"; } ||
    fail "the tray menu did not open"
  # Read once the menu has painted all of its items.
  local tries
  for tries in $(seq 30); do
    mapfile -t items < <(probe menuitems)
    [ "${#items[@]}" = 5 ] && return 0
    sleep 0.1
  done
  fail "the menu shows ${#items[@]} items: ${items[*]}"
}
item_state() { read -r _ _ state <<< "${items[$1]}"; echo "$state"; }
click_item() {  # INDEX: 0 About, 1 Update, 2 Save, 3 Option, 4 Exit
  local top bottom
  read -r top bottom _ <<< "${items[$1]}"
  read -r left _ _ _ < <(probe menurect)
  xdotool mousemove $((left + 30)) $(( (top + bottom) / 2 )) click 1
}
close_menu() {
  xdotool mousemove 700 700 click 1
  wait_until 3 bash -c "! wine '$build/tests/e2e/probe.exe' visible '#32768'" || fail "the menu stayed open"
}

# The sample windows, started and waited for; their pid in $samples_pid.
start_samples() {
  start_windows "$build/tests/samples/sample_windows.exe" --ready "$(winpath "$work/samples.ready")"
  samples_pid=$!
  wait_until 20 test -e "$work/samples.ready" || fail "the sample windows did not start"
}

# begin_e2e [--samples] [--still-running] PID_VARIABLE...: the scratch folder
# $work, and at exit the processes whose pids the named variables then hold
# killed and the folder removed; the variables start empty.
#   --samples        the sample windows of $build started and waited for
#                    (start_samples); samples_pid is killed first at exit
#   --still-running  the listed processes must still run at exit (a script
#                    empties the variable of one it ends): otherwise the kill
#                    fails, and with it the script, and the folder stays
begin_e2e() {
  local samples=false kill_may_fail=' || true' kills= name
  while :; do
    case ${1-} in
      --samples) samples=true; shift ;;
      --still-running) kill_may_fail=; shift ;;
      *) break ;;
    esac
  done
  if $samples; then set -- samples_pid "$@"; fi
  work=$(mktemp -d)
  for name; do
    printf -v "$name" ''
    kills+=" \$$name"
  done
  trap "kill$kills 2>/dev/null$kill_may_fail; rm -rf \"\$work\"" EXIT
  if $samples; then start_samples; fi
}

# start_lumelume EXE: the build's EXE as LumeLume.exe in $work, with the hook
# library and an options file of defaults (no first-run notice), started and
# waited for; its pid in $program_pid.
start_lumelume() {
  printf '[Active]\r\nSurface=Texture\r\n' > "$work/LumeLume.ini"
  # A new file each time, never written over: hooked processes keep the hook
  # library loaded, and Wine reads parts of a loaded image again from its file.
  cp --remove-destination "$build/$1" "$work/LumeLume.exe"
  cp --remove-destination "$build/lumehook.dll" "$work/"
  start_windows "$work/LumeLume.exe"
  program_pid=$!
  wait_until 10 probe tray || fail "the program did not start"
}

# The options dialog, opened from the tray menu.
open_options() {
  open_menu
  click_item 3
  wait_until 5 probe visible TDlgOption || fail "no options dialog"
  sleep 0.3
}
# click_control ROOTCLASS CLASS TEXT|- INDEX: a real click on the middle of that descendant.
click_control() {
  local l t r b
  read -r l t r b < <(probe childrect "$@")
  xdotool mousemove $(( (l + r) / 2 )) $(( (t + b) / 2 )) click 1
}
# show_page N: the dialog's page N (0 "アクティブ", 1 "非アクティブ", ...), by its tabs.
show_page() {
  local tl tt
  read -r tl tt _ _ < <(probe childrect TDlgOption SysTabControl32 - 0)
  xdotool mousemove $((tl + 20)) $((tt + 10)) click 1
  [ "$1" = 0 ] || xdotool key --repeat "$1" Right
  sleep 0.3
}
# close_options BUTTON: the options dialog, opened from the tray menu, closed
# by a real click on BUTTON (OK or CANCEL).
close_options() {
  open_options
  click_control TDlgOption Button "$1" 0
  wait_until 5 bash -c "! wine '$build/tests/e2e/probe.exe' visible TDlgOption" || fail "the dialog stayed after $1"
}
# ini_value FILE SECTION KEY: the key's value in that section of an options file.
ini_value() {
  tr -d '\r' < "$1" | awk -v s="[$2]" -v k="$3=" '/^\[/ { in_s = ($0 == s) } in_s && index($0, k) == 1 { print substr($0, length(k) + 1); exit }'
}
