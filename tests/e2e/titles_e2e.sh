#!/usr/bin/env bash
# Titles drawn as the windows hold them: a Unicode window whose title holds
# characters the system's code page does not is painted unlike a window
# titled with what an ANSI read gives. On a Japanese system (code page 932)
# or, with LUME_LOCALE=en_US.UTF-8, a Western one (1252); the titles are
# chosen for the locale asked for.
#   titles_e2e.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
build=$1
work=$(mktemp -d)
pids=()
trap 'kill ${pids[*]} 2>/dev/null || true; rm -rf "$work"' EXIT

case ${LUME_LOCALE:-ja_JP.UTF-8} in
  ja_JP.UTF-8) codepage=932 beyond=("A•B € 5 한국어 café 😀 end" "Naïve — “quoted” Ελληνικά") ;;
  en_US.UTF-8) codepage=1252 beyond=("日本語のタイトル" "Ελληνικά 한국어 • end") ;;
  *) fail "no titles for the locale $LUME_LOCALE" ;;
esac
[ "$(probe codepage)" = "$codepage" ] || fail "${LUME_LOCALE:-ja_JP.UTF-8} gives code page $(probe codepage), not $codepage"

echo "-- painted: each title beyond the code page unlike its ANSI read"
# One window per title, each beside its twin titled with the ANSI read; an
# anchor window keeps the focus, so that every caption is inactive.
start() {  # NAME TITLE X Y
  start_windows "$build/tests/samples/sample_windows.exe" --ready "$(winpath "$work/$1.ready")" --one "$2" "$3" "$4" 440 90
  pids+=($!)
  wait_until 20 test -e "$work/$1.ready" || fail "the window \"$2\" did not start"
}
start anchor "Anchor" 560 600
y=20
for i in "${!beyond[@]}"; do
  twin=$(probe ansiread "${beyond[$i]}")
  [ "$twin" != "${beyond[$i]}" ] || fail "the code page holds \"${beyond[$i]}\""
  start "unicode$i" "${beyond[$i]}" 20 $y
  start "ansi$i" "$twin" 500 $y
  twins[$i]=$twin
  y=$((y + 110))
done
printf '[Inactive]\r\nSurface=Gradation\r\n' > "$work/LumeLume.ini"
cp "$build/LumeLume.exe" "$build/lumehook.dll" "$work/"
start_windows "$work/LumeLume.exe"
pids+=($!)
wait_until 10 probe tray || fail "the program did not start"
probe activate "Anchor"
for i in "${!beyond[@]}"; do
  for title in "${beyond[$i]}" "${twins[$i]}"; do
    wait_until 5 look_is "$title" gradient || fail "\"$title\" not painted: $(probe look "$title")"
  done
  # The twins are alike but for their place: their pixels compare as they are.
  probe save "${twins[$i]}" "$(winpath "$work/twin$i")"
  ! probe same "${beyond[$i]}" "$(winpath "$work/twin$i")" ||
    fail "\"${beyond[$i]}\" is painted as \"${twins[$i]}\""
done
screenshot "$build/e2e_titles.png"
echo "titles: ok"
