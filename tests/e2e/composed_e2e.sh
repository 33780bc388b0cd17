#!/usr/bin/env bash
# Composed frames, against a stand-in dwmapi.dll (dwm_standin/) answering as
# Windows 11 or 10 and logging every window attribute asked or given. Tint: each
# painted window asked once, given its look's colours in its own thread, new ones
# as its activity changes, the system's back at exit, never painted; as Windows 10
# one colour tried per process. Classic: frames uncomposed (asked again then) and
# painted, given back at exit. Leave: no call. No call ever for other windows (own
# title bar, a program left alone, MDI children), nor a value given twice in a row.
#   composed_e2e.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
build=$1
work=$(mktemp -d)
log=$work/dwm.log
samples_pid= own_pid= other_pid= program_pid=
trap '[ $? = 0 ] || cat "$log" >&2
  kill $samples_pid $own_pid $other_pid $program_pid 2>/dev/null || true; rm -rf "$work"' EXIT

# Wine finds the stand-in beside each program the hook loads it in.
cp "$build/tests/samples/sample_windows.exe" "$build/tests/e2e/dwm_standin/dwmapi.dll" "$build/LumeLume.exe" \
  "$build/lumehook.dll" "$work/" && cp "$work/sample_windows.exe" "$work/other_program.exe"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}dwmapi=n,b" LUME_DWM_LOG=$(winpath "$log")
titles=("Sizable window" "Dialog frame" "Tool window" "Ticker*" "MDI frame")

run() {  # NAME EXE ARGS...: started from $work, its pid in ${NAME}_pid
  start_windows "$work/$2" --ready "$(winpath "$work/$1.ready")" "${@:3}"
  printf -v "$1_pid" %s $!
}
# start_case CHOICE WINDOWS: the samples, LumeLume with Composed=CHOICE, the stand-in as
# that Windows; ${ids[@]}: "process thread window" of each of $titles.
start_case() {
  echo "-- $1, as Windows $2"
  export LUME_DWM_AS=$2 && rm -f "$work"/*.ready && : > "$log"
  run samples sample_windows.exe
  run own sample_windows.exe --one "Own title bar" 20 640 400 110 --own-titlebar
  run other other_program.exe --one "Other program" 560 600 400 130
  for ready in samples own other; do wait_until 20 test -e "$work/$ready.ready" || fail "$ready did not start"; done
  printf '[Active]\r\nSurface=Texture\r\n[Common]\r\nComposed=%s\r\n[Exclude]\r\n1=other_program.exe\r\n' "$1" \
    > "$work/LumeLume.ini"
  start_windows "$work/LumeLume.exe" && program_pid=$!
  wait_until 10 probe tray || fail "the program did not start"
  probe activate "Sizable window"
  mapfile -t ids < <(for title in "${titles[@]}"; do probe ids "$title"; done)
  [ "${#ids[@]}" = "${#titles[@]}" ] || fail "sample windows missing: ${ids[*]}"
}
# end_case ASKED [DONE...]: Exit from the tray menu, DONE awaited (else a second), then
# what every case shows: ASKED questions per window, calls for no other window nor
# from another thread, no value given twice in a row. The samples end.
end_case() {
  open_menu && click_item 4
  wait_until 10 bash -c "! kill -0 $program_pid 2>/dev/null" || fail "the program did not end"
  program_pid=
  if [ $# = 1 ]; then sleep 1; else wait_until 5 "${@:2}" || fail "after the exit, not: ${*:2}"; fi
  stray=$(awk '{ print $2, $3, $4 }' "$log" | sort -u | grep -v -x -F "$(printf '%s\n' "${ids[@]}")" || true)
  [ -z "$stray" ] || fail "calls for other windows or from other threads: $stray (painted: ${ids[*]})"
  repeated=$(awk '$1 == "set" { k = $2 " " $3 " " $4 " " $5; if (k in v && v[k] == $6) print; v[k] = $6 }' "$log")
  [ -z "$repeated" ] || fail "given again what it had: $repeated"
  asked=$(for id in "${ids[@]}"; do grep -c "^get $id 1 " "$log" || true; done | xargs)
  [ "$asked" = "$(printf "$1 %.0s" "${ids[@]}" | xargs)" ] || fail "asked per window: $asked, not $1 each"
  kill $samples_pid $own_pid $other_pid 2>/dev/null || true
  wait $samples_pid $own_pid $other_pid 2>/dev/null || true
}
# given ID ATTRIBUTE: the last value that window took in its own thread.
given() { awk -v w="set $1 $2 " 'index($0, w) == 1 && $7 == "0x0" { v = $6 } END { print v }' "$log"; }
is_given() { [ "$(given "$1" "$2")" = "$3" ]; }
all_given() {  # ATTRIBUTE... VALUE: every window took VALUE last for each ATTRIBUTE
  local id a
  for id in "${ids[@]}"; do for a in "${@:1:$#-1}"; do is_given "$id" "$a" "${!#}" || return 1; done; done
}
colour_calls() { awk '$1 == "set" && $5 >= 34 && $5 <= 36 { print $2, $7 }' "$log"; }
# shows_activity N: every window has its three colours, border and caption alike,
# window N alone the caption colour $active, the others one other.
shows_activity() {
  local id captions=()
  for id in "${ids[@]}"; do
    captions+=("$(given "$id" 35)")
    [ -n "${captions[-1]}" ] && is_given "$id" 34 "${captions[-1]}" && [ -n "$(given "$id" 36)" ] || return 1
  done
  active=${captions[$1]} && unset "captions[$1]"
  others=$(printf '%s\n' "${captions[@]}" | sort -u)
  [ "$(wc -l <<< "$others")" = 1 ] && [ "$others" != "$active" ]
}
unpainted() { for title in "${titles[@]}"; do look_is "$title" system || fail "$title painted over its frame"; done; }

start_case Tint 11
wait_until 5 shows_activity 0 || fail "the colours do not show who is active"
was_active=$active before=$(wc -l < "$log")
probe activate "Dialog frame"
wait_until 5 shows_activity 1 || fail "the colours did not follow the focus"
[ "$active" = "$was_active" ] || fail "the active caption colour changed: $was_active, $active"
sleep 0.5
changed=$(tail -n +$((before + 1)) "$log" | awk '$1 == "set" && $5 == 35 { print $2, $3, $4 }' | sort -u)
[ "$changed" = "$(printf '%s\n' "${ids[0]}" "${ids[1]}" | sort -u)" ] || fail "new caption colours for: $changed"
unpainted
end_case 1 all_given 34 35 36 0xffffffff

start_case Tint 10
wait_until 5 grep -q '^set ' "$log" || fail "no colour tried"
probe activate "Dialog frame" && probe activate "Tool window"
end_case 1
[ "$(colour_calls)" = "${ids[0]%% *} 0x80070057" ] || fail "colour calls as Windows 10: $(colour_calls)"

start_case Classic 11
wait_until 5 all_given 2 0x00000001 || fail "the composed frames were not turned off"
for title in "${titles[@]}"; do wait_until 5 painted "$title" || fail "$title not painted: $(probe look "$title")"; done
end_case 2 all_given 2 0x00000000  # asked again once turned off
[ -z "$(colour_calls)" ] || fail "colours given with Classic: $(colour_calls)"

start_case Leave 11
for title in "${titles[@]}"; do wait_until 5 painted "$title" || fail "$title not painted"; done
probe activate "Dialog frame"
end_case 0
[ ! -s "$log" ] || fail "calls made with Leave"
echo "composed frames: ok"
