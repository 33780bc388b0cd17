# Shared by the end-to-end scripts; they run inside `scripts/wine-env session`.

fail() { echo "FAIL: $*" >&2; exit 1; }

# wait_until SECONDS COMMAND...: polls COMMAND until it succeeds or time runs out.
wait_until() {
  local limit=$1; shift
  local end=$(( $(date +%s%N) + limit * 1000000000 ))
  until "$@" >/dev/null 2>&1; do
    [ "$(date +%s%N)" -lt "$end" ] || return 1
    sleep 0.05
  done
}

# A Windows path for a Unix one.
winpath() { printf 'Z:%s' "$1"; }

# Starts a Windows program in the background; its pid is in $! afterwards.
start_windows() { wine "$@" >/dev/null 2>&1 & }

screenshot() { xwd -root -silent -display "$DISPLAY" | /usr/bin/convert xwd:- "$1"; }

# Gives the Wine desktop's X window the keyboard, so that keys reach Windows programs.
focus_desktop() { xdotool windowfocus --sync "$(xdotool search --name 'Wine desktop' | head -1)"; }

# The desktop probe of the build in $build, and what the scripts ask it most.
probe() { wine "$build/tests/e2e/probe.exe" "$@" | tr -d '\r'; }
look_is() { [ "$(probe look "$1")" = "$2" ]; }
painted() { look_is "$1" stripes || look_is "$1" gradient; }
