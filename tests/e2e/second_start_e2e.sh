#!/usr/bin/env bash
# Started while it already runs: the second copy ends at once, silently, and
# the first still hears about windows and paints them. A "LUMEHOOK" mapping
# held by another program: a message and a clean end. A hook left by a killed
# copy holds no mapping: the next start runs.
#   second_start_e2e.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
build=$1
work=$(mktemp -d)
samples_pid= program_pid= second_pid= holder_pid=
trap 'kill $samples_pid $program_pid $second_pid $holder_pid 2>/dev/null || true; rm -rf "$work"' EXIT
gone() { ! kill -0 "$1" 2>/dev/null; }
qualifying=("Sizable window" "Dialog frame" "Tool window" "Ticker*")

start_samples
focus_desktop
start_lumelume LumeLume.exe
for title in "${qualifying[@]}"; do wait_until 5 painted "$title" || fail "$title not painted"; done

echo "-- started again: the second copy ends within 2 s, with no message box"
start_windows "$work/LumeLume.exe"
second_pid=$!
wait_until 2 gone $second_pid || fail "the second copy still runs after 2 s"
! probe visible "#32770" || fail "a message box came up"
gone $program_pid && fail "the first copy ended"
[ "$(pgrep -fxc "$work/LumeLume.exe")" = 1 ] || fail "$(pgrep -fxc "$work/LumeLume.exe") copies run"
probe programanswers || fail "the first copy does not answer"

echo "-- the first copy still paints: the ticker's new titles"
for round in 1 2 3; do
  sleep 0.8
  wait_until 2 painted "Ticker*" || fail "the ticker's new title was not painted: $(probe look "Ticker*")"
done

echo "-- E&xit from the tray menu: every caption restored"
open_menu
click_item 4
wait_until 5 gone $program_pid || fail "the program did not end"
program_pid=
for title in "${qualifying[@]}"; do
  wait_until 3 look_is "$title" system || fail "$title not restored: $(probe look "$title")"
done

echo "-- LUMEHOOK held by another program: the message, then the end"
wine "$build/tests/e2e/probe.exe" holdmapping LUMEHOOK 60 > "$work/held" 2>/dev/null &
holder_pid=$!
wait_until 10 grep -q held "$work/held" || fail "the probe did not make the mapping"
start_windows "$work/LumeLume.exe"
program_pid=$!
probe box Lumelume "$(winpath "$work/error.txt")" > /dev/null || fail "no message box"
expected=$(printf 'LUMEHOOK は別のプログラムが使っています。LumeLume は起動できません.' | iconv -t CP932)
[ "$(cat "$work/error.txt")" = "$expected" ] || fail "message: $(iconv -f CP932 < "$work/error.txt")"
wait_until 3 gone $program_pid || fail "the program did not end after the message"
program_pid=
! probe tray || fail "a tray icon was left"
sleep 1.5  # two new titles, with no hook to tell anyone
look_is "Ticker*" system || fail "the ticker was painted: $(probe look "Ticker*")"
kill $holder_pid

echo "-- a killed copy leaves its hook but no mapping: the next start runs"
start_windows "$work/LumeLume.exe"
program_pid=$!
wait_until 10 probe programanswers || fail "the program did not start"
{ kill -9 $program_pid; wait $program_pid; } 2>/dev/null || true
start_windows "$work/LumeLume.exe"
program_pid=$!
wait_until 10 probe programanswers || fail "the start after a killed copy did not run"
! probe visible "#32770" || fail "a message box after a killed copy"
probe closeprogram
wait_until 5 gone $program_pid || fail "the program did not end"
program_pid=
echo "second start: ok"
