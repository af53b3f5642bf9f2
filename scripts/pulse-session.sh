# Sourced by the test command (and usable by hand): a private PulseAudio daemon for the sound tests.
# It has one null sink named like the device and a virtual source fed by the sink's monitor, both
# the defaults, so Wine's audio driver sees a real playback and a real capture endpoint, and what
# is played into the sink can be recorded from the source. The daemon lives in its own runtime
# folder and answers only on its own socket: a sound server the machine already runs is never
# touched.
#
#   source scripts/pulse-session.sh && pulse_session_start   # exports PULSE_SERVER and friends
#   ...                                                        # run Wine programs
#   pulse_session_stop

VORMA_PULSE_SINK_DESCRIPTION=${VORMA_PULSE_SINK_DESCRIPTION:-Speakers (72xx USB Audio 7201)}
VORMA_PULSE_SOURCE_DESCRIPTION=${VORMA_PULSE_SOURCE_DESCRIPTION:-Microphone (72xx USB Audio 7201)}

pulse_session_start() {
  VORMA_PULSE_DIR=$(mktemp -d /tmp/vorma-pulse.XXXXXX)
  mkdir -p "$VORMA_PULSE_DIR/runtime" "$VORMA_PULSE_DIR/state" "$VORMA_PULSE_DIR/home"
  chmod 700 "$VORMA_PULSE_DIR/runtime"
  local socket="$VORMA_PULSE_DIR/runtime/native"
  cat >"$VORMA_PULSE_DIR/default.pa" <<PA
load-module module-native-protocol-unix auth-anonymous=1 socket=$socket
load-module module-null-sink sink_name=vorma_speakers rate=48000 sink_properties="device.description='$VORMA_PULSE_SINK_DESCRIPTION'"
load-module module-virtual-source source_name=vorma_microphone master=vorma_speakers.monitor source_properties="device.description='$VORMA_PULSE_SOURCE_DESCRIPTION'"
set-default-sink vorma_speakers
set-default-source vorma_microphone
PA
  export PULSE_RUNTIME_PATH="$VORMA_PULSE_DIR/runtime"
  export PULSE_STATE_PATH="$VORMA_PULSE_DIR/state"
  export PULSE_SERVER="unix:$socket"
  export PULSE_COOKIE="$VORMA_PULSE_DIR/cookie"
  # A client without a cookie file would look for one in $HOME; the anonymous socket needs none.
  : >"$PULSE_COOKIE"
  HOME="$VORMA_PULSE_DIR/home" pulseaudio --daemonize=no --exit-idle-time=-1 --disable-shm=yes -n \
    -F "$VORMA_PULSE_DIR/default.pa" --log-target=file:"$VORMA_PULSE_DIR/pulseaudio.log" >/dev/null 2>&1 &
  VORMA_PULSE_PID=$!
  local attempt
  for attempt in $(seq 100); do
    if pactl info >/dev/null 2>&1 && pactl list short sources 2>/dev/null | grep -q vorma_microphone; then
      pactl set-default-sink vorma_speakers && pactl set-default-source vorma_microphone
      return 0
    fi
    kill -0 "$VORMA_PULSE_PID" 2>/dev/null || break
    sleep 0.1
  done
  echo "PulseAudio did not start; its log:" >&2
  cat "$VORMA_PULSE_DIR/pulseaudio.log" >&2 2>/dev/null || true
  pulse_session_stop
  return 1
}

pulse_session_stop() {
  if [ -n "${VORMA_PULSE_PID:-}" ]; then
    kill "$VORMA_PULSE_PID" 2>/dev/null || true
    wait "$VORMA_PULSE_PID" 2>/dev/null || true
    VORMA_PULSE_PID=
  fi
  [ -n "${VORMA_PULSE_DIR:-}" ] && rm -rf "$VORMA_PULSE_DIR"
  VORMA_PULSE_DIR=
  unset PULSE_SERVER PULSE_RUNTIME_PATH PULSE_STATE_PATH PULSE_COOKIE
}
