#!/usr/bin/env bash
# Captions laid bare by another window: a pop-up of another program destroyed,
# hidden or moved away, a real drag of one window across another's caption and
# back, the options dialog closed with Cancel, the tray menu closed. Soon after
# each, every pixel of the uncovered captions must be the program's again. Run
# against the test build without the Wine mends, holes must stay: the test
# catches the fault.
#   uncover_e2e.sh BUILD_DIR PROGRAM_EXE painted|lost
set -euo pipefail
. "$(dirname "$0")/lib.sh"
build=$1 program=$2 expect=$3
begin_e2e --samples --still-running program_pid cover_pid
# Captions where the options dialog (centred) and the tray menu will open.
probe move "MDI frame" 232 370
probe move "Dialog frame" 800 655 220 80

start_lumelume "$program"

whole() { [ "$(probe holes "$1")" = 0 ]; }
repainted_whole() { probe flood "$1" 1; sleep 0.2; whole "$1"; }
# before TITLE...: every caption named is whole before the scenario. Without
# the mends, holes of an earlier scenario stay: a title set anew repaints them.
before() {
  local t
  for t in "$@"; do
    wait_until 5 "$([ "$expect" = painted ] && echo whole || echo repainted_whole)" "$t" || { screenshot "$build/e2e_uncover_$expect.png"; fail "$t has holes before: $(probe holes "$t")"; }
  done
}
# after SCENARIO TITLE...: whole again soon (painted), or still holed a while later (lost).
lost_in=()
after() {
  local scenario=$1 t holed=(); shift
  if [ "$expect" = painted ]; then
    for t in "$@"; do wait_until 2 whole "$t" || holed+=("$t: $(probe holes "$t")"); done
    [ "${#holed[@]}" -eq 0 ] || fail "$scenario left holes: ${holed[*]}"
  else
    sleep 1.5
    for t in "$@"; do whole "$t" || holed+=("$t"); done
    [ "${#holed[@]}" -gt 0 ] && lost_in+=("$scenario")
  fi
  echo "$scenario: ${holed[*]:-every caption whole}"
}

for how in destroy hide move; do
  before "Sizable window" "Tool window"
  rm -f "$work/covered"
  probe cover 300 22 800 45 $how "$(winpath "$work/covered")" & cover_pid=$!
  wait_until 10 test -e "$work/covered" || fail "the cover did not go"
  after "pop-up ${how}" "Sizable window" "Tool window"
  wait $cover_pid || true; cover_pid=
done

before "Sizable window"
read -r l t _ _ < <(probe rect "Tool window")
focus_desktop
xdotool mousemove $((l + 60)) $((t + 10)) mousedown 1
for dx in $(seq 10 10 500) $(seq 490 -10 0); do xdotool mousemove $((l + 60 - dx)) $((t + 10)); sleep 0.01; done
xdotool mouseup 1
after "drag" "Sizable window"

before "MDI frame"
close_options CANCEL
after "options dialog Cancel" "MDI frame"

before "Dialog frame"
open_menu
echo "menu at $(probe menurect)"
close_menu
after "tray menu closed" "Dialog frame"

screenshot "$build/e2e_uncover_$expect.png"
if [ "$expect" = lost ]; then
  [ "${#lost_in[@]}" -eq 6 ] || fail "without the mends only these left holes: ${lost_in[*]:-none}"
  echo "uncovered captions without the mends: holes after every scenario"
else
  echo "uncovered captions: every one whole again"
fi
