#!/usr/bin/env bash
# Programs left alone: the sample windows' program excluded in the options
# file is never painted while another program is, nor is a mirrored window
# of that other program (its text would come out mirrored); its dialog page, driven by
# real clicks, removes it (its windows painted at once) and adds it back (its
# windows restored at once); a choice among the running programs is dropped
# by CANCEL.
#   exclude_e2e.sh BUILD_DIR
set -euo pipefail
. "$(dirname "$0")/lib.sh"
build=$1
begin_e2e samples_pid other_pid mirrored_pid program_pid

start_windows "$build/tests/samples/sample_windows.exe" --ready "$(winpath "$work/samples.ready")"
samples_pid=$!
cp "$build/tests/samples/sample_windows.exe" "$work/other_program.exe"
start_windows "$work/other_program.exe" --ready "$(winpath "$work/other.ready")" --one "Other program" 560 600 400 130
other_pid=$!
start_windows "$work/other_program.exe" --ready "$(winpath "$work/mirrored.ready")" --one "Mirrored window" 560 440 \
  400 130 --exstyle 400000
mirrored_pid=$!
wait_until 20 test -e "$work/samples.ready" || fail "the sample windows did not start"
wait_until 20 test -e "$work/other.ready" || fail "the other program did not start"
wait_until 20 test -e "$work/mirrored.ready" || fail "the mirrored window did not start"
samples=("Sizable window" "Dialog frame" "Tool window")

printf '[Active]\r\nSurface=Texture\r\n[Exclude]\r\n1=Sample_Windows.EXE\r\n' > "$work/LumeLume.ini"
cp "$build/LumeLume.exe" "$build/lumehook.dll" "$work/"
start_windows "$work/LumeLume.exe"
program_pid=$!
wait_until 10 probe tray || fail "the program did not start"

echo "-- excluded: never painted, through a focus walk too; the other program painted, but not its mirrored window"
wait_until 5 painted "Other program" || fail "the other program's window was not painted"
for title in "${samples[@]}" "Mirrored window" "Other program" "Sizable window"; do probe activate "$title"; done
sleep 1
for title in "${samples[@]}" "Mirrored window"; do
  look_is "$title" system || fail "$title was painted: $(probe look "$title")"
done
painted "Other program" || fail "the other program lost its caption"

focus_desktop
open_exclude_page() {
  open_options
  show_page 4
}
close_dialog() {  # OK | CANCEL
  click_control TDlgOption Button "$1" 0
  wait_until 5 bash -c "! wine '$build/tests/e2e/probe.exe' visible TDlgOption" || fail "the dialog stayed"
}

echo "-- removed on its page: painted at once"
open_exclude_page
screenshot "$build/e2e_exclude_page.png"
read -r l t _ _ < <(probe childrect TDlgOption ListBox - 0)
xdotool mousemove $((l + 20)) $((t + 8)) click 1   # its only entry
click_control TDlgOption Button "削除" 0
close_dialog OK
for title in "${samples[@]}"; do wait_until 3 painted "$title" || fail "$title not painted once removed"; done

echo "-- the other program chosen among the running ones, then CANCEL: nothing changes"
open_exclude_page
click_control TDlgOption Button "実行中から選択…" 0
wait_until 5 probe visible "#32768" || fail "no list of running programs"
wait_until 5 probe menuitems other_program.exe || fail "other_program.exe is not among the running programs offered"
mapfile -t offered < <(probe menuitems other_program.exe)
[ "${#offered[@]}" = 1 ] || fail "other_program.exe offered ${#offered[@]} times"
read -r top bottom _ <<< "${offered[0]}"
read -r left _ _ _ < <(probe menurect)
xdotool mousemove $((left + 20)) $(( (top + bottom) / 2 )) click 1
close_dialog CANCEL
! wait_until 2 look_is "Other program" system || fail "CANCEL kept a choice: the other program is left alone"
for title in "${samples[@]}"; do painted "$title" || fail "CANCEL kept a choice: $title"; done

echo "-- typed in, with a folder by mistake, and added: restored at once"
open_exclude_page
probe settext TDlgOption Edit - 8 '  C:\Programs\SAMPLE_WINDOWS.exe '
click_control TDlgOption Button "追加" 0
close_dialog OK
for title in "${samples[@]}"; do
  wait_until 3 look_is "$title" system || fail "$title not restored once excluded: $(probe look "$title")"
done
painted "Other program" || fail "the other program lost its caption"

echo "-- saved at exit"
probe closeprogram
wait_until 5 bash -c "! kill -0 $program_pid 2>/dev/null" || fail "the program did not end"
program_pid=
tr -d '\r' < "$work/LumeLume.ini" | grep -a -q -x '1=SAMPLE_WINDOWS.exe' || fail "the list was not saved: $(cat "$work/LumeLume.ini")"
echo "exclusion list: ok"
