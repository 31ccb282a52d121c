#!/usr/bin/env bash
# Remakes assets/screenshot.png: builds the game, runs the real window on a private Xvfb screen
# (1024 x 768) under the openbox window manager, presses New Game and photographs the screen
# once the first letters are falling.
#   bash scripts/screenshot.sh [output.png]     (default assets/screenshot.png)
# SCREENSHOT_DELAY sets the seconds between New Game and the picture (default 3).
# SCREENSHOT_SCALE=2 takes it on a screen scaled to 200%, as on a high-resolution laptop: 2560 x
# 1600 at 192 dpi, with QT_SCALE_FACTOR=2 (default output assets/screenshot-200.png).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
scale=${SCREENSHOT_SCALE:-1}
case $scale in
1) screen=1024x768x24 dpi=96 output=${1:-assets/screenshot.png} ;;
2) screen=2560x1600x24 dpi=192 output=${1:-assets/screenshot-200.png} ;;
*)
    echo "screenshot: SCREENSHOT_SCALE is 1 or 2" >&2
    exit 2
    ;;
esac
delay=${SCREENSHOT_DELAY:-3}

bash scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --parallel 2 --target velquist

source scripts/lib/privateDisplay.sh
startDisplay "$screen" -dpi "$dpi" || {
    echo "screenshot: Xvfb did not start" >&2
    exit 1
}
export QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale

startWindowManager || {
    echo "screenshot: openbox did not start" >&2
    exit 1
}

build/velquist >"$work/velquist.log" 2>&1 &
pids+=($!)
window=$(shown 20 '^Velquist$' || true)
if [[ -z "$window" ]]; then
    echo "screenshot: the Velquist window did not appear" >&2
    cat "$work/velquist.log" >&2
    exit 1
fi
sleep 1 # let the maximised layout settle

# New Game sits in the strip under the play area: 556 of the window's pixels from the client
# area's left edge and 32 above its bottom (the strip is laid out from the bottom of the window);
# X counts the screen's pixels, scale to a window pixel.
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove --window "$window" $((556 * scale)) $((HEIGHT - 32 * scale)) click 1
sleep "$delay"

mkdir -p "$(dirname "$output")"
import -window root -strip "$output"
echo "screenshot: wrote $output ($(stat -c %s "$output") bytes)"
