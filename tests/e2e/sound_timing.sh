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
readonly rate=8000                 # recorded samples per second
readonly window_ms=5               # loudness is measured in windows of this length
readonly threshold=800             # a window louder than this (of 32767) holds sound
readonly click_latency_ms=250      # a sound heard later than this after its cause is late
readonly level_end_min_ms=300      # the level-end sound follows the flash (160 ms) and a 200 ms wait

source "$(dirname "$0")/e2e_common.sh"
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

now_ms() { date +%s%3N; }

# A private sound server: its socket, cookie and settings all live in the work folder, and
# no client may start a server of its own.
start_sound_server() {
  command -v pulseaudio >/dev/null || skip "pulseaudio is not installed"
  command -v parecord >/dev/null || skip "parecord (pulseaudio-utils) is not installed"
  export HOME=$work/home XDG_RUNTIME_DIR=$work/run
  mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
  export PULSE_RUNTIME_PATH=$XDG_RUNTIME_DIR/pulse
  export PULSE_SERVER=unix:$XDG_RUNTIME_DIR/sound.sock
  printf 'autospawn = no\n' >"$work/client.conf"
  export PULSE_CLIENTCONFIG=$work/client.conf
  pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --disable-shm \
    --load="module-null-sink sink_name=game" \
    --load="module-native-protocol-unix socket=$XDG_RUNTIME_DIR/sound.sock auth-anonymous=1" \
    >"$work/pulseaudio.log" 2>&1 &
  pa_pid=$!
  pids+=("$pa_pid")
  server_up() { pactl info >/dev/null 2>&1 || ! kill -0 "$pa_pid" 2>/dev/null; }
  wait_for 10 server_up || true
  pactl info >/dev/null 2>&1 || { cat "$work/pulseaudio.log"; skip "pulseaudio could not start"; }
}

# Records the sink's monitor as raw mono samples. The monitor delivers samples in real time
# once it runs, but starts late: rec_start, the time of the first sample, is taken from how
# much has been written at several moments (the least delayed reading wins).
start_recording() {
  parecord --raw --format=s16le --rate=$rate --channels=1 --latency-msec=10 \
    --device=game.monitor "$work/recording.raw" 2>"$work/parecord.log" &
  pids+=($!)
  recording() { [[ -s $work/recording.raw ]]; }
  wait_for 10 recording || fail "parecord records nothing"
  local probe t bytes start
  rec_start=
  for ((probe = 0; probe < 20; probe++)); do
    t=$(now_ms)
    bytes=$(stat -c %s "$work/recording.raw")
    start=$((t - bytes / 2 * 1000 / rate))
    [[ -z $rec_start ]] || ((start < rec_start)) && rec_start=$start
    sleep 0.05
  done
}

# The sounds heard: "onset_ms end_ms" per stretch of sound, in milliseconds since the epoch;
# gaps shorter than 30 ms belong to the sound around them.
sounds_heard() {
  od -An -v -td2 -w2 "$work/recording.raw" | awk -v per=$((rate * window_ms / 1000)) \
    -v ms=$window_ms -v limit=$threshold -v start="$rec_start" '
    { v = $1 < 0 ? -$1 : $1; if (v > peak) peak = v
      if (++n == per) { loud[w++] = peak > limit; n = 0; peak = 0 } }
    END {
      on = -1
      for (i = 0; i < w; i++) {
        if (loud[i]) { if (on < 0) on = i; last = i }
        else if (on >= 0 && (i - last) * ms >= 30) { printf "%.0f %.0f\n", start + on * ms, start + (last + 1) * ms; on = -1 }
      }
      if (on >= 0) printf "%.0f %.0f\n", start + on * ms, start + (last + 1) * ms
    }'
}

# The first sound that starts at or after a time: "onset end", or nothing.
first_sound_after() { awk -v t="$1" '$1 >= t { print; exit }' "$work/sounds"; }

# --- the run ---------------------------------------------------------------------------------

start_sound_server
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

read -r click_sound _ < <(first_sound_after "$click1") || true
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
