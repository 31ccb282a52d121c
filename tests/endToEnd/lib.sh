# Sourced by the end-to-end tests, each run as: bash tests/endToEnd/<test>.sh [build folder]
# [artefact folder, emptied: build/<test>-artifacts]. A test answers 0 when it passed, 1 on a
# failure and 77 when a tool is missing (1 under CI). Sets $root, $build and $artefacts, and gives:
#   needTools  exits 77 (skipped) when a tool is missing, or fails under CI, where the set-up
#              must have installed every one;
#   say, fail  report progress, or a failure with a screenshot, and end the test;
#   shoot      a screenshot of the whole X screen, kept as an artefact;
#   seen       a screenshot with more than so many pixels of the given colours in a region;
#   startGame, newGame  start the game and wait for its window; press New Game and wait for the
#              letters (both need scripts/lib/privateDisplay.sh).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
testName=$(basename "$0" .sh)
build=$(realpath "${1:-$root/build}")
artefacts=$(realpath -m "${2:-$build/$testName-artifacts}")
rm -rf "$artefacts" && mkdir -p "$artefacts"

say() { printf '%s: %s\n' "$testName" "$*"; }

needTools() {
    local tool
    for tool; do
        command -v "$tool" >/dev/null && continue
        say "missing $tool: scripts/setup.sh installs it" >&2
        [[ "${CI:-}" == true ]] && exit 1
        exit 77
    done
}

fail() {
    say "FAILED: $*" >&2
    shoot failure || true
    exit 1
}

shoot() {
    shot="$artefacts/$1.png"
    import -window root -strip "$shot"
}

# Pixels of exactly the colour (#RRGGBB) in the region (WxH+X+Y) of the image.
pixels() {
    convert "$1" -crop "$2" +repage -fill black +opaque "$3" -fill white -opaque "$3" \
        -format '%[fx:round(mean*w*h)]' info:
}

# A screenshot ($1) with more than $3 pixels of the colours $4... in the region $2; each try
# takes the place of the one before.
seen() {
    local name=$1 region=$2 least=$3 total=0 colour
    shift 3
    shoot "$name"
    for colour; do
        total=$((total + $(pixels "$shot" "$region" "$colour")))
    done
    ((total > least)) || return 1
    say "$name: $total pixels"
}

# The colours of the falling letters.
letterColours=('#FF0000' '#00FF00' '#0000FF' '#FFFF00' '#FF8000' '#FF00FF' '#00FFFF')

# Starts the game (the command given, from $work) and waits for its maximised window. Sets
# $velquist, $window, its $X, $Y, $WIDTH and $HEIGHT, and two regions: $top, the menu bar and the
# top of the play area, and $play, the window above the strip of buttons.
startGame() {
    (cd "$work" && exec "$@") >"$artefacts/velquist.log" 2>&1 &
    velquist=$!
    pids+=("$velquist")
    window=$(shown 30 '^Velquist$') || fail "the window Velquist did not appear"
    waitFor 10 maximised || fail "the window is not maximised"
    sleep 1 # the maximised layout settles
    eval "$(xdotool getwindowgeometry --shell "$window")"
    top="${WIDTH}x140+$X+$Y" play="$((WIDTH - 30))x$((HEIGHT - 90))+$X+$Y"
}
maximised() { xprop -id "$window" _NET_WM_STATE | grep MAXIMIZED_VERT | grep -q MAXIMIZED_HORZ; }

# New Game (in the strip, 556 pixels from the left, 32 above the bottom), its banner, its letters;
# then a click in the play area gives it the keyboard focus and does nothing else.
newGame() {
    xdotool mousemove --window "$window" 556 $((HEIGHT - 32)) click 1
    waitFor 1 seen banner "$top" 300 '#00FF00' || fail "no green banner at the top of the play area"
    sleep 1.5 # the banner lasts about a second and a half
    waitFor 15 seen letters "$play" 80 "${letterColours[@]}" || fail "no letters appeared"
    xdotool mousemove --window "$window" 300 300 click 1
}
