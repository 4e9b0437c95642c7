#!/usr/bin/env bash
# Every play of a sound heard whole: on a private sound server (pulseaudio or pipewire), the
# short click sound is played many times in a row, then two longer sounds a few times, and
# each play must be found in the recording from its first sound to its last, on time.
#
# Usage: sound_plays.sh <sound_plays_app> <sound folder> pulseaudio|pipewire [NAME:COUNT:GAP_MS...]
# The plays asked for replace the test's own (tools/sound_soak.sh plays thousands).
# Exits 77 (skipped) only when the sound server is missing or cannot start here.
set -euo pipefail

readonly app=$1 sounds=$2 server=$3
shift 3
readonly latency_ms=150            # a sound heard later than this after its play is late
readonly shortfall_ms=30           # a play heard this much shorter or longer than its sound is not whole
readonly early_ms=100              # how far the recording's clock may run behind the player's
schedule=(SNDCLICK:20:200 SNDCANNOTDISP:3:700 SNDGAMEOVER:2:2500)
(($# == 0)) || schedule=("$@")

# PipeWire needs a session bus of its own: the script runs itself again inside one.
if [[ $server == pipewire && -z ${SOUND_PLAYS_IN_BUS:-} ]]; then
  command -v dbus-run-session >/dev/null || { echo "SKIP: dbus-run-session is not installed"; exit 77; }
  SOUND_PLAYS_IN_BUS=1 exec dbus-run-session -- "$0" "$app" "$sounds" "$server" "$@"
fi

here=$(dirname "$0")
source "$here/e2e_common.sh"
source "$here/sound_server.sh"
poll_seconds=0.05

# The audible part of a wave file of 8-bit PCM, in milliseconds from its start: "onset end".
audible_span() {
  local file=$1 channels file_rate
  channels=$(od -An -tu2 -j22 -N2 "$file" | tr -d ' ')
  file_rate=$(od -An -tu4 -j24 -N4 "$file" | tr -d ' ')
  od -An -v -tu1 -w1 -j44 "$file" | awk -v per=$((file_rate * channels * window_ms / 1000)) \
    -v ms=$window_ms -v limit=$((threshold / 256)) '
    { v = $1 - 128; if (v < 0) v = -v; if (v > peak) peak = v
      if (++n == per) { if (peak > limit) { if (on == "") on = w; last = w }; w++; n = 0; peak = 0 } }
    END { printf "%d %d\n", on * ms, (last + 1) * ms }'
}

case $server in
  pulseaudio) start_pulseaudio ;;
  pipewire) start_pipewire ;;
  *) fail "unknown sound server $server" ;;
esac
start_recording
"$app" "${schedule[@]}" >"$work/plays" 2>"$work/app.log" || fail "the player exited with status $?"
sleep 0.5  # the recorder writes the last samples late
sounds_heard >"$work/sounds"

declare -A span
while read -r _ name _; do
  [[ -n ${span[$name]:-} ]] || span[$name]=$(audible_span "$sounds/$name.wav")
done <"$work/plays"

# Each play owns the stretches of sound that start from its time until the next play.
mapfile -t plays <"$work/plays"
bad=0
for ((i = 0; i < ${#plays[@]}; i++)); do
  read -r _ name at <<<"${plays[$i]}"
  next=$(awk -v i=$((i + 1)) 'NR == i + 1 { print $3 }' "$work/plays")
  read -r onset end < <(awk -v from=$((at - early_ms)) -v to=$((${next:-9999999999999} - early_ms)) '
    $1 >= from && $1 < to { if (on == "") on = $1; last = $2 } END { print on, last }' "$work/sounds")
  read -r want_on want_end <<<"${span[$name]}"
  want=$((want_end - want_on))
  if [[ -z $onset ]]; then
    echo "play $((i + 1)) of $name: not heard"
    bad=$((bad + 1))
  elif ((onset - at > latency_ms + want_on || end - onset < want - shortfall_ms || end - onset > want + shortfall_ms)); then
    echo "play $((i + 1)) of $name: heard $((onset - at))-$((end - at)) ms after it, the sound lasts $want ms"
    bad=$((bad + 1))
  fi
done
echo "${#plays[@]} plays on $server, $bad not heard whole"
((bad == 0)) || fail "$bad of ${#plays[@]} plays were not heard whole"
