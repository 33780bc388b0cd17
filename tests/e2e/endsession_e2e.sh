#!/usr/bin/env bash
# The program's session ended by the restart manager (ENDSESSION_CLOSEAPP),
# which leaves the process running: it ends, saves its options and puts the
# captions back. Then the Wine session ended as a log-off ends it (wineboot -e)
# while the program runs: it still saves its options and leaves no process.
#   endsession_e2e.sh BUILD_DIR
set -euo pipefail
. "$(dirname "$0")/lib.sh"
build=$1
begin_e2e --samples program_pid
# A file of an earlier save with one key: a save writes every key.
printf '[Active]\r\nSurface=Texture\r\n' > "$work/LumeLume.ini"
cp "$build/LumeLume.exe" "$build/lumehook.dll" "$work/"
start_program() {
  start_windows "$work/LumeLume.exe"
  program_pid=$!
  wait_until 10 probe tray || fail "the program did not start"
  wait_until 5 painted "Sizable window" || fail "not painted"
}

start_program
probe closeapp || fail "the program did not answer the session's end"
wait_until 10 bash -c "! kill -0 $program_pid 2>/dev/null" || fail "the program outlived its session's end"
program_pid=
wait_until 5 look_is "Sizable window" system || fail "the caption was not put back"
grep -q -x "ShadowShift=2" < <(tr -d '\r' < "$work/LumeLume.ini") || fail "the options were not saved"

printf '[Active]\r\nSurface=Texture\r\n' > "$work/LumeLume.ini"
start_program

wineboot -e >/dev/null 2>&1 || true
wait_until 10 bash -c "! kill -0 $program_pid 2>/dev/null" || fail "the program outlived the session"
program_pid=
ini=$(tr -d '\r' < "$work/LumeLume.ini")
for key in Surface=Texture ShadowShift=2 NoButtons=0 NoCloseButton=0; do
  grep -q -x "$key" <<< "$ini" || fail "the options were not saved at the session's end: no $key in: $ini"
done
echo "session end: the program ended, its options saved"
