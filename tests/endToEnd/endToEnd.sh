#!/usr/bin/env bash
# End-to-end test of the real program in a real X server, played as a person would.
#   bash tests/endToEnd/endToEnd.sh [path/to/velquist] [artefact folder]
# (defaults: build/velquist and build/e2e-artifacts). Exit status 0 when every stage passed, 1 on a
# failure, 77 when a tool it needs is missing (ctest reports the test as skipped).
#
# It copies the program and hit.wav into a temporary program folder, starts a private Xvfb
# screen (1024 x 768) with the openbox window manager and a D-Bus session with the accessibility
# bus, starts the program there and drives it with xdotool:
#   1. the window "Velquist" opens maximised;
#   2. New Game shows the green "LEVEL 1" banner (pixels of 0x00FF00 at the top of the play area);
#   3. letters appear in the letter colours;
#   4. typing every letter A to Z scores: the status line, read through its accessible name,
#      shows a score above 0;
#   5. a letter reaches the bottom: the red game-over screen and the name box "High Score";
#   6. a name is typed and entered: "HScores.dt" holds it with that score;
#   7. Game > High Scores shows it; Close, then Exit ends the program with status 0.
# A screenshot of every stage is kept in the artefact folder, with the program's output; on a
# failure also the window tree, and with VELQUIST_E2E_DEBUG=1 the program's threads and windows.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)
program=$(realpath "${1:-$root/build/velquist}")
artefacts=$(realpath -m "${2:-$root/build/e2e-artifacts}")
python=/usr/bin/python3

# --- Tools -------------------------------------------------------------------------------------
missing=()
for tool in Xvfb openbox xdotool xprop import convert dbus-run-session dbus-send; do
    command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
