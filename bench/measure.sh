#!/usr/bin/env bash
# Measures the whole program as a person runs it: the real window on a private Xvfb screen
# (1280 x 800) under openbox, driven with xdotool. For each run it prints
#   - the time from start to the first visible window;
#   - the processor use while playing level 1, as a percentage of one core;
#   - the processor use while paused;
#   - the peak memory (VmHWM);
# and at the end the median of the runs.
#
#   bash bench/measure.sh [build-folder]        (default build; build it first, optimised)
#
# MEASURE_RUNS (default 3), MEASURE_PLAY_SECONDS (20) and MEASURE_PAUSE_SECONDS (10) change the
# number of runs and the measured times.
#
# Processor use is the program's own user + system time from /proc/PID/stat over wall time, all
# its threads together; what X spends drawing for it is in the Xvfb process, not counted here.
# The same figure from /proc/PID/task/*/schedstat, which counts nanoseconds rather than 10 ms
# clock ticks, is shown in brackets. The figures move with the rest of the machine: on a virtual
# machine whose processors are otherwise idle, every wake-up of the program costs more.
#
# Level 1 cannot be held for 20 seconds by playing: five hits end it, and a letter reaches the
# bottom within a few seconds. So the play time is made of short windows, each in a new game:
# New Game, the banner left out, then 1.8 seconds of level 1 with the letters falling and a key
# typed every half second (too few for five hits, too short for a letter to reach the bottom).
# Higher levels are not measured here: typing blindly does not reach them (the game ends first),
# and the game has no way to start at a given level. The benchmarks cover a tick at level 20.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

build=${1:-build}
runs=${MEASURE_RUNS:-3}
play_seconds=${MEASURE_PLAY_SECONDS:-20}
pause_seconds=${MEASURE_PAUSE_SECONDS:-10}

if [[ ! -x "$build/velquist" ]]; then
    echo "measure: $build/velquist not found; build it first:" >&2
    echo "  cmake -S . -B $build -DCMAKE_BUILD_TYPE=Release && cmake --build $build -j2" >&2
    exit 1
fi
build_type=$(sed -n 's/^CMAKE_BUILD_TYPE:STRING=//p' "$build/CMakeCache.txt" 2>/dev/null || true)
case "$build_type" in
Release | RelWithDebInfo | MinSizeRel) ;;
*) echo "measure: warning: $build is a '${build_type:-default}' build, not optimised" >&2 ;;
esac
for tool in Xvfb openbox xdotool pulseaudio pactl; do
    command -v "$tool" >/dev/null || {
        echo "measure: $tool is missing (bash scripts/setup.sh installs it)" >&2
        exit 1
    }
done

source scripts/lib/privateDisplay.sh
source scripts/lib/privateSound.sh

# --- The display ------------------------------------------------------------------------------
startDisplay 1280x800x24 || {
    echo "measure: Xvfb did not start" >&2
    exit 1
}
unset QT_QPA_PLATFORM
startWindowManager || {
    echo "measure: openbox did not start" >&2
    exit 1
}
# A sound server, as a player has: the game keeps its output open while it runs.
startSound || {
    echo "measure: PulseAudio did not start" >&2
    exit 1
}

ticks_per_second=$(getconf CLK_TCK)

now_ns() { date +%s%N; }

# Processor time of the process so far: clock ticks from stat, and nanoseconds from schedstat.
stat_ticks() {
    # Fields after the command name, which is in brackets and may hold spaces.
    local rest
    rest=$(sed 's/^.*) //' "/proc/$1/stat")
    awk '{ print $12 + $13 }' <<<"$rest"
}
sched_ns() {
    cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ sum += $1 } END { printf "%d\n", sum }'
}

# Percentages of one core from processor time and wall time.
percent_ticks() { awk -v t="$1" -v w="$2" -v hz="$ticks_per_second" \
    'BEGIN { printf "%.3f\n", 100 * (t / hz) / (w / 1e9) }'; }
percent_ns() { awk -v t="$1" -v w="$2" 'BEGIN { printf "%.3f\n", 100 * t / w }'; }

median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# Presses New Game: it sits in the strip under the play area, 556 pixels from the client area's
# left edge and 32 above its bottom.
new_game() {
    local height
    height=$(xdotool getwindowgeometry --shell "$1" | sed -n 's/^HEIGHT=//p')
    xdotool mousemove --window "$1" 556 $((height - 32)) click 1
}

