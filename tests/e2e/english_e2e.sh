#!/usr/bin/env bash
# On a Western system (code page 1252, English user interface): the notice,
# every page of the options dialog and the About box in English; an options
# file written on a Japanese system
# loaded and saved with nothing lost, its caption font resolved to the face
# it names; a program in a folder named "café" excluded by its file name.
# Run with LUME_LOCALE=en_US.UTF-8.
#   english_e2e.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
build=$1
work=$(mktemp -d)
pids=() program_pid=
trap 'kill ${pids[*]} $program_pid 2>/dev/null || true; rm -rf "$work"' EXIT
ini=$work/LumeLume.ini

[ "$(probe codepage)" = 1252 ] || fail "code page $(probe codepage), not 1252"

start_program() {
  cp --remove-destination "$build/LumeLume.exe" "$build/lumehook.dll" "$work/"  # never over a loaded library
  start_windows "$work/LumeLume.exe"
  program_pid=$!
}
end_program() {
  probe closeprogram
  wait_until 10 bash -c "! kill -0 $program_pid 2>/dev/null" || fail "the program did not end"
  program_pid=
}
starts_with() { [ "$(head -c "${#2}" "$1")" = "$2" ]; }

echo "-- the notice, About and every page of the dialog in English"
start_program
probe box "LumeLume ver. 1.16" "$(winpath "$work/notice.txt")" >/dev/null || fail "no first-run notice"
starts_with "$work/notice.txt" "Thank you for downloading LumeLume." || fail "notice: $(cat "$work/notice.txt")"
wait_until 10 probe tray || fail "no tray icon"
focus_desktop
open_menu
click_item 0
probe box "LumeLume ver. 1.16" "$(winpath "$work/about.txt")" >/dev/null || fail "no About box"
starts_with "$work/about.txt" '"LumeLume ver. 1.16"' || fail "About: $(cat "$work/about.txt")"

open_menu
click_item 3
wait_until 5 probe visible TDlgOption || fail "no options dialog"
probe texts TDlgOption | tr -d '\r' > "$work/texts.txt"
for text in Active Inactive Common Other Exclude "Text color" Gradient Texture "File name:" "Choose..." \
            "Normal windows" "Tool windows" "X offset:" "Hide the caption buttons" "Hide even the Close button" \
            "Programs whose title bars are left alone:" Add Remove "Running programs..." OK Cancel "Style: None" \
            Composition "Tint (default)" Classic Leave "Start with Windows"; do
  grep -qxF "$text" "$work/texts.txt" || fail "no \"$text\" in the dialog: $(cat "$work/texts.txt")"
done
# Only the font's own name is not English.
! grep -v '^Font: ' "$work/texts.txt" | LC_ALL=C grep -q '[^ -~]' || fail "not English: $(cat "$work/texts.txt")"
read -r tl tt _ _ < <(probe childrect TDlgOption SysTabControl32 - 0)
read -r l t r b < <(probe rect FrmMain)
xdotool mousemove $((tl + 15)) $((tt + 10)) click 1
for page in 1 2 3 4 5 6; do
  sleep 0.4
  xwd -root -silent -display "$DISPLAY" | convert xwd:- -crop "$((r - l))x$((b - t))+$l+$t" +repage \
    "$build/e2e_english_page$page.png"
  xdotool key Right
done
read -r l t r b < <(probe childrect TDlgOption Button Cancel 0)
xdotool mousemove $(( (l + r) / 2 )) $(( (t + b) / 2 )) click 1
wait_until 5 bash -c "! wine '$build/tests/e2e/probe.exe' visible TDlgOption" || fail "the dialog stayed"
end_program
face=$(printf 'ＭＳ Ｐ明朝' | iconv -t CP932)
grep -aqx "NormalFontName=$face"$'\r' "$ini" || fail "the face was not saved as cp932 text"

echo "-- a file of a Japanese system loaded, a program in \"café\" excluded"
texture=$(printf '%s' 'C:\テクスチャ\なし.bmp' | iconv -t CP932)
T=$texture awk '!done && /^Texture=/ { print "Texture=" ENVIRON["T"] "\r"; done = 1; next } { print }' "$ini" \
  > "$work/japanese.ini"
printf '[Exclude]\r\n1=game.exe\r\n2=%s\r\n' "$(printf 'ゲーム.exe' | iconv -t CP932)" >> "$work/japanese.ini"
cp "$work/japanese.ini" "$ini"
mkdir "$work/café"
cp "$build/tests/samples/sample_windows.exe" "$work/café/game.exe"
start() {  # PROGRAM NAME TITLE X Y
  start_windows "$1" --ready "$(winpath "$work/$2.ready")" --one "$3" "$4" "$5" 440 110
  pids+=($!)
  wait_until 20 test -e "$work/$2.ready" || fail "the window \"$3\" did not start"
}
samples=$build/tests/samples/sample_windows.exe
start "$work/café/game.exe" game "Game window" 20 20
start "$samples" other "Other window" 20 160
start "$samples" font "Font sample" 500 160
start "$samples" anchor "Anchor" 560 600
start_program
wait_until 10 probe tray || fail "the program did not start"
probe activate "Anchor"
for title in "Other window" "Font sample"; do
  wait_until 5 painted "$title" || fail "\"$title\" not painted: $(probe look "$title")"
done
look_is "Game window" system || fail "the program in café was painted: $(probe look "Game window")"
probe save "Font sample" "$(winpath "$work/font")"
end_program
lines() { tr -d '\r' < "$1" | grep -av '^$'; }
[ "$(lines "$ini")" = "$(lines "$work/japanese.ini")" ] || fail "saved otherwise: $(diff <(lines "$work/japanese.ini") <(lines "$ini") | iconv -f CP932)"

echo "-- the caption font is the face the file names; a face no system has gives other pixels"
font_as_saved() { probe same "Font sample" "$(winpath "$work/font")"; }
for face in IPAPMincho "No Such Face"; do
  sed -i "s/^NormalFontName=.*/NormalFontName=$face\r/" "$ini"
  start_program
  wait_until 10 probe tray || fail "the program did not start again"
  probe activate "Anchor"
  wait_until 5 painted "Font sample" || fail "\"Font sample\" not painted"
  if [ "$face" = IPAPMincho ]; then wait_until 5 font_as_saved || fail "\"ＭＳ Ｐ明朝\" did not resolve to its font"
  else ! wait_until 3 font_as_saved || fail "the face is not what sets the pixels"; fi
  end_program
done
echo "english: ok"
