# Sourced after scripts/lib/privateDisplay.sh (its $work, $pids and their clean-up) by the scripts
# that play the game's sounds through a sound server of their own. Gives them:
#   startSound      starts PulseAudio with one null sink, "velquist", in $work/sound (or the folder
#                   of $work named), sets $soundPid and exports PULSE_SERVER for the programs
#                   started after it; answers non-zero, with the server's log on stderr, if it
#                   does not take clients;
#   startPipeWire   the same with PipeWire, as Debian's desktops run it: pipewire with a null sink
#                   "velquist", WirePlumber making it the default, and pipewire-pulse serving
#                   PulseAudio's clients; $soundPid is pipewire-pulse;
#   soundServerTools, startSoundServer  given a server's name, pulseaudio or pipewire: the
#                   commands it needs, one a line (non-zero for another name); or it started;
#   startRecording  records the sink's monitor into the file given: raw 16-bit mono samples at
#                   $soundRate a second, starting only once the recording runs;
#   recorded, recordedPast  how many seconds the recording holds so far; whether it holds more
#                   than the seconds given;
#   sounds          the sounds in a recording, one a line: its start and length in seconds and its
#                   peak (of 32767), a sound being what rises above $soundOn and ends with 50 ms
#                   below $soundOff;
#   heardAfter      given a file of sounds and one of events (moments in the recording, in
#                   seconds, in order), the sound that follows each event: how many milliseconds
#                   after it the sound starts and how many seconds it lasts, or "missed". Each
#                   sound follows one event at most, the first after it in time; a sound may start
#                   up to 20 ms before its event (a negative figure), the recording's own jitter:
#                   the sink mixes a new stream's first buffer ahead of the moment parec is at.

soundRate=8000 # samples a second in a recording
soundOn=2000   # peak that starts a sound: about -24 dB of full scale
soundOff=300   # peak below which a sound is over: about -40 dB

startSound() {
    local folder="$work/${1:-sound}"
    mkdir -p "$folder/run" "$folder/state" "$folder/config"
    # Everything the server reads and writes in its own folder: no user's or system's set-up.
    # -n: no default script, only the modules named; the null sink never rewinds what it has
    # mixed, so its monitor hears what the sink played, once, in order. The socket lets anyone
    # in, since the game may run as another user.
    env HOME="$folder" XDG_CONFIG_HOME="$folder/config" PULSE_RUNTIME_PATH="$folder/run" \
        PULSE_STATE_PATH="$folder/state" pulseaudio -n --daemonize=no --system=no \
        --exit-idle-time=-1 --use-pid-file=no --log-target=stderr \
        --load="module-null-sink sink_name=velquist norewinds=1" \
        --load="module-native-protocol-unix auth-anonymous=1 socket=$folder/native" \
        2>"$folder/pulse.log" &
    soundPid=$!
    pids+=($!)
    PULSE_SERVER="unix:$folder/native"
    export PULSE_SERVER
    if ! waitFor 30 pactl info >/dev/null 2>&1; then
        cat "$folder/pulse.log" >&2
        return 1
    fi
    chmod 777 "$folder/native"
}

startPipeWire() {
    local folder="$work/${1:-sound}" bus
    mkdir -p "$folder/run" "$folder/state" "$folder/config/pipewire/pipewire.conf.d"
    chmod 700 "$folder/run"
    cat >"$folder/config/pipewire/pipewire.conf.d/velquist.conf" <<'END'
context.objects = [
    { factory = adapter
      args = { factory.name = support.null-audio-sink node.name = "velquist"
               media.class = "Audio/Sink" audio.position = [ FL FR ] } }
]
END
    # WirePlumber wants a session bus; the daemons are given this one alone.
    dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$folder/bus" 2>/dev/null &
    pids+=($!)
    waitFor 30 test -s "$folder/bus" || return 1
    bus=$(head -n1 "$folder/bus")
    local daemon=(env -u PULSE_SERVER -u DISPLAY HOME="$folder" XDG_RUNTIME_DIR="$folder/run"
        PIPEWIRE_RUNTIME_DIR="$folder/run" PULSE_RUNTIME_PATH="$folder/run/pulse"
        XDG_CONFIG_HOME="$folder/config" XDG_STATE_HOME="$folder/state"
        DBUS_SESSION_BUS_ADDRESS="$bus")
    "${daemon[@]}" pipewire >"$folder/pipewire.log" 2>&1 &
    pids+=($!)
    waitFor 30 test -S "$folder/run/pipewire-0" || { cat "$folder/pipewire.log" >&2 && return 1; }
    "${daemon[@]}" wireplumber >"$folder/wireplumber.log" 2>&1 &
    pids+=($!)
    "${daemon[@]}" pipewire-pulse >"$folder/pulse.log" 2>&1 &
    soundPid=$!
    pids+=($!)
    PULSE_SERVER="unix:$folder/run/pulse/native"
    export PULSE_SERVER
    # Ready once the null sink is the default, which WirePlumber decides.
    if ! waitFor 30 defaultSinkIs velquist; then
        cat "$folder"/*.log >&2
        return 1
    fi
    chmod 755 "$folder/run" "$folder/run/pulse"
    chmod 777 "$folder/run/pulse/native"
}
defaultSinkIs() { [[ $(pactl get-default-sink 2>/dev/null) == "$1" ]]; }

soundServerTools() {
    case $1 in
    pulseaudio) echo pulseaudio ;;
    pipewire) printf '%s\n' pipewire wireplumber pipewire-pulse dbus-daemon ;;
    *) return 1 ;;
    esac
}
startSoundServer() {
    case $1 in
    pulseaudio) startSound ;;
    pipewire) startPipeWire ;;
    *) return 1 ;;
    esac
}

startRecording() {
    : >"$1" # there from the start, for recorded
    # 10 ms fragments keep the sink mixing no further ahead than that.
    parec -d velquist.monitor --raw --format=s16le --channels=1 --rate="$soundRate" \
        --latency-msec=10 >"$1" &
    pids+=($!)
    recording=$1
    waitFor 30 recordingRuns
}
recordingRuns() { (($(stat -c %s "$recording") > soundRate)); } # half a second recorded

recorded() {
    echo "$(stat -c %s "$recording") $soundRate" | awk '{ printf "%.3f\n", $1 / 2 / $2 }'
}
recordedPast() { awk -v now="$(recorded)" -v moment="$1" 'BEGIN { exit !(now > moment) }'; }

sounds() {
    od -An -v -t d2 -w2 "$1" | awk -v rate="$soundRate" -v on="$soundOn" -v off="$soundOff" '
        function window() {
            if (!inSound && peak > on) { inSound = 1; start = n; top = 0; quiet = 0 }
            if (inSound) {
                top = peak > top ? peak : top
                quiet = peak < off ? quiet + 1 : 0
                if (quiet == 5) { report(); inSound = 0 }
            }
            peak = 0; n++
        }
        function report() { printf "%.3f %.3f %d\n", start / 100, (n - 4 - start) / 100, top }
        { v = $1 < 0 ? -$1 : $1; peak = v > peak ? v : peak; if (++i % (rate / 100) == 0) window() }
        END { if (inSound) report() }'
}

heardAfter() {
    awk 'FILENAME == ARGV[1] { start[++count] = $1; length_[count] = $2; next }
        { while (n < count && start[n + 1] < $1 - 0.02) n++
          if (n == count) { print "missed"; next }
          n++
          printf "%.0f %.3f\n", 1000 * (start[n] - $1), length_[n] }' "$1" "$2"
}
