#!/usr/bin/env bash
# Runs the command given with a sound server of its own (scripts/lib/privateSound.sh), named by
# PULSE_SERVER, its process in VELQUIST_SOUND_SERVER_PID, and stops the server after it:
#   bash tests/withSoundServer.sh pulseaudio|pipewire COMMAND...
# Without that server it exits 77 (skipped), or fails under CI, where the set-up must have
# installed it.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/lib/privateDisplay.sh"
source "$root/scripts/lib/privateSound.sh"
server=$1
shift
if ! tools=$(soundServerTools "$server"); then
    echo "withSoundServer: no server '$server'" >&2
    exit 1
fi
for tool in $tools pactl; do
    command -v "$tool" >/dev/null && continue
    echo "missing $tool: scripts/setup.sh installs it" >&2
    [[ "${CI:-}" == true ]] && exit 1
    exit 77
done
startSoundServer "$server" || exit 1
export VELQUIST_SOUND_SERVER_PID=$soundPid
"$@"
