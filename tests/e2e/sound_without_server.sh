#!/usr/bin/env bash
# Without a sound server or sound card the game plays on silently and says nothing on standard
# error, however many sounds it is asked for: a desktop session keeps that output in its journal.
#
# Usage: sound_without_server.sh <sound_plays_app>
set -euo pipefail

readonly app=$1
source "$(dirname "$0")/e2e_common.sh"

mkdir -m 700 "$work/run"
: >"$work/alsa.conf"  # no card and no default output
env XDG_RUNTIME_DIR="$work/run" PULSE_SERVER="unix:$work/run/none" PIPEWIRE_REMOTE="$work/run/none" \
  ALSA_CONFIG_PATH="$work/alsa.conf" "$app" SNDCLICK:5:50 SNDDISP:2:200 >"$work/plays" 2>"$work/errors" \
  || fail "the player exited with status $?"
[[ $(grep -c '^play ' "$work/plays") == 7 ]] || fail "the player did not ask for the 7 sounds"
[[ ! -s $work/errors ]] || fail "$(wc -l <"$work/errors") lines on standard error, the first: $(head -n 3 "$work/errors")"
echo "7 sounds asked for without a sound server, nothing on standard error"
