#!/usr/bin/env bash
# LumeLume.exe and lumehook.dll copied to a scratch folder and started as a
# user would, among the sample windows; driven with the real mouse and keys.
#   program_e2e.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
build=$1
work=$(mktemp -d)
samples_pid= program_pid=
cleanup() {
  chattr -i "$work/LumeLume.ini" 2>/dev/null || true
  kill $samples_pid $program_pid 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

qualifying=("Sizable window" "Dialog frame" "Tool window" "Ticker*" "MDI frame")
start_program() {
  cp --remove-destination "$build/LumeLume.exe" "$build/lumehook.dll" "$work/"  # never over a loaded library
  start_windows "$work/LumeLume.exe"
  program_pid=$!
}
open_tray_menu() {
  xdotool mousemove 1013 757 click 3
  wait_until 5 probe visible "#32768" || fail "the tray menu did not open"
}
choose_exit() {
  open_tray_menu
  screenshot "$build/e2e_tray_menu.png"
  # "E&xit" is the last item.
  read -r left top right bottom < <(probe menurect)
  xdotool mousemove $((left + 30)) $((bottom - 10)) click 1
}

start_samples
focus_desktop
for title in "Dialog frame" "Tool window" "No system menu"; do
  probe save "$title" "$(winpath "$work/system-$title")"
done

echo "-- first start: the notice, the tray icon, every qualifying caption painted"
start_program
box=$(probe box "LumeLume ver. 1.16" "$(winpath "$work/notice.txt")") || fail "no first-run notice"
[ "$box" = noicon ] || fail "the notice has an icon"
printf '%s' "　ダウンロードしてくださり、ありがとうございます。" | iconv -t CP932 > "$work/line1"
head -c "$(stat -c %s "$work/line1")" "$work/notice.txt" | cmp -s - "$work/line1" || fail "notice text"
wait_until 5 probe tray || fail "no tray icon"
[ "$(probe ownwindows TFrmMain)" = 0 ] || fail "the program shows a window"
for title in "${qualifying[@]}"; do
  wait_until 5 look_is "$title" gradient || look_is "$title" stripes || fail "$title not painted: $(probe look "$title")"
done
probe same "No system menu" "$(winpath "$work/system-No system menu")" || fail "a window without system menu was painted"

echo "-- the shell announces itself while the icon is there: no error, the icon stays"
probe taskbarcreated || fail "the program did not take TaskbarCreated"
! wait_until 1 probe visible "#32770" || fail "an error box after TaskbarCreated"
probe tray || fail "the tray icon went after TaskbarCreated"

echo "-- a title change is repainted"
for round in 1 2 3; do
  wait_until 3 look_is "Ticker*" gradient || look_is "Ticker*" stripes || fail "the ticker's new title was not painted"
  sleep 0.7
done

echo "-- E&xit from the tray menu: options written, icon gone, captions restored"
choose_exit
wait_until 5 bash -c "! kill -0 $program_pid 2>/dev/null" || fail "the program did not end"
program_pid=
tr -d '\r' < "$work/LumeLume.ini" | grep -a -v '^$' > "$work/saved.txt"
face=$(printf 'ＭＳ Ｐ明朝' | iconv -t CP932)
printf '%s\n' "[Active]" "Surface=Texture" "Letter=00FFFFFF" "Shadow=00000000" "Left=00800000" "Right=00000080" \
  "LED=00000080" "Texture=" "[Inactive]" "Surface=Gradation" "Letter=00FFFFFF" "Shadow=00000000" "Left=00505050" \
  "Right=00C0C0C0" "LED=00C0C0C0" "Texture=" "[Common]" "NormalFontName=$face" "NormalFontSize=11" \
  "NormalFontStyle=0" "NormalXShift=3" "NormalYShift=1" "ToolFontName=$face" "ToolFontSize=9" "ToolFontStyle=0" \
  "ToolXShift=2" "ToolYShift=1" "ShadowShift=2" "NoButtons=0" "NoCloseButton=0" "SBNoCust=0" "Composed=Tint" > "$work/defaults.txt"
cmp -s "$work/saved.txt" "$work/defaults.txt" || { diff "$work/saved.txt" "$work/defaults.txt" >&2; fail "options file"; }
wait_until 3 bash -c "! wine '$build/tests/e2e/probe.exe' tray" || fail "the tray icon stayed"
for title in "Dialog frame" "Tool window"; do
  wait_until 3 probe same "$title" "$(winpath "$work/system-$title")" || fail "$title not restored"
done
for title in "${qualifying[@]}"; do
  look_is "$title" system || fail "$title not restored: $(probe look "$title")"
done

echo "-- a hung window does not hold up the exit"
start_program
wait_until 5 probe tray || fail "no tray icon on the second start"
probe hang "Sizable window" 4000
choose_exit
started=$(date +%s%N)
wait_until 3 bash -c "! kill -0 $program_pid 2>/dev/null" || fail "exit took longer than 3 s with a hung window"
elapsed=$(( ($(date +%s%N) - started) / 1000000 ))
[ "$elapsed" -le 2000 ] || fail "exit took $elapsed ms with a hung window"
program_pid=
echo "exit with a hung window: $elapsed ms"
wait_until 10 probe answers "Sizable window" || fail "the sample window stayed hung"

echo "-- a read-only options file at exit: the error, then the captions restored"
[ "$(id -u)" = 0 ] || { echo "SKIPPED: only root can make the file immutable (chattr +i)"; exit 0; }
start_program
wait_until 5 probe tray || fail "no tray icon on the third start"
cp "$work/LumeLume.ini" "$work/before.ini"
chattr +i "$work/LumeLume.ini"
choose_exit
box=$(probe box "Lumelume" "$(winpath "$work/error.txt")") || fail "no error box"
[ "$box" = icon ] || fail "the error box has no error icon"
expected=$(printf 'Z:%s\\LumeLume.ini に書き込めません.' "${work//\//\\}" | iconv -t CP932)
[ "$(cat "$work/error.txt")" = "$expected" ] || fail "error text: $(iconv -f CP932 < "$work/error.txt")"
wait_until 5 bash -c "! kill -0 $program_pid 2>/dev/null" || fail "the program did not end after the error"
program_pid=
chattr -i "$work/LumeLume.ini"
cmp -s "$work/LumeLume.ini" "$work/before.ini" || fail "the read-only file changed"
# The error box's closing may have moved the focus: the system's own look, active or not.
for title in "${qualifying[@]}"; do
  wait_until 3 look_is "$title" system || fail "$title not restored after the error: $(probe look "$title")"
done
echo "program e2e: ok"