starts=() playing=() playing_ns=() paused=() paused_ns=() peaks=()
for run in $(seq "$runs"); do
    folder="$work/run$run"
    mkdir -p "$folder"
    cp "$build/velquist" "$folder/"
    [[ -f "$build/hit.wav" ]] && cp "$build/hit.wav" "$folder/"

    # --- Start to the first window ---------------------------------------------------------
    start=$(now_ns)
    "$folder/velquist" >"$folder/velquist.log" 2>&1 &
    pid=$!
    pids+=("$pid")
    window=""
    while [[ -z "$window" ]]; do
        window=$(xdotool search --onlyvisible --name '^Velquist$' 2>/dev/null | head -n1 || true)
        if ! kill -0 "$pid" 2>/dev/null; then
            echo "measure: the program ended" >&2
            cat "$folder/velquist.log" >&2
            exit 1
        fi
        if (($(now_ns) - start > 20000000000)); then
            echo "measure: no window after 20 s" >&2
            exit 1
        fi
    done
    shown=$(now_ns)
    starts+=("$(awk -v ns=$((shown - start)) 'BEGIN { printf "%.3f\n", ns / 1e9 }')")
    sleep 1 # the maximised layout settles

    # --- Level 1 in play -------------------------------------------------------------------
    cpu_ticks=0 cpu_ns=0 wall=0 letter=0
    letters=(a b c d e f g h i j k l m n o p q r s t u v w x y z)
    while ((wall < play_seconds * 1000000000)); do
        new_game "$window"
        sleep 1.7 # the banner's 51 ticks, and a little more
        t0=$(now_ns) c0=$(stat_ticks "$pid") s0=$(sched_ns "$pid")
        for _ in 1 2 3 4; do
            xdotool key "${letters[letter % 26]}"
            letter=$((letter + 1))
            sleep 0.45
        done
        t1=$(now_ns) c1=$(stat_ticks "$pid") s1=$(sched_ns "$pid")
        wall=$((wall + t1 - t0)) cpu_ticks=$((cpu_ticks + c1 - c0)) cpu_ns=$((cpu_ns + s1 - s0))
    done
    playing+=("$(percent_ticks "$cpu_ticks" "$wall")")
    playing_ns+=("$(percent_ns "$cpu_ns" "$wall")")

    # --- Paused ----------------------------------------------------------------------------
    new_game "$window"
    sleep 2
    xdotool key Insert
    sleep 1
    t0=$(now_ns) c0=$(stat_ticks "$pid") s0=$(sched_ns "$pid")
    sleep "$pause_seconds"
    t1=$(now_ns) c1=$(stat_ticks "$pid") s1=$(sched_ns "$pid")
    paused+=("$(percent_ticks $((c1 - c0)) $((t1 - t0)))")
    paused_ns+=("$(percent_ns $((s1 - s0)) $((t1 - t0)))")

    # --- Peak memory -----------------------------------------------------------------------
    peak_kib=$(awk '/^VmHWM:/ { print $2 }' "/proc/$pid/status")
    peaks+=("$(awk -v k="$peak_kib" 'BEGIN { printf "%.1f\n", k / 1024 }')")

    kill "$pid"
    wait "$pid" 2>/dev/null || true

    printf 'run %d: first window %s s; level 1 %s%% (%s%%) of one core; paused %s%% (%s%%); ' \
        "$run" "${starts[-1]}" "${playing[-1]}" "${playing_ns[-1]}" "${paused[-1]}" \
        "${paused_ns[-1]}"
    printf 'peak memory %s MiB\n' "${peaks[-1]}"
done

printf '\nmedian of %d runs:\n' "$runs"
printf '  first window        %s s\n' "$(median "${starts[@]}")"
printf '  playing level 1     %s%% of one core (%s%% by schedstat)\n' \
    "$(median "${playing[@]}")" "$(median "${playing_ns[@]}")"
printf '  paused              %s%% of one core (%s%% by schedstat)\n' \
    "$(median "${paused[@]}")" "$(median "${paused_ns[@]}")"
printf '  peak memory         %s MiB\n' "$(median "${peaks[@]}")"
