#!/usr/bin/env bash
# Measures the whole program as a person runs it, side by side in one run with its peer, Tux
# Typing (Fish Cascade, also on SDL_mixer), and a bare X11 client (xclock, redrawn once a second):
# each on a private Xvfb screen (1280 x 800) under openbox, driven with xdotool, with a PulseAudio
# of its own (a null sink), as every desktop now has a sound server. For each run it prints
#   - the time from start to the first visible window;
#   - the processor use while playing level 1, as a percentage of one core, and of it the sound
#     server's share: the server's own processor time over the same window;
#   - the same while paused (Velquist only; the peer and the clock have nothing to pause);
#   - Velquist's peak memory (VmHWM);
# and at the end the medians, with the cost per frame drawn: Velquist draws 33.3 frames a
# second, Tux Typing 15 (its Fish Cascade loop waits out 1000/15 ms a frame), the clock 1.
#
#   bash bench/measure.sh [build-folder]        (default build; build it first, optimised)
#
# MEASURE_RUNS (default 3), MEASURE_PLAY_SECONDS (12) and MEASURE_PAUSE_SECONDS (10) change the
# number of runs and the measured times. The peer is left out, with a word, where it is not
# installed (apt install tuxtype); so is the clock without x11-apps.
#
# Processor use is a process's user + system time from /proc/PID/stat (its threads, those that
# ended too) over wall time; what X spends drawing for it is in the Xvfb process, not counted.
# The figures move with the rest of the machine: on a virtual machine whose processors are
# otherwise idle, every wake-up of a program costs more.
#
# Level 1 cannot be held for long by playing: five hits end it, and a letter reaches the bottom
# within a few seconds. So Velquist's play time is made of short windows, each in a new game:
# New Game, the banner left out, then 1.8 seconds of level 1 with the letters falling and a key
# typed every 0.45 seconds (too few for five hits, too short for a letter to reach the bottom).
# Velquist's paused time starts a second after Insert, its last sound over by then. Tux
# Typing plays Fish Cascade, Easy, Short Words, for the whole play time, typed at the same pace.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

build=${1:-build}
runs=${MEASURE_RUNS:-3}
play_seconds=${MEASURE_PLAY_SECONDS:-12}
pause_seconds=${MEASURE_PAUSE_SECONDS:-10}
peer=/usr/games/tuxtype

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
for tool in Xvfb openbox xdotool pulseaudio pactl import; do
    command -v "$tool" >/dev/null || {
        echo "measure: $tool is missing (bash scripts/setup.sh installs it)" >&2
        exit 1
    }
done
subjects=(velquist)
if [[ -x "$peer" ]]; then
    subjects+=(tuxtype)
else
    echo "measure: the peer is not installed, measuring without it: apt install tuxtype" >&2
fi
if command -v xclock >/dev/null; then
    subjects+=(xclock)
else
    echo "measure: xclock is not installed, measuring without it: apt install x11-apps" >&2
fi
declare -A fps=([velquist]=33.3 [tuxtype]=15 [xclock]=1)

source scripts/lib/privateDisplay.sh
source scripts/lib/privateSound.sh

startDisplay 1280x800x24 || {
    echo "measure: Xvfb did not start" >&2
    exit 1
}
unset QT_QPA_PLATFORM
startWindowManager || {
    echo "measure: openbox did not start" >&2
    exit 1
}

ticks_per_second=$(getconf CLK_TCK)
now_ns() { date +%s%N; }
# Processor time of the process so far, in clock ticks. Fields after the command name, which is
# in brackets and may hold spaces.
stat_ticks() { sed 's/^.*) //' "/proc/$1/stat" | awk '{ print $12 + $13 }'; }

# A measured window: mark notes the wall time and the two processes' times at its start, tally
# adds what passed since to the totals of the window's kind ($1: play or pause).
mark() { t0=$(now_ns) p0=$(stat_ticks "$pid") s0=$(stat_ticks "$soundPid"); }
tally() {
    local t1 p1 s1
    t1=$(now_ns) p1=$(stat_ticks "$pid") s1=$(stat_ticks "$soundPid")
    ((wall[$1] += t1 - t0, own[$1] += p1 - p0, server[$1] += s1 - s0)) || true
}
# Percent of one core: ticks of the program and its server together, and of the server alone.
percent() {
    awk -v o="${own[$1]}" -v s="${server[$1]}" -v w="${wall[$1]}" -v hz="$ticks_per_second" \
        'BEGIN { printf "%.2f %.2f\n", 100 * (o + s) / hz / (w / 1e9), 100 * s / hz / (w / 1e9) }'
}
median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# Starts the subject ($1) from its own folder with its own sound server; sets $pid, $window and
# the time to its first visible window, $first.
launch() {
    local folder="$work/$1-$run" name start
    mkdir -p "$folder/home"
    startSound "sound-$1-$run" || {
        echo "measure: PulseAudio did not start" >&2
        exit 1
    }
    case $1 in
    velquist) cp "$build/velquist" "$build/hit.wav" "$build/default.wav" "$folder/" &&
        set -- "$folder/velquist" && name='^Velquist$' ;;
    tuxtype) set -- "$peer" --window && name='^Tux Typing$' ;;
    xclock) set -- xclock -update 1 && name='^xclock$' ;;
    esac
    start=$(now_ns)
    (cd "$folder" && HOME="$folder/home" exec "$@") >"$folder/log" 2>&1 &
    pid=$!
    pids+=("$pid")
    window=""
    while [[ -z "$window" ]]; do
        window=$(xdotool search --onlyvisible --name "$name" 2>/dev/null | head -n1 || true)
        kill -0 "$pid" 2>/dev/null || {
            echo "measure: $1 ended" >&2
            cat "$folder/log" >&2
            exit 1
        }
        (($(now_ns) - start < 20000000000)) || {
            echo "measure: no window of $1 after 20 s" >&2
            exit 1
        }
    done
    first=$(awk -v ns=$(($(now_ns) - start)) 'BEGIN { printf "%.3f\n", ns / 1e9 }')
    sleep 1 # the layout settles
}

