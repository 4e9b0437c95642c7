#!/usr/bin/env bash
# A sound server that stops answering must not keep the game from ending: the sound player is
# started against a frozen PulseAudio (stopped, its socket still open) and must end on its own.
#
# Usage: sound_server_frozen.sh <sound_plays_app>
# Exits 77 (skipped) only when PulseAudio is missing or cannot start here.
set -euo pipefail

readonly app=$1
source "$(dirname "$0")/e2e_common.sh"
source "$(dirname "$0")/sound_server.sh"
poll_seconds=0.05

start_pulseaudio
kill -STOP "$server_pid"
"$app" SNDCLICK:1:0 >"$work/plays" 2>"$work/app.log" &
app_pid=$!
pids+=("$app_pid")
app_gone() { ! kill -0 "$app_pid" 2>/dev/null; }
ended=yes
wait_for 30 app_gone || ended=no
# A stopped server would not end on the cleanup's signal.
kill -CONT "$server_pid"
[[ $ended == yes ]] || fail "the player did not end while the sound server was frozen"
wait "$app_pid" || fail "the player exited with status $?"
echo "the player ended while the sound server was frozen"