done
[[ -x /usr/libexec/at-spi-bus-launcher ]] || missing+=("at-spi-bus-launcher (at-spi2-core)")
"$python" -c 'import dbus' 2>/dev/null || missing+=("python3-dbus")
if ((${#missing[@]} > 0)); then
    echo "endToEnd: not run, missing: ${missing[*]}" >&2
    exit 77
fi

# The rest runs inside a D-Bus session of its own, which the accessibility bus needs.
if [[ -z "${VELQUIST_E2E_SESSION:-}" ]]; then
    export VELQUIST_E2E_SESSION=1
    exec dbus-run-session -- bash "${BASH_SOURCE[0]}" "$program" "$artefacts" 2> >(
        grep -vE 'dbus-daemon|SpiRegistry daemon' >&2)
fi

# --- Set-up ------------------------------------------------------------------------------------
rm -rf "$artefacts"
mkdir -p "$artefacts"
work=$(mktemp -d)
pids=()
velquist=0
cleanup() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null || true
        wait "${pids[i]}" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

stage=0
say() { printf 'endToEnd: %s\n' "$*"; }
fail() {
    say "FAILED: $*" >&2
    shoot failure || true
    cp "$work/velquist.log" "$artefacts/velquist.log" 2>/dev/null || true
    xwininfo -root -tree >"$artefacts/windows.txt" 2>&1 || true
    if [[ -n "${VELQUIST_E2E_DEBUG:-}" ]]; then
        for w in $(xdotool search --name '^Velquist$' 2>/dev/null); do
            xwininfo -id "$w" >>"$artefacts/stack.txt" 2>&1
            xprop -id "$w" >>"$artefacts/stack.txt" 2>&1
        done
        ps -o pid,stat,cmd -p "${pids[*]}" >>"$artefacts/stack.txt" 2>&1
        gdb -p "$velquist" -batch -ex 'thread apply all bt' >>"$artefacts/stack.txt" 2>&1 || true
    fi
    exit 1
}
# A screenshot of the whole screen, kept as an artefact.
shoot() {
    stage=$((stage + 1))
    shot="$artefacts/$(printf '%d' "$stage")-$1.png"
    import -window root -strip "$shot"
}
# Pixels of exactly the colour (#RRGGBB) in the region (WxH+X+Y) of the image.
pixels() {
    convert "$1" -crop "$2" +repage -fill black +opaque "$3" -fill white -opaque "$3" \
        -format '%[fx:round(mean*w*h)]' info:
}
# The accessible names of the program's objects, one "role<TAB>name" a line.
names() { "$python" "$here/accessibleNames.py" Velquist || true; }
# The status line, as its accessible name gives it.
status() { names | grep -E $'^ *label\t[0-9]+ out of ' | head -n1 | cut -f2; }
waitFor() { # seconds, then a command that must succeed
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.2
    done
}

folder="$work/program"
mkdir -p "$folder"
cp "$program" "$folder/velquist"
cp "$(dirname "$program")/hit.wav" "$folder/hit.wav"

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
waitFor 10 test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n1 "$work/display")"
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
openbox --sm-disable >"$work/openbox.log" 2>&1 &
pids+=($!)
waitFor 10 xprop -root _NET_SUPPORTING_WM_CHECK >/dev/null 2>&1 || fail "openbox did not start"
# openbox announces itself before it is ready for windows: a window mapped in the next moments
# can be lost, and then never shows.
sleep 1
# The accessibility bus is up before the program starts, so that the program joins it.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
    >/dev/null

# Started from another folder: the program finds its table beside itself.
(cd / && exec "$folder/velquist") >"$work/velquist.log" 2>&1 &
velquist=$!
pids+=($velquist)

# --- 1. The window opens maximised --------------------------------------------------------------
window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Velquist$' | head -n1) ||
    fail "the window Velquist did not appear"
waitFor 10 bash -c "xprop -id $window _NET_WM_STATE | grep -q _NET_WM_STATE_MAXIMIZED_HORZ" ||
    fail "the window is not maximised: $(xprop -id "$window" _NET_WM_STATE)"
xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_MAXIMIZED_VERT ||
    fail "the window is not maximised vertically"
sleep 1 # the maximised layout settles
eval "$(xdotool getwindowgeometry --shell "$window")"
((WIDTH > 900 && HEIGHT > 650)) || fail "a maximised window of ${WIDTH}x$HEIGHT"
shoot opened
say "the window opened maximised, ${WIDTH}x$HEIGHT at $X,$Y"
top="${WIDTH}x140+$X+$Y"                     # the menu bar and the top of the play area
play="$((WIDTH - 30))x$((HEIGHT - 90))+$X+$Y" # the window above the strip of buttons

# --- 2. New Game: the green banner --------------------------------------------------------------
# New Game sits in the strip under the play area: 556 pixels from the window's left edge and 32
# above its bottom.
bannerSeen() {
    shoot banner
    green=$(pixels "$shot" "$top" '#00FF00')
    if ((green > 300)); then
        say "New Game shows the banner: $green green pixels"
        return 0
    fi
    rm -f "$shot" # not yet: the next try takes its place
    stage=$((stage - 1))
    return 1
}
xdotool mousemove --window "$window" 556 $((HEIGHT - 32)) click 1
waitFor 1 bannerSeen || fail "no green banner at the top of the play area"

# --- 3. Letters appear ----------------------------------------------------------------------------
lettersSeen() {
    local total=0 n colour
    shoot letters
    for colour in '#FF0000' '#00FF00' '#0000FF' '#FFFF00' '#FF8000' '#FF00FF' '#00FFFF'; do
        n=$(pixels "$shot" "$play" "$colour")
        total=$((total + n))
    done
    if ((total > 80)); then
        say "letters fall: $total pixels in the letter colours"
        return 0
    fi
    rm -f "$shot" # not yet: the next try takes its place
    stage=$((stage - 1))
    return 1
}
sleep 1.5 # the banner lasts about a second and a half
waitFor 15 lettersSeen || fail "no letters appeared"

# --- 4. Every letter A to Z typed: a score --------------------------------------------------------
# A click in the play area makes sure it has the keyboard focus; a click there does nothing else.
xdotool mousemove --window "$window" 300 300 click 1
xdotool key --delay 40 a b c d e f g h i j k l m n o p q r s t u v w x y z
scoreOf() { sed -nE 's/.* SCORE: (-?[0-9]+) .*/\1/p' <<<"$1"; }
sleep 0.6
before=$(status)
sleep 0.6
line=$(status)
[[ -n "$line" ]] || fail "the status line cannot be read through its accessible name"
score=$(scoreOf "$line")
[[ "$score" =~ ^[0-9]+$ ]] && ((score > 0)) || fail "no score after typing A to Z: '$line'"
[[ "$(scoreOf "$before")" == "$score" ]] || fail "the score still changes: '$before', '$line'"
shoot typed
say "typing A to Z scored: '$line'"

# --- 5. A letter reaches the bottom: game over and the name box -----------------------------------
nameBox=$(timeout 120 xdotool search --sync --onlyvisible --name '^High Score$' | head -n1) ||
    fail "the game did not end with the name box"
sleep 0.5
shoot game-over
red=$(pixels "$shot" "$top" '#FF0000')
((red > 300)) || fail "no red game-over screen at the top of the play area ($red pixels)"
say "game over: $red red pixels, and the name box"

# --- 6. The name typed and entered -----------------------------------------------------------------
name="Zoe Quist"
timeout 5 xdotool windowactivate --sync "$nameBox" 2>/dev/null || true
xdotool type --delay 60 "$name"
sleep 0.3
shoot name-typed
xdotool key Return
waitFor 10 bash -c "! xdotool search --onlyvisible --name '^High Score\$' >/dev/null" ||
    fail "the name box did not close"
line=$(status)
[[ "$line" == "0 out of 0 LETTERS        SCORE: 0       LEVEl: 0" ]] ||
    fail "the status line after the game: '$line'"
file="$folder/HScores.dt"
waitFor 5 test -s "$file" || fail "no HScores.dt beside the program"
"$python" - "$file" "$name" "$score" <<'EOF' || fail "HScores.dt does not hold the name and score"
import struct, sys
path, name, score = sys.argv[1], sys.argv[2], int(sys.argv[3])
data = open(path, 'rb').read()
expected = name.encode('cp1252').ljust(18, b' ') + struct.pack('<i', score) + bytes(198)
if data != expected:
    sys.exit('HScores.dt holds %r, expected %r' % (data, expected))
EOF
say "HScores.dt holds '$name' with $score"

# --- 7. Game > High Scores shows it -----------------------------------------------------------------
xdotool mousemove --window "$window" 22 10 click 1 # the "Game" menu
sleep 0.5
xdotool key Down Down Down Return # New, Sound, High Scores
high=$(timeout 10 xdotool search --sync --onlyvisible --name '^High Scores$' | head -n1) ||
    fail "the High Scores window did not open"
sleep 0.5
shoot high-scores
rows=$(names)
grep -qP "^ *label\t\Q$name\E$" <<<"$rows" || fail "the High Scores window does not show '$name'"
grep -qP "^ *label\t$score$" <<<"$rows" || fail "the High Scores window does not show $score"
say "the High Scores window shows '$name' with $score"
xdotool key Return # "Close" has the focus
waitFor 10 bash -c "! xdotool search --onlyvisible --name '^High Scores\$' >/dev/null" ||
    fail "the High Scores window did not close"

# Exit, in the strip: 736 pixels from the window's left edge.
xdotool mousemove --window "$window" 736 $((HEIGHT - 32)) click 1
waitFor 10 bash -c "! kill -0 $velquist 2>/dev/null" || fail "Exit did not end the program"
wait "$velquist" && exitStatus=0 || exitStatus=$?
((exitStatus == 0)) || fail "the program ended with status $exitStatus"
cp "$work/velquist.log" "$artefacts/velquist.log"
say "passed; screenshots in $artefacts"
