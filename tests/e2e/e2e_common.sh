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
