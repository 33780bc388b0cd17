#!/usr/bin/env bash
# Choices in the options dialog shown before OK, by real clicks: on every
# inactive caption and the dialog's own; a texture that is no bitmap quietly;
# never saved; CANCEL puts every caption back pixel for pixel; OK keeps the
# look and saves it; "Windows デフォルト" on OK gives the system's background.
#   preview_e2e.sh BUILD_DIR
set -euo pipefail
. "$(dirname "$0")/lib.sh"
build=$1
begin_e2e --samples program_pid
# When the dialog closes, Wine gives the MDI frame the focus: the others stay inactive.
others=("Sizable window" "Dialog frame" "Tool window")
inactive=("${others[@]}" "MDI frame")  # while the dialog is in front
everyone=("${inactive[@]}" "MDI frame/Child 1")
# Radio items: "テクスチャ" 2 is the inactive page's (each page also has a group box of that name).
texture='テクスチャ' default='Windows デフォルト'
saved() { [ "$(ini_value "$work/LumeLume.ini" Inactive Surface)" = "$1" ]; }
gone() { ! wine "$build/tests/e2e/probe.exe" visible "$1"; }
save_options() { open_menu; click_item 2; wait_until 3 gone "#32768" && wait_until 3 probe programanswers; }
close_dialog() { click_control TDlgOption Button "$1" 0; wait_until 5 gone TDlgOption || fail "the dialog stayed"; }
shows() { for title in "${@:2}"; do wait_until 3 look_is "$title" "$1" || fail "$title: $(probe look "$title")"; done; }
before() { winpath "$work/before-${1//\//_}"; }
settled() { probe save "$1" "$(before "$1")" && sleep 0.3 && probe same "$1" "$(before "$1")"; }

start_lumelume LumeLume.exe
for title in "${everyone[@]}"; do wait_until 5 painted "$title" || fail "$title not painted at start"; done
focus_desktop
close_options CANCEL  # the focus where a closed dialog leaves it
for title in "${everyone[@]}"; do wait_until 5 settled "$title" || fail "$title keeps changing"; done

echo "-- a choice shows before OK: every inactive caption, and the dialog's own"
open_options
show_page 1
click_control TDlgOption Button "$texture" 2
shows stripes "${inactive[@]}"
probe visible TDlgOption || fail "the dialog closed"
screenshot "$build/e2e_preview.png"
show_page 0
click_control TDlgOption Button "$default" 0
shows system FrmMain

echo "-- a texture that is no bitmap: the substitute picture, no message"
printf 'not a bitmap' > "$work/not_a_bitmap.bmp"
show_page 1
probe settext TDlgOption Edit - 1 "$(winpath "$work/not_a_bitmap.bmp")"   # EdtInactTexture
click_control TDlgOption Edit - 1
click_control TDlgOption Button "$texture" 2   # the box left
sleep 1
gone "#32770" || fail "a message box was shown while previewing"
shows stripes "${inactive[@]}"

echo "-- the options file meanwhile holds the settings, not the preview"
save_options
wait_until 5 saved Gradation || fail "a preview was saved"

echo "-- CANCEL: every caption as before, pixel for pixel"
close_dialog CANCEL
for title in "${everyone[@]}"; do wait_until 5 probe same "$title" "$(before "$title")" || fail "$title changed"; done

echo "-- OK keeps the look shown; Save Current Options writes it"
open_options
show_page 1
click_control TDlgOption Button "$texture" 2
shows stripes "${inactive[@]}"
close_dialog OK
sleep 0.5
shows stripes "${inactive[@]}"
save_options
wait_until 5 saved Texture || fail "not saved"

echo "-- \"Windows デフォルト\" on OK: the system's background; saved at exit"
open_options
show_page 1
click_control TDlgOption Button "$default" 1
close_dialog OK
shows system "${others[@]}"
probe closeprogram
wait_until 5 bash -c "! kill -0 $program_pid 2>/dev/null" || fail "the program did not end"
program_pid=
saved Default || fail "not saved at exit"
echo "preview: ok"
