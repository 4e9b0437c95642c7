# Shared by the sound scripts: a private sound server with a null sink named "game" (PulseAudio,
# or PipeWire with its PulseAudio front end), its monitor recorded, and the stretches of sound
# found in the recording. Source it after e2e_common.sh. Every socket, cookie and setting lives
# in the work folder, and no client may start a server of its own.

readonly rate=8000                 # recorded samples per second
readonly window_ms=5               # loudness is measured in windows of this length
readonly threshold=800             # a window louder than this (of 32767) holds sound
readonly early_ms=100              # how far the recording's clock may run ahead of the player's

now_ms() { date +%s%3N; }

private_session() {
  export HOME=$work/home XDG_RUNTIME_DIR=$work/run XDG_CONFIG_HOME=$work/config
  mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME"
  chmod 700 "$XDG_RUNTIME_DIR"
  export PULSE_RUNTIME_PATH=$XDG_RUNTIME_DIR/pulse
  printf 'autospawn = no\n' >"$work/client.conf"
  export PULSE_CLIENTCONFIG=$work/client.conf
  command -v parecord >/dev/null || skip "parecord (pulseaudio-utils) is not installed"
  start_session_bus
}

# Waits for the server of pid $1 to answer; skips when it dies or stays silent.
await_server() {
  local pid=$1 name=$2 log=$3
  server_up() { pactl info >/dev/null 2>&1 || ! kill -0 "$pid" 2>/dev/null; }
  wait_for 10 server_up || true
  pactl info >/dev/null 2>&1 || { cat "$log"; skip "$name could not start"; }
}

start_pulseaudio() {
  command -v pulseaudio >/dev/null || skip "pulseaudio is not installed"
  private_session
  sound_server=pulseaudio
  export PULSE_SERVER=unix:$XDG_RUNTIME_DIR/sound.sock
  pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --disable-shm \
    --load="module-null-sink sink_name=game" \
    --load="module-native-protocol-unix socket=$XDG_RUNTIME_DIR/sound.sock auth-anonymous=1" \
    --load="module-suspend-on-idle" \
    >"$work/pulseaudio.log" 2>&1 &
  server_pid=$!
  pids+=("$server_pid")
  await_server "$server_pid" pulseaudio "$work/pulseaudio.log"
}

# The session manager is kept away from the machine's sound, camera and Bluetooth devices.
start_pipewire() {
  local p
  for p in pipewire wireplumber pipewire-pulse pw-record; do
    command -v $p >/dev/null || skip "$p is not installed"
  done
  private_session
  sound_server=pipewire
  mkdir -p "$XDG_CONFIG_HOME/wireplumber/main.lua.d" "$XDG_CONFIG_HOME/wireplumber/bluetooth.lua.d"
  printf '%s = false\n' alsa_monitor.enabled v4l2_monitor.enabled libcamera_monitor.enabled \
    >"$XDG_CONFIG_HOME/wireplumber/main.lua.d/60-no-devices.lua"
  printf 'bluez_monitor.enabled = false\n' >"$XDG_CONFIG_HOME/wireplumber/bluetooth.lua.d/60-no-devices.lua"
  export PULSE_SERVER=unix:$XDG_RUNTIME_DIR/pulse/native
  pipewire >"$work/pipewire.log" 2>&1 &
  pids+=($!)
  # Its clients give up at once when its socket is not there yet.
  wait_for 10 test -S "$XDG_RUNTIME_DIR/pipewire-0" || { cat "$work/pipewire.log"; skip "pipewire could not start"; }
  wireplumber >"$work/wireplumber.log" 2>&1 &
  pids+=($!)
  pipewire-pulse >"$work/pipewire-pulse.log" 2>&1 &
  server_pid=$!
  pids+=("$server_pid")
  await_server "$server_pid" pipewire-pulse "$work/pipewire-pulse.log"
  pactl load-module module-null-sink sink_name=game >/dev/null
  has_sink() { pactl list short sinks | grep -q '[[:space:]]game[[:space:]]'; }
  wait_for 10 has_sink || fail "PipeWire made no null sink"
  # Until the session manager has published the defaults, the server answers "Not supported".
  default_sink() { pactl set-default-sink game 2>/dev/null; }
  wait_for 10 default_sink || fail "PipeWire takes no default sink"
}

# Records the sink's monitor as mono samples of 16 bits, each server with its own recorder: on
# PipeWire, the recorder of its PulseAudio front end now and then heard 20 ms more inside a sound
# than PipeWire's own recorder heard of the same play. The monitor delivers samples in real time
# once it runs, but starts late: rec_start, the time of the first sample, is taken from how much
# has been written at several moments (the least delayed reading wins).
start_recording() {
  if [[ $sound_server == pipewire ]]; then
    recording=$work/recording.wav header_bytes=44  # a wave header at the least
    pw-record --target game -P '{ stream.capture.sink=true }' --rate $rate --channels 1 --format s16 \
      --latency 10ms "$recording" 2>"$work/recorder.log" &
  else
    recording=$work/recording.raw header_bytes=0
    parecord --raw --format=s16le --rate=$rate --channels=1 --latency-msec=10 \
      --device=game.monitor "$recording" 2>"$work/recorder.log" &
  fi
  pids+=($!)
  recording() { (($(stat -c %s "$recording" 2>/dev/null || echo 0) > header_bytes)); }
  wait_for 10 recording || fail "the recorder records nothing"
  # A wave file's samples follow the header's "data" mark and the 4 bytes of their length.
  ((header_bytes == 0)) || header_bytes=$(($(grep -m1 -obUa data "$recording" | head -n 1 | cut -d: -f1) + 8))
  local probe t bytes start
  rec_start=
  for ((probe = 0; probe < 20; probe++)); do
    t=$(now_ms)
    bytes=$(($(stat -c %s "$recording") - header_bytes))
    start=$((t - bytes / 2 * 1000 / rate))
    [[ -z $rec_start ]] || ((start < rec_start)) && rec_start=$start
    sleep 0.05
  done
}

# The sounds heard: "onset_ms end_ms" per stretch of sound, in milliseconds since the epoch;
# gaps shorter than 30 ms belong to the sound around them.
sounds_heard() {
  od -An -v -td2 -w2 -j"$header_bytes" "$recording" | awk -v per=$((rate * window_ms / 1000)) \
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
