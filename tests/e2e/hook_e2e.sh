#!/usr/bin/env bash
# The hook across real processes, driven like a person would: a real mouse on
# a sample window's caption and frame, then the receiving program killed
# while hooked, and the sample window still answering.
#   hook_e2e.sh BUILD_DIR
set -euo pipefail
. "$(dirname "$0")/lib.sh"
build=$1
begin_e2e --still-running sample_pid receiver_pid

start_windows "$build/tests/samples/sample_windows.exe" --one E2ETarget 200 150 400 300 --ready "$(winpath "$work/sample.ready")"
sample_pid=$!
wait_until 20 test -e "$work/sample.ready" || fail "sample window did not start"

start_windows "$build/tests/e2e/hook_receiver.exe" receive "$(winpath "$work/notes.log")" "$(winpath "$work/receiver.ready")"
receiver_pid=$!
wait_until 20 test -e "$work/receiver.ready" || fail "receiver did not start"

checker="$build/tests/e2e/hook_receiver.exe"
read -r target left top < <(wine "$checker" check E2ETarget | tr -d '\r') || fail "sample window not found"
[ "$left $top" = "200 150" ] || fail "sample window at $left,$top"
touched="0502 0 $target"
sample_at() { wine "$checker" check E2ETarget | tr -d '\r' | grep -q " $1\$"; }
count() { grep -c -x -F "$1" "$work/notes.log" || true; }
touches_over() { [ "$(count "$touched")" -gt "$1" ]; }

# Pointing at the caption, then at the left sizing border: one touch each.
xdotool mousemove 350 162
wait_until 5 grep -q -x -F "$touched" "$work/notes.log" || fail "no touch notification for the caption"
before=$(count "$touched")
xdotool mousemove 201 300
wait_until 5 touches_over "$before" || fail "no touch notification for the sizing border"

# Dragging the caption moves the window; the moves are notified.
before=$(count "$touched")
xdotool mousemove 350 162 mousedown 1
# A moment between the steps: a busy desktop merges moves that come at once.
for step in $(seq 1 10); do xdotool mousemove $((350 + step * 10)) $((162 + step * 5)); sleep 0.02; done
xdotool mouseup 1
wait_until 5 sample_at "300 200" || fail "drag did not move the window"
touches_over "$((before + 5))" || fail "drag gave only $(( $(count "$touched") - before )) touches"
grep -v -x -E "0502 0 [0-9a-f]+|0501 (c|85|86|116) [0-9a-f]+" "$work/notes.log" && fail "malformed notification"

# The receiver dies while hooked: the record names a window that is gone, the hook stays.
kill -9 "$receiver_pid"; wait "$receiver_pid" 2>/dev/null || true
receiver_pid=
for round in $(seq 1 100); do xdotool mousemove $((250 + round % 50 * 6)) $((152 + round % 3)); done
xdotool mousemove 450 212 mousedown 1
for step in $(seq 1 10); do xdotool mousemove $((450 - step * 10)) $((212 - step * 5)); done
xdotool mouseup 1
wait_until 5 sample_at "200 150" ||
  fail "the hooked window stopped working after the receiver died"
kill -0 "$sample_pid" || fail "the hooked process ended"
echo "hook e2e: ok"
