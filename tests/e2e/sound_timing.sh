#!/usr/bin/env bash
# Hears the game the way a player would: a sound server with a null sink, its monitor recorded,
# and the game in a virtual X server clicked through the X server. On a board of one pair, the
# first click must be heard at once, and the level-end sound must start during the waits after
# the last click, before the level-end message box shows, not when the box's event loop runs.
#
# Usage: sound_timing.sh <sound_timing_app>
# Exits 77 (skipped) only when xvfb-run, xdotool or PulseAudio is missing or PulseAudio cannot
# start here.
set -euo pipefail

readonly app=$1
readonly click_latency_ms=250      # a sound heard later than this after its cause is late
readonly level_end_min_ms=300      # the level-end sound follows the flash (160 ms) and a 200 ms wait

source "$(dirname "$0")/e2e_common.sh"
source "$(dirname "$0")/sound_server.sh"
poll_seconds=0.05

# Xvfb comes first: this script runs itself again inside xvfb-run.
if [[ -z ${SOUND_TIMING_IN_X:-} ]]; then
  command -v xvfb-run >/dev/null || skip "xvfb-run is not installed"
  command -v xdotool >/dev/null || skip "xdotool is not installed"
  set +e
  SOUND_TIMING_IN_X=1 xvfb-run -a -s '-screen 0 1280x1024x24 -nolisten tcp' "$0" "$@"
  status=$?
  set -e
  exit $status
fi

# The first sound that starts at or after a time: "onset end", or nothing.
first_sound_after() { awk -v t="$1" '$1 >= t { print; exit }' "$work/sounds"; }

# --- the run ---------------------------------------------------------------------------------

start_pulseaudio
start_recording

QT_QPA_PLATFORM=xcb "$app" "$work" >"$work/app.out" 2>"$work/app.log" &
app_pid=$!
pids+=("$app_pid")
cells_known() { grep -qs '^second ' "$work/app.out"; }
wait_for 20 cells_known || fail "the game did not show its board"
read -r _ x1 y1 < <(grep '^first ' "$work/app.out")
read -r _ x2 y2 < <(grep '^second ' "$work/app.out")

xdotool mousemove "$x1" "$y1"
sleep 0.3
click1=$(now_ms)
xdotool click 1
sleep 1
xdotool mousemove "$x2" "$y2"
sleep 0.3
click2=$(now_ms)
xdotool click 1

box_shown() { grep -qs '^box ' "$work/app.out"; }
wait_for 10 box_shown || fail "no level-end message box"
# The game answers its box after a while and quits, cutting the level-end sound short.
app_gone() { ! kill -0 "$app_pid" 2>/dev/null; }
wait_for 10 app_gone || fail "the game did not quit after its message box"
wait "$app_pid" || fail "the game exited with status $?"
box=$(awk '/^box / { print $2 }' "$work/app.out")

sounds_heard >"$work/sounds"
echo "sounds heard (ms after the first click, onset-end):"
awk -v c="$click1" '{ printf "  %d-%d\n", $1 - c, $2 - c }' "$work/sounds"
echo "second click at $((click2 - click1)) ms, message box at $((box - click1)) ms"

read -r click_sound _ < <(first_sound_after $((click1 - early_ms))) || true
[[ -n ${click_sound:-} ]] || fail "no click sound after the first click"
((click_sound - click1 <= click_latency_ms)) \
  || fail "the click sound came $((click_sound - click1)) ms after the click"
((click_sound < click2)) || fail "the click sound came only after the second click"

read -r level_end level_end_stop < <(first_sound_after $((click2 + level_end_min_ms))) || true
[[ -n ${level_end:-} ]] || fail "no level-end sound after the last click"
((level_end < box)) || fail "the level-end sound started $((level_end - box)) ms after the message box showed"
((level_end_stop - level_end >= 1000)) \
  || fail "the sound before the message box lasted only $((level_end_stop - level_end)) ms, not the level-end sound"
echo "click sound $((click_sound - click1)) ms after the click; level-end sound $((level_end - click2)) ms" \
  "after the last click, $((box - level_end)) ms before the message box"
