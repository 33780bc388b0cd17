#!/usr/bin/env bash
# What a hostile process of the same user can do to the hook library, which
# runs in every process: no sample process faults, no forged pixel lands in a
# client area, and the program's captions hold.
# - "LUMECAPTIONS" taken before the program starts, by a partly committed
#   section whose header is forged to name the program, its offsets pointing
#   into the uncommitted part: the captions are ours and hold.
# - A look of the intruder's making put where the program names its look,
#   its text meant for the client areas: the client pixels stay as they were.
# - A look in a section mostly uncommitted, its header naming those pages:
#   refused, and nothing faults.
# - "&Update System-Metrics" publishes the program's look anew: ours again.
#   hostile_e2e.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
build=$1
work=$(mktemp -d)
samples_pid= program_pid= squatter_pid=
trap 'kill $samples_pid $program_pid $squatter_pid 2>/dev/null || true; rm -rf "$work"' EXIT
intruder() { wine "$build/tests/e2e/intruder.exe" "$@" | tr -d '\r'; }
alive() { kill -0 "$samples_pid" 2>/dev/null && probe answers "Sizable window"; }
captions=("Sizable window" "Tool window")

echo "-- a squatter on LUMECAPTIONS from before the start"
wine "$build/tests/e2e/intruder.exe" squat 60 > "$work/squat" 2>/dev/null &
squatter_pid=$!
wait_until 5 grep -q squatting "$work/squat" || fail "the squatter did not start"
start_samples
start_lumelume LumeLume.exe
for title in "${captions[@]}"; do wait_until 5 painted "$title" || fail "$title not painted"; done
sleep 0.5  # the squatter forges its header now that the program runs
for n in 1 2 3; do
  read -r shown _ < <(probe blink focus "Sizable window" "${captions[@]}")
  [ "$shown" -le 8 ] || fail "after a focus change the system's look showed $shown ms"
  read -r shown _ < <(probe blink focus "Tool window" "${captions[@]}")
  [ "$shown" -le 8 ] || fail "after a focus change the system's look showed $shown ms"
done
read -r shown _ < <(probe blink title "Dialog frame*" "Dialog frame*")
[ "$shown" -le 8 ] || fail "after a title change the system's look showed $shown ms"
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
alive || fail "the sample process did not survive the forged look"

echo "-- a forged look in uncommitted pages"
intruder forge reserve | grep -q forged || fail "the intruder could not forge a look"
probe activate "Tool window"
probe activate "Sizable window"
wait_until 2 look_is "Sizable window" system || fail "the look in uncommitted pages was used: $(probe look "Sizable window")"
alive || fail "the sample process did not survive the look in uncommitted pages"
probe samearea "$l" "$t" "$r" "$b" "$work/client" || fail "the client area changed"

echo "-- the program's look published anew"
open_menu
click_item 1
for title in "${captions[@]}"; do wait_until 5 painted "$title" || fail "$title not ours again: $(probe look "$title")"; done
echo "nothing faulted, no forged pixel in a client area, the look held"
