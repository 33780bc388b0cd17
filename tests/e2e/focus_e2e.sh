#!/usr/bin/env bash
# The focus walks over every sample window in turn, with the program running;
# a second later every qualifying caption must still be painted (top-level
# windows and MDI children alike). Run against the test build without the
# Wine mends, the same walk must lose captions: the test catches the fault.
#   focus_e2e.sh BUILD_DIR PROGRAM_EXE painted|lost
set -euo pipefail
. "$(dirname "$0")/lib.sh"
build=$1 program=$2 expect=$3
begin_e2e --samples --still-running program_pid
probe save "No system menu" "$(winpath "$work/untouched")"

start_lumelume "$program"

qualifying=("Sizable window" "Dialog frame" "Tool window" "Ticker*" "MDI frame" "MDI frame/Child 1" "MDI frame/Child 2")
for title in "Sizable window" "Dialog frame" "Tool window" "Ticker*" "No system menu" "MDI frame" \
             "MDI frame/Child 1" "MDI frame/Child 2" "Sizable window"; do
  probe activate "$title"
done
sleep 1  # what is being tested: how the captions look a second after the walk

lost=()
for title in "${qualifying[@]}"; do
  case "$(probe look "$title")" in
    stripes|gradient) ;;
    *) lost+=("$title") ;;
  esac
done
screenshot "$build/e2e_focus_$expect.png"
probe same "No system menu" "$(winpath "$work/untouched")" || fail "the window without a system menu was painted"

if [ "$expect" = painted ]; then
  [ "${#lost[@]}" -eq 0 ] || fail "captions in the system's look after the walk: ${lost[*]}"
  echo "focus walk: every qualifying caption painted"
else
  [ "${#lost[@]}" -gt 0 ] || fail "the build without the mends lost no caption: the test would not catch the fault"
  echo "focus walk without the mends: lost ${lost[*]}"
fi
