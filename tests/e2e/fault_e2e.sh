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
start_program() {
  start_windows "$work/LumeLume.exe"
  program_pid=$!
  pids+=("$program_pid")
  # Its main window, not the tray: a killed program's icon may linger there.
  wait_until 10 probe programanswers || fail "the program did not start"
  wait_until 10 probe tray || fail "no tray icon"
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
probe savearea 1006 750 1022 766 "$(winpath "$work/icon")"  # the program's tray icon, the only one
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
started=$(date +%s%N)
probe notifygone 10000 || fail "the program did not get through the notifications (probe exit $?, $(( ($(date +%s%N) - started) / 1000000 )) ms)"
kill -0 "$program_pid" || fail "the program ended"
painted "Dialog frame" || fail "the program stopped painting"

echo "-- a hung MDI frame in front: the start-up sweep asks it for its active child, the exit restores it"
probe closeprogram
wait_until 5 bash -c "! kill -0 $program_pid 2>/dev/null" || fail "the program did not end when closed"
probe activate "MDI frame"
probe hang "MDI frame" 8000
! probe answers "MDI frame" || fail "the MDI frame does not hang"
started=$(date +%s%N)
start_program
elapsed=$(( ($(date +%s%N) - started) / 1000000 ))
echo "start-up with a hung MDI frame in front: $elapsed ms"
[ "$elapsed" -le 3000 ] || fail "start-up took $elapsed ms with a window hung for 8 s in front: it waited for it"
probe programanswers || fail "the program does not answer while a window hangs"
started=$(date +%s%N)
probe closeprogram
wait_until 3 bash -c "! kill -0 $program_pid 2>/dev/null" || fail "the program did not end with a hung window"
elapsed=$(( ($(date +%s%N) - started) / 1000000 ))
[ "$elapsed" -le 2000 ] || fail "exit took $elapsed ms with a hung window"
echo "exit with a hung MDI frame: $elapsed ms"
wait_until 10 probe answers "MDI frame" || fail "the MDI frame stayed hung"

echo "-- a texture that is no bitmap at start-up: the error, then the program runs"
# What it must give: inactive captions of the program's text on the system's background.
probe save "Dialog frame" "$(winpath "$work/restored")"
printf '[Active]\r\nSurface=Texture\r\n[Inactive]\r\nSurface=Default\r\n' > "$work/LumeLume.ini"
start_program
wait_until 5 bash -c "! wine '$build/tests/e2e/probe.exe' same 'Dialog frame' '$(winpath "$work/restored")'" ||
  fail "no text on the inactive caption"
probe save "Dialog frame" "$(winpath "$work/default")"
probe closeprogram
wait_until 5 bash -c "! kill -0 $program_pid 2>/dev/null" || fail "the program did not end when closed"
# "BM", then a 108-byte information header: a bitmap this program does not read.
{ printf 'BM'; head -c 12 /dev/zero; printf '\x6c\x00\x00\x00'; head -c 200 /dev/zero; } > "$work/broken.bmp"
printf '[Active]\r\nSurface=Texture\r\nTexture=Z:%s\r\n' "${work//\//\\}\\broken.bmp" > "$work/LumeLume.ini"
start_windows "$work/LumeLume.exe"
program_pid=$!
pids+=("$program_pid")
box=$(probe box Lumelume "$(winpath "$work/error.txt")") || fail "no error for the broken texture"
[ "$box" = icon ] || fail "the error box has no error icon"
expected=$(printf '%s' 'ﾋﾞｯﾄﾏｯﾌﾟｲﾒｰｼﾞが不正です.' | iconv -t CP932)
[ "$(cat "$work/error.txt")" = "$expected" ] || fail "error text: $(iconv -f CP932 < "$work/error.txt")"
# Its icon in the second place: the first holds that of the program killed above.
wait_until 10 probe samearea 986 750 1002 766 "$(winpath "$work/icon")" || fail "no tray icon after the texture error"
# The build of the surfaces stopped at the active group's texture, so the
# inactive caption keeps the system's background under the program's text.
wait_until 5 probe same "Dialog frame" "$(winpath "$work/default")" ||
  fail "the inactive caption is not the program's text on the system's background"
kill "$program_pid"; wait "$program_pid" 2>/dev/null || true

echo "-- an options file of 50 MB random bytes"
head -c $((50 * 1024 * 1024)) /dev/urandom > "$work/LumeLume.ini"
start_program
wait_until 10 painted "Dialog frame" || fail "no painting with a garbage options file"
kill "$program_pid"; wait "$program_pid" 2>/dev/null || true
echo "fault e2e: ok"
