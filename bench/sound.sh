#!/usr/bin/env bash
# The sound benchmarks (bench/soundBench.cpp) against a sound server of their own, recorded: how
# long PlaySoundA takes to return, and how long a hit takes to be heard, from the moment it is
# played to the start of its sound in the recording of the server's sink.
#   bash bench/sound.sh [build folder, configured with -DVELQUIST_BENCH=ON] [pulseaudio|pipewire]
# Says it is skipped, and exits 0, where that server is not installed or does not start.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bench=$(realpath "${1:-$root/build}")/bench/velquist_bench
[[ -x "$bench" ]] || { echo "sound bench: no $bench: build with -DVELQUIST_BENCH=ON" >&2; exit 1; }
source "$root/scripts/lib/privateDisplay.sh"
source "$root/scripts/lib/privateSound.sh"
server=${2:-pulseaudio}
tools=$(soundServerTools "$server") || { echo "sound bench: no server '$server'" >&2 && exit 1; }
for tool in $tools pactl parec; do
    command -v "$tool" >/dev/null || { echo "sound bench: skipped, no $tool"; exit 0; }
done
startSoundServer "$server" || { echo "sound bench: skipped, $server did not start"; exit 0; }
startRecording "$work/heard.raw"

# The hits first, while the recording is quiet; then the calls, 2 ms apart.
VELQUIST_RECORDING="$work/heard.raw" "$bench" --benchmark_filter=hitHeard
sleep 1
"$bench" --benchmark_filter='playSoundReturns|waveOutGetNumDevs'
sounds "$work/heard.raw" >"$work/sounds"
awk -v rate="$soundRate" '{ print $1 / 2 / rate }' "$work/heard.raw.plays" >"$work/hits"
# Twelve hits 150 ms apart, then twelve each after the output closed when idle.
heardAfter "$work/sounds" "$work/hits" >"$work/heard"
for part in "1,12p quick" "13,24p after idle"; do
    sed -n "${part%% *}" "$work/heard" | sort -n | awk -v name="${part#* }" '
    /missed/ { missed++; next }
    { late[++n] = $1 }
    END { printf "%s: hit heard after (ms): min %d, median %d, max %d; %d of %d hits heard\n",
        name, late[1], late[int((n + 1) / 2)], late[n], n, n + missed }'
done
