#!/usr/bin/env bash
# Runs the command given with a PulseAudio of its own (scripts/lib/privateSound.sh), named by
# PULSE_SERVER, and stops the server after it. Without PulseAudio it exits 77 (skipped), or fails
# under CI, where the set-up must have installed it.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/lib/privateDisplay.sh"
source "$root/scripts/lib/privateSound.sh"
if ! command -v pulseaudio >/dev/null; then
    echo "missing pulseaudio: scripts/setup.sh installs it" >&2
    [[ "${CI:-}" == true ]] && exit 1
    exit 77
fi
startSound || exit 1
"$@"
