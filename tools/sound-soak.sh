#!/usr/bin/env bash
# The long run of the sounds: every sound of the game played many times in a row on a private
# sound server, each play checked in the recording as the suite's SoundPlays tests do. Each
# sound plays its own length plus a pause apart, the click and the removal sound as fast as a
# player clicks.
#
# Usage: tools/sound-soak.sh [build folder] [pulseaudio|pipewire] [plays of each sound] [NAME...]
# Names the sounds to play (SNDCLICK, ...); all of them by default.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
server=${2:-pulseaudio}
plays=${3:-1000}
shift $(($# < 3 ? $# : 3))
readonly pause_ms=250      # between the end of a sound and the next play
readonly fast_ms=150       # between clicks at a player's fastest

cmake --build "$build" --target sound_plays_app >/dev/null

# How long a wave file plays, in milliseconds.
length_ms() {
  local rate channels bytes
  channels=$(od -An -tu2 -j22 -N2 "$1" | tr -d ' ')
  rate=$(od -An -tu4 -j24 -N4 "$1" | tr -d ' ')
  bytes=$(od -An -tu4 -j40 -N4 "$1" | tr -d ' ')
  echo $((bytes * 1000 / (rate * channels)))
}

schedule=()
names=("$@")
((${#names[@]})) || for wave in "$root"/resources/sounds/*.wav; do names+=("$(basename "$wave" .wav)"); done
for name in "${names[@]}"; do
  wave=$root/resources/sounds/$name.wav
  [[ -f $wave ]] || { echo "no sound $name" >&2; exit 2; }
  gap=$(($(length_ms "$wave") + pause_ms))
  [[ $name == SNDCLICK ]] && gap=$fast_ms
  schedule+=("$name:$plays:$gap")
done
echo "playing ${schedule[*]} on $server"
follow_clock=1 exec "$root/tests/e2e/sound_plays.sh" "$build/tests/e2e/sound_plays_app" "$root/resources/sounds" "$server" "${schedule[@]}"