# Ends the subject and its sound server; Tux Typing does not end on SIGTERM.
finish() {
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    kill "$soundPid"
    wait "$soundPid" 2>/dev/null || true
}

letters=(a b c d e f g h i j k l m n o p q r s t u v w x y z)
typeAWhile() { # $1 keys, 0.45 s apart
    for ((i = 0; i < $1; i++)); do
        xdotool key "${letters[letter++ % 26]}"
        sleep 0.45
    done
}

# Presses New Game: it sits in the strip under the play area, 556 pixels from the client area's
# left edge and 32 above its bottom.
newGame() {
    local height
    height=$(xdotool getwindowgeometry --shell "$window" | sed -n 's/^HEIGHT=//p')
    xdotool mousemove --window "$window" 556 $((height - 32)) click 1
}

play_velquist() {
    while ((wall[play] < play_seconds * 1000000000)); do
        newGame
        sleep 1.7 # the banner's 51 ticks, and a little more
        mark && typeAWhile 4 && tally play
    done
    newGame
    sleep 2
    xdotool key Insert
    sleep 1 # nothing of the play left in the measured pause
    mark && sleep "$pause_seconds" && tally pause
    peak=$(awk '/^VmHWM:/ { printf "%.1f\n", $2 / 1024 }' "/proc/$pid/status")
}

# Fish Cascade (the first item of the main menu, clicked), then Return on Easy and on Short Words,
# the first items of the next two menus. A key typed while a menu is still coming up is lost; the
# word list is the one screen that stands still, so Return goes again while the screen does.
play_tuxtype() {
    xdotool mousemove --window "$window" 315 127 click 1 mousemove 0 0 sleep 3 key Return sleep 3 \
        key Return
    local tries
    for tries in 1 2 3 4; do
        sleep 2
        ! standsStill || break
        xdotool key Return
    done
    ! standsStill || {
        echo "measure: Tux Typing's game did not start" >&2
        exit 1
    }
    mark && typeAWhile $((play_seconds * 20 / 9)) && tally play
}
standsStill() {
    import -window "$window" -strip "$work/before.png" && sleep 0.3
    import -window "$window" -strip "$work/after.png"
    cmp -s "$work/before.png" "$work/after.png"
}

play_xclock() { mark && sleep "$play_seconds" && tally play; }

declare -A results
letter=0
for run in $(seq "$runs"); do
    for subject in "${subjects[@]}"; do
        declare -A wall=([play]=0 [pause]=0) own=([play]=0 [pause]=0) server=([play]=0 [pause]=0)
        peak=""
        launch "$subject"
        "play_$subject"
        finish
        read -r playing playing_server <<<"$(percent play)"
        paused="" paused_server=""
        ((wall[pause])) && read -r paused paused_server <<<"$(percent pause)"
        results[$subject]+="$first $playing $playing_server ${paused:--} ${paused_server:--};"
        printf 'run %d, %s: first window %s s; playing %s%% of one core (server %s%%)' \
            "$run" "$subject" "$first" "$playing" "$playing_server"
        [[ -n "$paused" ]] && printf '; paused %s%% (server %s%%)' "$paused" "$paused_server"
        [[ -n "$peak" ]] && printf '; peak memory %s MiB' "$peak"
        echo
    done
done

# The medians, as a Markdown table.
printf '\nmedian of %d runs, percent of one core, program and its sound server together:\n\n' "$runs"
echo "| | Playing | of it, the server | Paused | of it, the server | First window | Per frame |"
echo "|---|---|---|---|---|---|---|"
for subject in "${subjects[@]}"; do
    IFS=';' read -ra rows <<<"${results[$subject]}"
    column() { median "$(for row in "${rows[@]}"; do awk -v c="$1" '{ print $c }' <<<"$row"; done)"; }
    playing=$(column 2)
    cells=("$playing" "$(column 3)")
    if [[ $(awk '{ print $4 }' <<<"${rows[0]}") == - ]]; then
        cells+=(- -)
    else
        cells+=("$(column 4)%" "$(column 5)%")
    fi
    per_frame=$(awk -v p="$playing" -v f="${fps[$subject]}" 'BEGIN { printf "%.4f", p / f }')
    printf '| %s | %s%% | %s%% | %s | %s | %s s | %s%% at %s fps |\n' "$subject" "${cells[0]}" \
        "${cells[1]}" "${cells[2]}" "${cells[3]}" "$(column 1)" "$per_frame" "${fps[$subject]}"
done
