#!/usr/bin/env bash
# The options dialog's choices shown before OK: the inactive look's surface
# chosen by real clicks shows on every inactive caption while the dialog is
# open, the active one on the dialog's own caption; a texture that is no
# bitmap shows the substitute picture without a message; CANCEL puts every
# caption back pixel for pixel, and the options file never holds a preview;
# OK keeps the look, saved by "Save Current Options" and at exit; "Windows
# デフォルト" on OK gives the system's background.
#   preview_e2e.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
build=$1
work=$(mktemp -d)
samples_pid= program_pid=
trap 'kill $samples_pid $program_pid 2>/dev/null || true; rm -rf "$work"' EXIT
# When the dialog closes, Wine gives the MDI frame the focus: the others stay inactive.
others=("Sizable window" "Dialog frame" "Tool window")
inactive=("${others[@]}" "MDI frame")  # while the dialog is in front
everyone=("${inactive[@]}" "MDI frame/Child 1")
texture='テクスチャ' default='Windows デフォルト'  # radio items: [0] active page, [1] inactive
texture_radio() { [ "$1" = 0 ] && echo 0 || echo 2; }  # "テクスチャ" is also each page's group box
inactive_surface() { ini_value "$work/LumeLume.ini" Inactive Surface; }
inactive_saved() { [ "$(inactive_surface)" = "$1" ]; }
# "Save Current Options", and its menu loop over before the next click on the tray.
save_options() {
  open_menu
  click_item 2
  wait_until 3 bash -c "! wine '$build/tests/e2e/probe.exe' visible '#32768'" && wait_until 3 probe programanswers
}
dialog_gone() { wait_until 5 bash -c "! wine '$build/tests/e2e/probe.exe' visible TDlgOption" || fail "the dialog stayed"; }

start_samples
start_lumelume LumeLume.exe
for title in "${everyone[@]}"; do wait_until 5 painted "$title" || fail "$title not painted at start"; done
focus_desktop
close_options CANCEL  # the focus where a closed dialog leaves it
# Each window's pixels once the repaints of what the dialog uncovered are over.
before() { winpath "$work/before-${1//\//_}"; }
settled() { probe save "$1" "$(before "$1")" && sleep 0.3 && probe same "$1" "$(before "$1")"; }
for title in "${everyone[@]}"; do wait_until 5 settled "$title" || fail "$title keeps changing"; done

echo "-- a choice shows before OK: every inactive caption, and the dialog's own"
open_options
show_page 1
click_control TDlgOption Button "$texture" "$(texture_radio 1)"
for title in "${inactive[@]}"; do
  wait_until 3 look_is "$title" stripes || fail "$title does not show the choice: $(probe look "$title")"
done
probe visible TDlgOption || fail "the dialog closed"
screenshot "$build/e2e_preview.png"
show_page 0
click_control TDlgOption Button "$default" 0
wait_until 3 look_is FrmMain system || fail "the dialog's caption does not show the choice: $(probe look FrmMain)"

echo "-- a texture that is no bitmap: the substitute picture, no message"
printf 'not a bitmap' > "$work/not_a_bitmap.bmp"
show_page 1
probe settext TDlgOption Edit - 1 "$(winpath "$work/not_a_bitmap.bmp")"   # EdtInactTexture
click_control TDlgOption Edit - 1
click_control TDlgOption Button "$texture" "$(texture_radio 1)"      # the box left
sleep 1
! probe visible "#32770" || fail "a message box was shown while previewing"
for title in "${inactive[@]}"; do look_is "$title" stripes || fail "$title: $(probe look "$title")"; done

echo "-- the options file meanwhile holds the settings, not the preview"
save_options
wait_until 5 inactive_saved Gradation || fail "a preview was saved: $(inactive_surface)"

echo "-- CANCEL: every caption as before, pixel for pixel"
click_control TDlgOption Button CANCEL 0
dialog_gone
for title in "${everyone[@]}"; do
  wait_until 5 probe same "$title" "$(before "$title")" || fail "$title not as before CANCEL"
done

echo "-- OK keeps the look shown; Save Current Options writes it"
open_options
show_page 1
click_control TDlgOption Button "$texture" "$(texture_radio 1)"
for title in "${inactive[@]}"; do wait_until 3 look_is "$title" stripes || fail "$title: no preview"; done
click_control TDlgOption Button OK 0
dialog_gone
sleep 0.5
for title in "${inactive[@]}"; do look_is "$title" stripes || fail "$title lost the look after OK"; done
save_options
wait_until 5 inactive_saved Texture || fail "not saved: $(inactive_surface)"

echo "-- \"Windows デフォルト\" on OK: the system's background; saved at exit"
open_options
show_page 1
click_control TDlgOption Button "$default" 1
click_control TDlgOption Button OK 0
dialog_gone
for title in "${others[@]}"; do
  wait_until 3 look_is "$title" system || fail "$title: $(probe look "$title") after OK"
done
probe closeprogram
wait_until 5 bash -c "! kill -0 $program_pid 2>/dev/null" || fail "the program did not end"
program_pid=
[ "$(inactive_surface)" = Default ] || fail "not saved at exit: $(inactive_surface)"
echo "preview: ok"
