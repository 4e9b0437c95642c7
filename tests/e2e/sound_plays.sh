#!/usr/bin/env bash
# Every play of a sound heard whole: on a private sound server (pulseaudio or pipewire), the
# short click sound is played many times in a row, then two longer sounds a few times, and
# each play must be found in the recording from its first sound to its last, on time. Last, a
# click cuts the long sound short, which must then stop at once.
#
# Usage: sound_plays.sh <sound_plays_app> <sound folder> pulseaudio|pipewire [NAME:COUNT:GAP_MS...]
# The plays asked for replace the test's own (tools/sound_soak.sh plays thousands).
# Exits 77 (skipped) only when the sound server is missing or cannot start here.
set -euo pipefail

# A real sound server now and then drops out for a moment on a busy machine, and the plays
# around that moment come late or long. The test's own plays are tried once more before it
# fails, so that only a fault that repeats fails it; a soak (plays asked for) is tried once.
if (($# == 3)) && [[ -z ${SOUND_PLAYS_ATTEMPT:-} ]]; then
  SOUND_PLAYS_ATTEMPT=1 "$0" "$@" && exit 0 || first=$?
  ((first == 77)) && exit 77
  echo "The plays are tried once more."
  SOUND_PLAYS_ATTEMPT=2 exec "$0" "$@"
fi

readonly app=$1 sounds=$2 server=$3
shift 3
readonly latency_ms=150            # a sound heard later than this after its play is late
readonly shortfall_ms=30           # a play heard this much shorter or longer than its sound is not whole
schedule=(SNDCLICK:20:200 SNDCANNOTDISP:3:700 SNDGAMEOVER:2:2500 SNDGAMEOVER:1:500 SNDCLICK:1:300)
(($# == 0)) || schedule=("$@")

here=$(dirname "$0")
source "$here/e2e_common.sh"
source "$here/sound_server.sh"
poll_seconds=0.05

# The audible part of a wave file of 8-bit PCM, in milliseconds from its start: "onset end
# late_end". A sound that fades out ends where it crosses the threshold, and its way to the
# recording (new sample rates, each with its filter) moves it across by a fraction of a level:
# late_end is where it ends at four fifths of the threshold. The level-end sound fades at the
# threshold for its last 40 ms, and on PipeWire was heard up to 35 ms longer than at the threshold.
audible_span() {
  local file=$1 channels file_rate
  channels=$(od -An -tu2 -j22 -N2 "$file" | tr -d ' ')
  file_rate=$(od -An -tu4 -j24 -N4 "$file" | tr -d ' ')
  od -An -v -tu1 -w1 -j44 "$file" | awk -v per=$((file_rate * channels * window_ms / 1000)) \
    -v ms=$window_ms -v limit=$threshold '
    { v = $1 - 128; if (v < 0) v = -v; if (v > peak) peak = v
      if (++n == per) {
        if (peak * 256 > limit) { if (on == "") on = w; last = w }
        if (peak * 256 > limit * 4 / 5) late = w
        w++; n = 0; peak = 0
      } }
    END { printf "%d %d %d\n", on * ms, (last + 1) * ms, (late + 1) * ms }'
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
for name in "${!span[@]}"; do echo "span $name ${span[$name]}"; done >"$work/spans"

# Each play owns the stretches of sound that start between its time and the next play's, both
# moved earlier by early_ms (the recorder's clock may run ahead), or by half the gap between the
# two plays where that is less: a click heard 60 ms late, 150 ms before the next, is its own. Over a
# long recording the recorder's clock drifts from the player's: with follow_clock set, each
# play is looked for where the plays before it were heard, on average (a single play's delay
# varies by tens of milliseconds, as much as clicks at a player's fastest leave between them).
awk -v early=$early_ms -v late=$latency_ms -v slack=$shortfall_ms -v follow=${follow_clock:-0} -v n=0 -v m=0 -v k=0 -v shift=0 '
  $1 == "span" { on[$2] = $3; len[$2] = $4 - $3; most[$2] = $5 - $3; next }
  $1 == "play" { name[n] = $2; at[n++] = $3; next }
  { from[m] = $1; to[m++] = $2 }
  function edge(j,  half) {
    half = j > 0 ? (at[j] - at[j - 1]) / 2 : early
    return at[j] + shift - (half < early ? half : early)
  }
  END {
    at[n] = 9999999999999
    for (i = 0; i < n; i = j) {
      p = name[i]; least = len[p]; longest = most[p]; j = i + 1
      # A newer play before this one ends stops it: both are heard as one stretch, up to the end
      # of the newer sound.
      if (j < n && at[j] < at[i] + on[p] + len[p]) {
        q = name[j]; cut = at[j] - at[i] + on[q] - on[p]; j++
        least = cut + len[q]; longest = cut + most[q]
      }
      first = ""; last = ""
      for (; k < m && from[k] < edge(j); k++)
        if (from[k] >= edge(i)) { if (first == "") first = from[k]; last = to[k] }
      if (first == "") { printf "play %d of %s: not heard\n", i + 1, p; bad++; continue }
      if (first - at[i] - shift > late + on[p] || last - first < least - slack || last - first > longest + slack) {
        printf "play %d of %s: heard %d-%d ms after it, should last %d-%d ms\n", i + 1, p, first - at[i], last - at[i], least, longest
        bad++
      }
      if (follow) shift += (first - at[i] - on[p] - shift) / 8
    }
    printf "%d plays on %s, %d not heard whole\n", n, server, bad
    exit bad > 0
  }' server="$server" "$work/spans" "$work/plays" "$work/sounds" >"$work/verdict" || true
cat "$work/verdict"
grep -q ', 0 not heard whole$' "$work/verdict" || fail "not every play was heard whole"
