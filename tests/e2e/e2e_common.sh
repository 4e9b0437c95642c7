# Shared by the end-to-end scripts: a work folder removed at exit with every process started
# into `pids` (killed last first), failure with the tails of the work folder's logs, polling.
# Source it after `set -euo pipefail`.

readonly SKIPPED=77

skip() { echo "SKIP: $*"; exit $SKIPPED; }

work=$(mktemp -d)
pids=()
cleanup() {
  local p
  for ((p = ${#pids[@]} - 1; p >= 0; p--)); do
    kill "${pids[$p]}" 2>/dev/null || true
  done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  [[ -n ${ZENKARA_E2E_KEEP:-} && -f $work/shot.ppm ]] && cp "$work/shot.ppm" "$ZENKARA_E2E_KEEP"
  local log
  for log in "$work"/*.log; do
    [[ -s $log ]] && { echo "--- $(basename "$log")" >&2; tail -n 60 "$log" >&2; }
  done
  exit 1
}

# Polls a condition every `poll_seconds` (0.1 by default) until it holds or the seconds run out.
poll_seconds=0.1
wait_for() {
  local seconds=$1
  shift
  local deadline=$((SECONDS + seconds))
  until "$@"; do
    ((SECONDS < deadline)) || return 1
    sleep "$poll_seconds"
  done
}

# Gives the programs the script starts a session bus of their own, as a desktop session does.
# Without one, the D-Bus library forks a helper to look for a bus; in the sanitizer build, a child
# forked while another thread allocates can hang, and with it the sound thread and the game's exit.
start_session_bus() {
  command -v dbus-daemon >/dev/null || skip "dbus-daemon is not installed"
  export DBUS_SESSION_BUS_ADDRESS=unix:path=$work/session-bus
  # Its output is kept out of the logs shown on failure: as root it reports that it may not
  # raise its file limit, which is of no consequence here.
  dbus-daemon --session --nofork --nopidfile --address="$DBUS_SESSION_BUS_ADDRESS" >"$work/dbus.out" 2>&1 &
  pids+=($!)
  wait_for 10 test -S "$work/session-bus" || { cat "$work/dbus.out"; skip "dbus-daemon could not start"; }
}

# Starts Xvfb (screen size WxH, 1280x1024 by default) and points DISPLAY at it; skips where it cannot start.
start_x_server() {
  if ! command -v Xvfb >/dev/null; then
    echo "SKIP: Xvfb is not installed"
    exit $SKIPPED
  fi
  # Without -noreset the server starts afresh each time its last client leaves, and a client
  # that connects meanwhile finds no display: a window manager starting while a poll with
  # xprop ended did so, one start in about fifteen.
  Xvfb -displayfd 3 -screen 0 ${1:-1280x1024}x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
  x_pid=$!
  pids+=("$x_pid")
  x_ready_or_gone() { [[ -s $work/display ]] || ! kill -0 "$x_pid" 2>/dev/null; }
  wait_for 15 x_ready_or_gone || true
  if [[ ! -s $work/display ]]; then
    echo "SKIP: Xvfb could not start:"
    cat "$work/xvfb.log"
    exit $SKIPPED
  fi
  export DISPLAY=:$(head -n 1 "$work/display")
}
