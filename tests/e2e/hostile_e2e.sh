#!/usr/bin/env bash
# What a hostile process of the same user, or a user starting the program
# twice, can do to what LumeLume puts in every process: nothing faults, no
# forged pixel lands in a client area, one copy runs and its captions hold.
# - The program's record written by another process to name every window,
#   the intruder's own, and none: no notification reaches any of them, and
#   once it names the program again the captions are ours and hold.
# - A look of the intruder's making put where the program names its look,
#   its text meant for the client areas: taken, and the client pixels stay.
# - A look in a section mostly uncommitted, and one in a file of a long
#   path: refused, and nothing faults.
# - "&Update System-Metrics" publishes the program's look anew: ours again.
# - Started again: the second copy ends at once, silently; the first still
#   paints, and its Exit restores every caption.
# - "LUMEHOOK" held by another program before any copy of ours ran: a
#   message and a clean end. (Once one has run, the hooked processes keep
#   its record mapped, and the name is never free again.) A record
#   left by a killed copy, still mapped by the hooked processes: the next
#   start takes it over and paints.
#   hostile_e2e.sh BUILD_DIR
set -euo pipefail
. "$(dirname "$0")/lib.sh"
build=$1
begin_e2e samples_pid program_pid second_pid holder_pid
intruder() { wine "$build/tests/e2e/intruder.exe" "$@" | tr -d '\r'; }
alive() { kill -0 "$samples_pid" 2>/dev/null && probe answers "Sizable window"; }
gone() { ! kill -0 "$1" 2>/dev/null; }
captions=("Sizable window" "Tool window")

echo "-- LUMEHOOK held by another program from before any copy of ours: the message, then the end"
wine "$build/tests/e2e/probe.exe" holdmapping LUMEHOOK 60 > "$work/held" 2>/dev/null &
holder_pid=$!
wait_until 10 grep -q held "$work/held" || fail "the probe did not make the mapping"
cp "$build/LumeLume.exe" "$build/lumehook.dll" "$work/"
start_windows "$work/LumeLume.exe"
program_pid=$!
probe box Lumelume "$(winpath "$work/error.txt")" > /dev/null || fail "no message box"
expected=$(printf 'LUMEHOOK は別のプログラムが使っています。LumeLume は起動できません.' | iconv -t CP932)
[ "$(cat "$work/error.txt")" = "$expected" ] || fail "message: $(iconv -f CP932 < "$work/error.txt")"
wait_until 3 gone $program_pid || fail "the program did not end after the message"
! probe tray || fail "a tray icon was left"
kill $holder_pid
program_pid= holder_pid=

echo "-- the record misdirected by another process"
start_samples
start_lumelume LumeLume.exe
for title in "${captions[@]}"; do wait_until 5 painted "$title" || fail "$title not painted"; done
misdirected=$(intruder record)
[ "$misdirected" = "misdirected 0" ] || fail "notifications went astray: $misdirected"
for change in "focus Sizable window" "focus Tool window" "title Dialog frame*"; do
  read -r shown _ < <(probe blink ${change%% *} "${change#* }" "${captions[@]}" "Dialog frame*")
  [ "$shown" -le 8 ] || fail "after a $change the system's look showed $shown ms"
done
alive || fail "the sample process did not survive"

echo "-- a forged look meant for the client areas"
read -r l t r b < <(probe clientrect "Sizable window")
probe savearea "$l" "$t" "$r" "$b" "$work/client"
intruder forge client | grep -q forged || fail "the intruder could not forge a look"
probe activate "Tool window"
probe activate "Sizable window"
wait_until 2 look_is "Sizable window" stripes || fail "the caption is not ours: $(probe look "Sizable window")"
# Its buttons painted over, as the forged look asks: the hook took it.
buttons_painted() { [ "$(probe buttonlook "Sizable window")" = painted ]; }
wait_until 2 buttons_painted || fail "the forged look was not taken"
probe samearea "$l" "$t" "$r" "$b" "$work/client" || fail "forged pixels reached the client area"

for place in "a file" "uncommitted pages"; do
  echo "-- a forged look in $place"
  intruder forge "$([ "$place" = "a file" ] && echo file || echo reserve)" | grep -q forged ||
    fail "the intruder could not forge a look"
  probe activate "Tool window"
  probe activate "Sizable window"
  wait_until 2 look_is "Sizable window" system || fail "the look in $place was used: $(probe look "Sizable window")"
  alive || fail "the sample process did not survive the look in $place"
done
probe samearea "$l" "$t" "$r" "$b" "$work/client" || fail "the client area changed"

echo "-- the program's look published anew"
open_menu
click_item 1
for title in "${captions[@]}"; do wait_until 5 painted "$title" || fail "$title not ours again: $(probe look "$title")"; done

echo "-- started again: the second copy ends within 2 s, with no message box; the first still paints"
start_windows "$work/LumeLume.exe"
second_pid=$!
wait_until 2 gone $second_pid || fail "the second copy still runs after 2 s"
! probe visible "#32770" || fail "a message box came up"
[ "$(pgrep -fxc "$work/LumeLume.exe")" = 1 ] || fail "$(pgrep -fxc "$work/LumeLume.exe") copies run"
for round in 1 2 3; do
  sleep 0.8
  wait_until 2 painted "Ticker*" || fail "the ticker's new title was not painted: $(probe look "Ticker*")"
done
open_menu
click_item 4
wait_until 5 gone $program_pid || fail "the program did not end"
program_pid=
for title in "${captions[@]}" "Ticker*"; do
  wait_until 3 look_is "$title" system || fail "$title not restored: $(probe look "$title")"
done

echo "-- a killed copy leaves its record mapped in the hooked processes: the next start takes it over"
start_windows "$work/LumeLume.exe"
program_pid=$!
wait_until 10 probe programanswers || fail "the program did not start"
{ kill -9 $program_pid; wait $program_pid; } 2>/dev/null || true
start_windows "$work/LumeLume.exe"
program_pid=$!
wait_until 10 probe programanswers || fail "the start after a killed copy did not run"
! probe visible "#32770" || fail "a message box after a killed copy"
probe activate "Tool window"
probe activate "Sizable window"
for title in "${captions[@]}"; do wait_until 5 painted "$title" || fail "$title not painted after the takeover"; done
probe closeprogram
wait_until 5 gone $program_pid || fail "the program did not end"
program_pid=
echo "nothing faulted, no forged pixel in a client area, one copy ran, the look held"
