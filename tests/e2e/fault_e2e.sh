#!/usr/bin/env bash
# The program among things going wrong: it is killed while five processes are
# hooked; it is sent notifications for windows that are gone or hidden; a
# window hangs while the program sweeps, asks an MDI frame for its active
# child and restores captions at exit.
#   fault_e2e.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
build=$1
work=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; rm -rf "$work"' EXIT
probe() { wine "$build/tests/e2e/probe.exe" "$@" | tr -d '\r'; }
painted() { [ "$(probe look "$1")" = stripes ] || [ "$(probe look "$1")" = gradient ]; }
start_program() {
  start_windows "$work/LumeLume.exe"
  program_pid=$!
  pids+=("$program_pid")
  wait_until 10 probe tray || fail "the program did not start"
}
printf '[Active]\r\nSurface=Texture\r\n' > "$work/LumeLume.ini"
cp "$build/LumeLume.exe" "$build/lumehook.dll" "$work/"

echo "-- killed while five processes are hooked: they take 10,000 more messages"
for n in 1 2 3 4 5; do
  start_windows "$build/tests/samples/sample_windows.exe" --one "Hooked$n" $((n * 150 - 140)) 60 140 120 \
    --ready "$(winpath "$work/hooked$n.ready")"
  pids+=($!)
done
for n in 1 2 3 4 5; do wait_until 20 test -e "$work/hooked$n.ready" || fail "Hooked$n did not start"; done
start_program
wait_until 5 painted Hooked1 || fail "the hooked windows were not painted"
kill -9 "$program_pid"
wait "$program_pid" 2>/dev/null || true
for n in 1 2 3 4 5; do probe flood "Hooked$n" 2000 || fail "Hooked$n stopped answering"; done
for n in 1 2 3 4 5; do probe answers "Hooked$n" || fail "Hooked$n does not answer"; done
for pid in "${pids[@]:0:5}"; do kill -0 "$pid" || fail "a hooked process ended"; done
kill "${pids[@]:0:5}" 2>/dev/null || true

echo "-- 10,000 notifications for windows gone or hidden"
start_windows "$build/tests/samples/sample_windows.exe" --ready "$(winpath "$work/samples.ready")"
pids+=($!)
wait_until 20 test -e "$work/samples.ready" || fail "the sample windows did not start"
start_program
probe notifygone 10000 || fail "the program did not get through the notifications"
kill -0 "$program_pid" || fail "the program ended"
painted "Dialog frame" || fail "the program stopped painting"

echo "-- a hung MDI frame during a sweep, its activity queries and the exit's restore sweep"
probe hang "MDI frame" 6000
xdotool mousemove 1013 757 click 3
wait_until 5 probe visible "#32768" || fail "the tray menu did not open while a window hangs"
mapfile -t items < <(probe menuitems)
read -r top bottom _ <<< "${items[1]}"  # "&Update System-Metrics"
read -r left _ _ _ < <(probe menurect)
xdotool mousemove $((left + 30)) $(( (top + bottom) / 2 )) click 1
xdotool mousemove 1013 757 click 3
wait_until 5 probe visible "#32768" || fail "the program stopped answering during the sweep"
read -r left _ _ bottom < <(probe menurect)
started=$(date +%s%N)
xdotool mousemove $((left + 30)) $((bottom - 10)) click 1
wait_until 3 bash -c "! kill -0 $program_pid 2>/dev/null" || fail "the program did not end with a hung window"
elapsed=$(( ($(date +%s%N) - started) / 1000000 ))
[ "$elapsed" -le 2000 ] || fail "exit took $elapsed ms with a hung window"
echo "exit with a hung MDI frame: $elapsed ms"
echo "fault e2e: ok"
