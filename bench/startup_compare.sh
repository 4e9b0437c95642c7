#!/usr/bin/env bash
# Start-up of the game side by side with a bare Qt 6 window that has a menu bar (BareWindow):
# the time from starting the program to its window being visible, and the resident memory a
# second later, in one X server (Xvfb), the two programs alternating, RUNS times each. Prints the
# medians and the game's ratio to the bare window. A developer's measurement, not a test.
#
# Usage: bench/startup_compare.sh <build dir> [RUNS]   (7 by default)
set -euo pipefail

readonly build=$1 runs=${2:-7}
[[ -x $build/bench/BareWindow ]] || { echo "no $build/bench/BareWindow: configure with -DZENKARA_BUILD_BENCH=ON" >&2; exit 1; }
for tool in Xvfb xdotool; do
  command -v $tool >/dev/null || { echo "$tool is not installed (tools/setup-debian.sh test)" >&2; exit 1; }
done
readonly settle_seconds=1

work=$(mktemp -d)
pids=()
cleanup() {
  local p
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# The game writes its settings beside itself: it runs from a copy of its own.
cp "$build/app/zenkara" "$work/zenkara"
readonly game=$work/zenkara bare=$build/bench/BareWindow

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.05; done
[[ -s $work/display ]] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(head -n 1 "$work/display") QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work/run
mkdir -m 700 "$XDG_RUNTIME_DIR"

now_us() { echo $(($(date +%s%N) / 1000)); }

# Prints "<milliseconds to a visible window> <resident kB>" for one start of a program.
measure() {
  local start pid visible
  start=$(now_us)
  "$1" >>"$work/programs.log" 2>&1 &
  pid=$!
  until xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do
    kill -0 "$pid" 2>/dev/null || { echo "$1 ended before showing a window" >&2; exit 1; }
  done
  visible=$(now_us)
  sleep "$settle_seconds"
  local rss
  rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status")
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  echo "$(((visible - start) / 1000)) $rss"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

: >"$work/game" && : >"$work/bare"
measure "$bare" >/dev/null  # a first start warms the disk cache for both
for ((i = 1; i <= runs; i++)); do
  measure "$game" >>"$work/game"
  measure "$bare" >>"$work/bare"
done

read -r game_ms game_kb < <(paste <(cut -d' ' -f1 "$work/game" | median) <(cut -d' ' -f2 "$work/game" | median))
read -r bare_ms bare_kb < <(paste <(cut -d' ' -f1 "$work/bare" | median) <(cut -d' ' -f2 "$work/bare" | median))
echo "times to a visible window, sorted (ms): game $(cut -d' ' -f1 "$work/game" | sort -n | tr '\n' ' ')"
echo "                                         bare $(cut -d' ' -f1 "$work/bare" | sort -n | tr '\n' ' ')"
awk -v runs="$runs" -v gm="$game_ms" -v gk="$game_kb" -v bm="$bare_ms" -v bk="$bare_kb" 'BEGIN {
  printf "medians of %d alternating runs\n%-6s %10s %12s\n", runs, "", "visible", "resident"
  printf "%-6s %7d ms %8.1f MiB\n%-6s %7d ms %8.1f MiB\n", "game", gm, gk / 1024, "bare", bm, bk / 1024
  printf "%-6s %9.2fx %11.2fx\n", "ratio", gm / bm, gk / bk
}'
