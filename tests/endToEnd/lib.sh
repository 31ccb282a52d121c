# Sourced by the end-to-end tests, each run as: bash tests/endToEnd/<test>.sh [build folder]
# [artefact folder, emptied: build/<test>-artifacts]. A test answers 0 when it passed, 1 on a
# failure and 77 when a tool is missing (1 under CI). Sets $root, $build and $artefacts; each
# function below says what it does. The game's steps need scripts/lib/privateDisplay.sh, and each
# waits for what it can see, with time to spare on a loaded machine.
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

# An X11 desktop of the test's own: Xvfb with openbox, and a session bus.
startDesktop() {
    startDisplay 1024x768x24 || fail "Xvfb did not start"
    export QT_QPA_PLATFORM=xcb
    startWindowManager || fail "openbox did not start"
    startSessionBus || fail "no session bus"
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

# A screenshot ($1) with more than $3 pixels of the colours $4... (#RRGGBB) in the region $2
# (WxH+X+Y); each try takes the place of the one before.
seen() {
    local name=$1 region=$2 least=$3 total
    shift 3
    shoot "$name"
    total=$(convert "$shot" -crop "$region" +repage -format %c histogram:info:- |
        awk -v colours="$*" 'BEGIN { for (n = split(colours, c, " "); n > 0; n--) wanted[c[n]] }
            match($0, /#[0-9A-F]+/) && (substr($0, RSTART, 7) in wanted) { total += $1 }
            END { print total + 0 }')
    ((total > least)) || return 1
    say "$name: $total pixels"
}

# The screen stands still: two screenshots ($1) half a second apart are the same.
still() {
    local first
    shoot "$1" && first=$shot && sleep 0.5 && shoot "$1"-again
    cmp -s "$first" "$shot"
}
# A screenshot ($2) that differs from the one given ($1).
changed() { shoot "$2" && ! cmp -s "$1" "$shot"; }

# The colours of the falling letters, the banner's green first.
letterColours=('#00FF00' '#FF0000' '#0000FF' '#FFFF00' '#FF8000' '#FF00FF' '#00FFFF')

# Starts the game (the command given, from $work) and waits for its maximised window to stand
# still. Sets $velquist and the window's geometry (useWindow).
startGame() {
    (cd "$work" && exec "$@") >"$artefacts/velquist.log" 2>&1 &
    velquist=$!
    pids+=("$velquist")
    window=$(shown 60 '^Velquist$') || fail "the window Velquist did not appear"
    waitFor 30 maximised || fail "the window is not maximised"
    useWindow "$window"
}
maximised() { xprop -id "$window" _NET_WM_STATE | grep MAXIMIZED_VERT | grep -q MAXIMIZED_HORZ; }

# The game's window is the X window given (or shown in it, as sway's screen): sets $window, its
# $X, $Y, $WIDTH and $HEIGHT, and two regions: $top, the menu bar and the top of the play area,
# and $play, the window above the strip of buttons. Waits for it to stand still, laid out.
useWindow() {
    window=$1
    waitFor 30 still settled || fail "the window did not stand still"
    eval "$(xdotool getwindowgeometry --shell "$window")"
    top="${WIDTH}x140+$X+$Y" play="$((WIDTH - 30))x$((HEIGHT - 90))+$X+$Y"
}

# New Game (in the strip, 556 pixels from the left, 32 above the bottom) and its green banner;
# then a click in the play area, which gives it the keyboard focus and does nothing else, and the
# letters (told from the banner by their other colours). $newGames counts the presses; the
# command $onNewGame runs just before each.
newGames=0 onNewGame=true
newGame() {
    $onNewGame
    xdotool mousemove --window "$window" 556 $((HEIGHT - 32)) click 1
    ((++newGames))
    waitFor 30 seen banner "$top" 300 '#00FF00' ||
        fail "no green banner at the top of the play area"
    xdotool mousemove --window "$window" 300 300 click 1
    waitFor 30 seen letters "$play" 80 "${letterColours[@]:1}" || fail "no letters appeared"
}

# New Game, and Insert as soon as the letters show, until the play area stands still with letters
# on it, not the game-over screen. On a loaded machine a letter that falls fast from the start
# may reach the bottom before Insert comes, or a moment out of sight may have paused the game
# already (Wine): then a new game, or Insert again, as a player would.
pausedGame() {
    local try
    for try in 1 2 3; do
        newGame
        xdotool key Insert
        pausedWithLetters || { xdotool key Insert && pausedWithLetters; } && return
    done
    fail "no paused game with letters on the screen"
}
pausedWithLetters() {
    waitFor 5 still paused && ! seen over "$top" 2000 '#FF0000' &&
        seen paused "$play" 80 "${letterColours[@]}"
}

# Types the keys given ($4...) one at a time into the paused game until $1 of them hit, and for
# each hit prints what the command $2 printed just before its key (such as the moment). A hit
# shows at once, its letter wiped and the status rewritten; a miss changes nothing, which takes a
# few seconds to tell. The screenshots are named after $3 and the key.
typeUntil() {
    local most=$1 moment=$2 name=$3 hits=0 key at before
    shift 3
    waitFor 10 still "$name" || fail "the paused game does not stand still"
    for key; do
        before=$shot at=$($moment)
        xdotool key "$key"
        waitFor 2 changed "$before" "$name-$key" || continue
        echo "$at"
        ((++hits < most)) || break
        waitFor 10 still "$name" || fail "the play area did not stand still after $key"
    done
}

# Every letter key in the paused game, then Insert: those on the screen score, the others make
# every letter fast, so the game ends within seconds with a score that earns the name box (titled
# $2, "High Score" in English), in which the name ($1) is entered once $onNameBox has run.
enterName() {
    local title=${2:-High Score}
    xdotool key --delay 40 {a..z} Insert
    nameBox=$(shown 120 "^$title\$") || fail "the game did not end with the name box"
    waitFor 30 seen game-over "$top" 300 '#FF0000' || fail "no red game-over screen at the top"
    timeout 5 xdotool windowactivate --sync "$nameBox" 2>/dev/null || true
    ${onNameBox:-}
    xdotool type --delay 60 "$1"
    xdotool key Return
    waitFor 30 gone "^$title\$" || fail "the name box did not close"
}

# The high-score file ($1) holds the name ($2) padded with blanks to 18 bytes, then a score above
# 0 (32 bits).
holdsName() {
    waitFor 10 test -s "$1" || fail "no $1"
    [[ "$(head -c 18 "$1")" == "$(printf '%-18s' "$2")" ]] || fail "not the name: $(cat "$1")"
    score=$(od -An -t d4 -j 18 -N 4 "$1" | tr -d ' ') && ((score > 0)) || fail "score $score"
    say "$1 holds '$2' with $score"
}

# Exit, in the strip 736 pixels from the window's left edge: the program ends with status 0.
exitGame() {
    xdotool mousemove --window "$window" 736 $((HEIGHT - 32)) click 1
    waitFor 30 bash -c "! kill -0 $velquist 2>/dev/null" || fail "Exit did not end the program"
    wait "$velquist" || fail "the program ended with status $?"
}

# The window $2 read by OCR (tesseract's language $3) from its screenshot $1, enlarged for
# reading, holds each of the words that follow.
reads() {
    import -window "$2" -strip "$artefacts/$1.png"
    convert "$artefacts/$1.png" -colorspace gray -resize 400% "$work/read.png"
    local text word && text=$(tesseract "$work/read.png" - -l "$3" --psm 6 2>/dev/null | tr '\n' ' ')
    for word in "${@:4}"; do [[ $text == *"$word"* ]] || fail "$1: '$word' not in: $text"; done
    say "$1 reads: $text"
}
