# Sourced by the end-to-end tests, each run as: bash tests/endToEnd/<test>.sh [build folder]
# [artefact folder, emptied: build/<test>-artifacts]. A test answers 0 when it passed, 1 on a
# failure and 77 when a tool is missing (1 under CI). Sets $root, $build and $artefacts, and gives:
#   needTools  exits 77 (skipped) when a tool is missing, or fails under CI, where the set-up
#              must have installed every one;
#   say, fail  report progress, or a failure with a screenshot, and end the test;
#   shoot      a screenshot of the whole X screen, kept as an artefact;
#   seen       a screenshot with more than so many pixels of the given colours in a region;
#   startGame, newGame  start the game and wait for its window; press New Game and wait for the
#              letters (both need scripts/lib/privateDisplay.sh);
#   enterName, holdsName, exitGame  end the running game by typing and enter a name in the name
#              box; check the high-score file for it; press Exit.
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

# New Game (in the strip, 556 pixels from the left, 32 above the bottom), its banner within
# $bannerWait seconds (1 by default), its letters; then a click in the play area gives it the
# keyboard focus and does nothing else.
newGame() {
    xdotool mousemove --window "$window" 556 $((HEIGHT - 32)) click 1
    waitFor "${bannerWait:-1}" seen banner "$top" 300 '#00FF00' ||
        fail "no green banner at the top of the play area"
    sleep 1.5 # the banner lasts about a second and a half
    waitFor 15 seen letters "$play" 80 "${letterColours[@]}" || fail "no letters appeared"
    xdotool mousemove --window "$window" 300 300 click 1
}

# Every letter key: a running game ends within seconds, with a score that earns the name box, in
# which the name ($1) is entered.
enterName() {
    xdotool key --delay 40 {a..z}
    nameBox=$(shown 120 '^High Score$') || fail "the game did not end with the name box"
    waitFor 5 seen game-over "$top" 300 '#FF0000' || fail "no red game-over screen at the top"
    timeout 5 xdotool windowactivate --sync "$nameBox" 2>/dev/null || true
    xdotool key ctrl+a BackSpace # letter keys typed after the game ended went into the box
    xdotool type --delay 60 "$1"
    sleep 0.3
    shoot name-typed
    xdotool key Return
    waitFor 10 gone '^High Score$' || fail "the name box did not close"
}

# The high-score file ($1) holds the name ($2) padded with blanks to 18 bytes, then a score above
# 0 (32 bits).
holdsName() {
    waitFor 5 test -s "$1" || fail "no $1"
    [[ "$(head -c 18 "$1")" == "$(printf '%-18s' "$2")" ]] || fail "not the name: $(cat "$1")"
    score=$(od -An -t d4 -j 18 -N 4 "$1" | tr -d ' ') && ((score > 0)) || fail "score $score"
    say "$1 holds '$2' with $score"
}

# Exit, in the strip 736 pixels from the window's left edge: the program ends with status 0.
exitGame() {
    xdotool mousemove --window "$window" 736 $((HEIGHT - 32)) click 1
    waitFor 15 bash -c "! kill -0 $velquist 2>/dev/null" || fail "Exit did not end the program"
    wait "$velquist" || fail "the program ended with status $?"
}

# The screenshot $1 of the window $2 read by OCR (tesseract's language $3), enlarged for reading,
# holds each of the words that follow.
reads() {
    local name=$1 id=$2 language=$3 text word
    shift 3
    import -window "$id" -strip "$artefacts/$name.png"
    convert "$artefacts/$name.png" -colorspace gray -resize 400% "$work/read.png"
    text=$(tesseract "$work/read.png" - -l "$language" --psm 6 2>/dev/null | tr '\n' ' ')
    for word; do
        [[ $text == *"$word"* ]] || fail "$name: '$word' not in: $text"
    done
    say "$name reads: $text"
}

# New Game, then every letter key again and again until the name box titled $1 opens (setting
# $nameBox): from the first letters on, keys hit them, whatever the machine's load, and the game
# soon ends with a score. Should it end before a hit, a new game.
playToNameBox() {
    local game
    nameBox=
    for game in 1 2 3; do
        xdotool mousemove --window "$window" 556 $((HEIGHT - 32)) click 1 sleep 0.3
        xdotool mousemove --window "$window" 300 300 click 1
        for _ in {1..40}; do
            xdotool key --delay 40 {a..z}
            nameBox=$(xdotool search --onlyvisible --name "^$1\$" | head -n1) || true
            [[ $nameBox ]] && return
        done
        say "game $game ended without a score"
    done
    fail "no game ended with the name box '$1'"
}
