#!/usr/bin/env bash
# End-to-end test on Wayland: the build installed into a prefix of the player's own and started,
# as an unprivileged player, as a native Wayland client of sway, a real compositor nested in a
# private Xvfb screen, then driven with xdotool through the compositor's window. Checks the app
# id, that letters fall, that a game hidden in sway's scratchpad with every letter fast comes back
# paused rather than over, and that Insert starts it again, to a name and score in HScores.dt.
#   bash tests/endToEnd/wayland.sh [build folder] [artefact folder]
# Exit status 0 when every stage passed, 1 on a failure, 77 when a tool it needs is missing
# (1 under CI, where the set-up installs every one).
set -euo pipefail
build=$(realpath "${1:-$(dirname "${BASH_SOURCE[0]}")/../../build}")
artefacts=$(realpath -m "${2:-$build/wayland-artifacts}")
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
needTools Xvfb sway swaymsg jq xdotool import convert dbus-daemon setpriv
source "$root/scripts/lib/privateDisplay.sh"
rm -rf "$artefacts"
mkdir -p "$artefacts"

app=io.github.velquist.Velquist
prefix="$player/prefix" # installed for the player alone: the scores are kept beside the program
cmake --install "$build" --prefix "$prefix" >"$artefacts/install.log" || fail "cmake --install"
[[ "$(id -u)" -ne 0 ]] || chown -R 65534:65534 "$prefix"

startDisplay 1024x768x24 || fail "Xvfb did not start"
startSessionBus || fail "no session bus"
printf 'output * bg #000000 solid_color\ndefault_border none\n' >"$work/sway.config"
# sway draws with the CPU into a window of the X screen, and takes input from that window.
"${asPlayer[@]}" WLR_BACKENDS=x11 WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 \
    sway -c "$work/sway.config" >"$artefacts/sway.log" 2>&1 &
pids+=($!)
ipc() { compgen -G "$player/run/sway-ipc.*.sock"; }
waitFor 15 ipc >/dev/null || fail "sway did not start"
sway=("${asPlayer[@]}" SWAYSOCK="$(ipc)" swaymsg)
tree() { "${sway[@]}" -t get_tree; }
# The names of the windows that sway shows or keeps in its scratchpad.
windows() { tree | jq -r '.. | objects | select(.pid? != null) | .name'; }
showing() { windows | grep -qx "$1"; }
notShowing() { ! showing "$1"; }

"${asPlayer[@]}" QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=wayland-1 "$prefix/bin/velquist" \
    >"$artefacts/velquist.log" 2>&1 &
velquist=$!
pids+=("$velquist")
waitFor 30 showing Velquist || fail "the window Velquist did not appear"
appId=$(tree | jq -r '.. | objects | select(.name? == "Velquist") | .app_id')
[[ "$appId" == "$app" ]] || fail "the app id is '$appId', not $app"
sleep 1 # the maximised layout settles
screen=1024x768+0+0
shoot opened

# The game fills the screen: New Game sits in the strip, 556 pixels from the left, 32 above the
# bottom.
xdotool mousemove 556 736 click 1
sleep 1.5 # the banner
waitFor 15 seen letters "$screen" 80 "${letterColours[@]}" || fail "no letters appeared"
# Every letter key twice while paused: keys on the screen score, the others make every letter
# fast. With more hits than the level asks for it cannot end, so once running the game is over
# about two seconds later, unless hiding it pauses it.
xdotool key Insert
xdotool key --delay 15 {a..z} {a..z}
xdotool key Insert
"${sway[@]}" move scratchpad >/dev/null
say "hidden in the scratchpad"
sleep 5
"${sway[@]}" scratchpad show >/dev/null
sleep 1
notShowing "High Score" || fail "the game went on while hidden and ended"
seen paused "$screen" 80 "${letterColours[@]}" || fail "no letters after the game came back"

xdotool key Insert
waitFor 15 showing "High Score" || fail "Insert did not start the game again"
name="Zoe Quist"
xdotool type --delay 60 "$name"
sleep 0.3
shoot name-typed
xdotool key Return
waitFor 10 notShowing "High Score" || fail "the name box did not close"
holdsName "$prefix/lib/velquist/HScores.dt" "$name"
# The compositor's close request, as the window's close box sends it.
"${sway[@]}" "[app_id=$app] kill" >/dev/null
waitFor 10 bash -c "! kill -0 $velquist 2>/dev/null" || fail "closing did not end the program"
wait "$velquist" || fail "the program ended with status $?"
say "passed; screenshots in $artefacts"
