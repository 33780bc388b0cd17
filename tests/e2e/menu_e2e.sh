#!/usr/bin/env bash
# Every command of the tray menu from real clicks: About, Option (OK and
# Cancel), Save Current Options, Update System-Metrics, Exit.
#   menu_e2e.sh BUILD_DIR
set -euo pipefail
. "$(dirname "$0")/lib.sh"
build=$1
begin_e2e --samples --still-running program_pid
ini_has() { tr -d '\r' < "$work/LumeLume.ini" | grep -a -q -x "$1"; }

printf '[Active]\r\nSurface=Texture\r\n' > "$work/LumeLume.ini"
cp "$build/LumeLume.exe" "$build/lumehook.dll" "$work/"
start_windows "$work/LumeLume.exe"
program_pid=$!
wait_until 10 probe tray || fail "the program did not start"

echo "-- &About...: its box, the item greyed while it is open"
open_menu
[ "$(item_state 0)" = black ] || fail "About is not enabled at first"
click_item 0
wait_until 5 probe visible "#32770" || fail "no About box"
open_menu
[ "$(item_state 0)" = grey ] || fail "About is not greyed while its box is open"
[ "$(item_state 3)" = black ] || fail "Option is greyed"
close_menu
box=$(probe box "LumeLume ver. 1.16" "$(winpath "$work/about.txt")") || fail "no About box to read"
[ "$box" = noicon ] || fail "the About box has an icon"
printf '%s\r\n\r\n' "「LumeLume ver. 1.16」" | iconv -t CP932 > "$work/about-start"
head -c "$(stat -c %s "$work/about-start")" "$work/about.txt" | cmp -s - "$work/about-start" || fail "About text"
open_menu
[ "$(item_state 0)" = black ] || fail "About is not enabled again"
close_menu

echo "-- &Option...: shadow length and no buttons, OK repaints; the item greyed meanwhile"
wait_until 5 painted "Sizable window" || fail "not painted before the dialog"
[ "$(probe buttonlook "Sizable window")" = system ] || fail "the buttons are painted over already"
open_menu
click_item 3
wait_until 5 probe visible TDlgOption || fail "no options dialog"
screenshot "$build/e2e_options_dialog.png"
open_menu
[ "$(item_state 3)" = grey ] || fail "Option is not greyed while the dialog is open"
close_menu
probe settext TDlgOption Edit - 6 5                      # SpinEdtShadow, the seventh edit box
nobuttons='ボタンを描画しない'  # arguments reach Windows programs converted from UTF-8
# Its check box is on the third page: choose the page ("ア・非共通"), then click the box.
read -r tl tt tr tb < <(probe childrect TDlgOption SysTabControl32 - 0)
xdotool mousemove $((tl + 175)) $((tt + 10)) click 1
sleep 0.3
read -r l t r b < <(probe childrect TDlgOption Button "$nobuttons" 0)
xdotool mousemove $((l + 8)) $(( (t + b) / 2 )) click 1
click_control TDlgOption Button OK 0
wait_until 5 bash -c "! wine '$build/tests/e2e/probe.exe' visible TDlgOption" || fail "the dialog stayed"
wait_until 5 bash -c "[ \"\$(wine '$build/tests/e2e/probe.exe' buttonlook 'Sizable window' | tr -d '\r')\" = painted ]" ||
  fail "the buttons were not painted over after OK"
open_menu
[ "$(item_state 3)" = black ] || fail "Option is not enabled again"

echo "-- &Save Current Options writes them"
click_item 2
wait_until 5 ini_has "ShadowShift=5" || fail "the shadow length was not saved"
ini_has "NoButtons=1" || fail "NoButtons was not saved"

echo "-- Cancel writes nothing and leaves every caption as it was"
probe save "Tool window" "$(winpath "$work/tool-before")"
open_menu
click_item 3
wait_until 5 probe visible TDlgOption || fail "no options dialog the second time"
probe settext TDlgOption Edit - 6 9
click_control TDlgOption Button CANCEL 0
wait_until 5 bash -c "! wine '$build/tests/e2e/probe.exe' visible TDlgOption" || fail "the dialog stayed after Cancel"
# The shadow length typed was shown meanwhile: Cancel shows the look from before.
wait_until 5 probe same "Tool window" "$(winpath "$work/tool-before")" || fail "Cancel left a window changed"
cp "$work/LumeLume.ini" "$work/after-cancel.ini"
open_menu
click_item 2
wait_until 5 ini_has "ShadowShift=5" || fail "Cancel changed the shadow length"
cmp -s "$work/LumeLume.ini" "$work/after-cancel.ini" || fail "Cancel changed the options"

echo "-- &Update System-Metrics repaints every window"
open_menu
click_item 1
for title in "Sizable window" "Dialog frame" "Tool window" "MDI frame" "MDI frame/Child 1"; do
  wait_until 5 painted "$title" || fail "$title not painted after Update System-Metrics"
done

echo "-- E&xit"
open_menu
click_item 4
wait_until 5 bash -c "! kill -0 $program_pid 2>/dev/null" || fail "the program did not end"
program_pid=
ini_has "ShadowShift=5" || fail "the exit did not save"
echo "menu e2e: ok"
