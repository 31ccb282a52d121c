#!/usr/bin/env bash
# Remakes assets/screenshot.png: builds the game, runs the real window on a private Xvfb screen
# (1024 x 768) under the openbox window manager, presses New Game and photographs the screen
# once the first letters are falling.
#   bash scripts/screenshot.sh [output.png]     (default assets/screenshot.png)
# SCREENSHOT_DELAY sets the seconds between New Game and the picture (default 3).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
output=${1:-assets/screenshot.png}
delay=${SCREENSHOT_DELAY:-3}

bash scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --parallel 2 --target velquist

source scripts/lib/privateDisplay.sh
startDisplay 1024x768x24 || {
    echo "screenshot: Xvfb did not start" >&2
    exit 1
}
export QT_QPA_PLATFORM=xcb

startWindowManager || {
    echo "screenshot: openbox did not start" >&2
    exit 1
}

build/velquist >"$work/velquist.log" 2>&1 &
pids+=($!)
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Velquist$' | head -n1 || true)
if [[ -z "$window" ]]; then
    echo "screenshot: the Velquist window did not appear" >&2
    cat "$work/velquist.log" >&2
    exit 1
fi
sleep 1 # let the maximised layout settle

# New Game sits in the strip under the play area: 556 pixels from the client area's left edge
# and 32 above its bottom (the strip is laid out from the bottom of the window).
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove --window "$window" 556 $((HEIGHT - 32)) click 1
sleep "$delay"

mkdir -p "$(dirname "$output")"
import -window root -strip "$output"
echo "screenshot: wrote $output ($(stat -c %s "$output") bytes)"
