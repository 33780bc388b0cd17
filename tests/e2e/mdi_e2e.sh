#!/usr/bin/env bash
# The MDI frame's children: painted in their own activity look, never over a
# sibling above them, never outside the frame's client area. Against the
# build that paints children through their own DC, the children stay unpainted.
#   mdi_e2e.sh BUILD_DIR PROGRAM_EXE painted|lost
set -euo pipefail
. "$(dirname "$0")/lib.sh"
build=$1 program=$2 expect=$3
begin_e2e --samples --still-running program_pid
one="MDI frame/Child 1" two="MDI frame/Child 2"

probe activate "MDI frame"
probe activate "$two"  # the upper child, overlapping the lower one, active
# Its right end past the frame's client area, its caption's background still inside.
probe move "$two" 280 150

# Before the program paints anything: the upper child's client area (over
# the lower child), and everything right of the frame's client area (the
# frame's border and the desktop beyond it).
read -r fl ft fr fb < <(probe rect "MDI frame")
read -r pl pt pr pb < <(probe clientrect "MDI frame")
read -r cl ct cr cb < <(probe clientrect "$two")
cr=$(( cr < pr ? cr : pr )) cb=$(( cb < pb ? cb : pb ))  # the part inside the frame
probe savearea "$cl" "$ct" "$cr" "$cb" "$(winpath "$work/upper-client")"
# Right of the client area, beside the moved child, above the frame's own grooves.
read -r wl wt wr wb < <(probe rect "$two")
probe savearea "$pr" "$wt" 1024 "$((fb - 40))" "$(winpath "$work/outside")"
nothing_leaked() {
  wait_until 2 probe samearea "$cl" "$ct" "$cr" "$cb" "$(winpath "$work/upper-client")" || {
    screenshot "$build/e2e_mdi_leak.png"
    LUME_PROBE_VERBOSE=1 wine "$build/tests/e2e/probe.exe" samearea "$cl" "$ct" "$cr" "$cb" "$(winpath "$work/upper-client")"
    fail "the lower child's painting reached into the upper child"; }
  wait_until 2 probe samearea "$pr" "$wt" 1024 "$((fb - 40))" "$(winpath "$work/outside")" ||
    fail "painting reached outside the client area"
}

start_lumelume "$program"

check_children() {  # ACTIVE INACTIVE
  if [ "$expect" = painted ]; then
    wait_until 3 look_is "$1" stripes || fail "$1: active child not in the active look: $(probe look "$1")"
    wait_until 3 look_is "$2" gradient || fail "$2: inactive child not in the inactive look: $(probe look "$2")"
  else
    sleep 1
    look_is "$1" system || fail "$1 painted through its own DC: the test would not catch the fault"
    look_is "$2" system || fail "$2 painted through its own DC: the test would not catch the fault"
  fi
}

echo "-- after start-up"
check_children "$two" "$one"
nothing_leaked
[ "$expect" = lost ] && { echo "mdi e2e without the mend: children unpainted"; exit 0; }

echo "-- activating each child in turn"
probe activate "$one"
check_children "$one" "$two"
probe activate "$two"
check_children "$two" "$one"
nothing_leaked
screenshot "$build/e2e_mdi.png"
echo "mdi e2e: ok"
