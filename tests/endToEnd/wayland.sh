#!/usr/bin/env bash
# End-to-end test on Wayland: the installed game, run by an unprivileged player as a native client
# of sway (a real compositor, nested in a private Xvfb screen) and driven with xdotool through the
# compositor's window. Checks the app id and the falling letters, and that a game hidden in the
# scratchpad with every letter fast comes back paused, not over, and runs again on Insert.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
needTools Xvfb sway swaymsg jq xdotool import convert dbus-daemon setpriv
source "$root/scripts/lib/privateDisplay.sh"

app=io.github.velquist.Velquist
cmake --install "$build" --prefix "$work/prefix" >"$artefacts/install.log" || fail "cmake --install"
startDisplay 1024x768x24 || fail "Xvfb did not start"
startSessionBus || fail "no session bus"
printf 'output * bg #000000 solid_color\ndefault_border none\n' >"$work/sway.config"
"${asPlayer[@]}" WLR_BACKENDS=x11 WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 \
    sway -c "$work/sway.config" >"$artefacts/sway.log" 2>&1 &
pids+=($!)
ipc() { compgen -G "$player/run/sway-ipc.*.sock"; }
waitFor 15 ipc >/dev/null || fail "sway did not start"
sway=("${asPlayer[@]}" SWAYSOCK="$(ipc)" swaymsg)
# The app id of each window that sway shows or keeps in its scratchpad, by its title.
windows() { "${sway[@]}" -t get_tree | jq -r '.. | objects | select(.pid?) | .name + "=" + .app_id'; }
showing() { windows | grep -q "^$1="; }
notShowing() { ! showing "$1"; }

"${asPlayer[@]}" QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=wayland-1 "$work/prefix/bin/velquist" \
    >"$artefacts/velquist.log" 2>&1 &
velquist=$!
pids+=("$velquist")
waitFor 30 showing Velquist || fail "the window Velquist did not appear"
windows | grep -qx "Velquist=$app" || fail "not the app id $app: $(windows)"
sleep 1 # the maximised layout settles
screen=1024x768+0+0
xdotool mousemove 556 736 click 1 # New Game, in the strip along the bottom of the screen
sleep 1.5                         # the banner
waitFor 15 seen letters "$screen" 80 "${letterColours[@]}" || fail "no letters appeared"
# Every letter key twice while paused: those on the screen score, the others make every letter
# fast. With more hits than the level asks for it cannot end, so once running the game is over
# about two seconds later, unless hiding it pauses it.
xdotool key Insert
xdotool key --delay 15 {a..z} {a..z}
xdotool key Insert
"${sway[@]}" move scratchpad >/dev/null
sleep 5
"${sway[@]}" scratchpad show >/dev/null
sleep 1
notShowing "High Score" || fail "the game went on while hidden and ended"
seen paused "$screen" 80 "${letterColours[@]}" || fail "no letters after the game came back"
# Once it runs again the game ends, with a score that earns the name box.
xdotool key Insert
waitFor 15 showing "High Score" || fail "Insert did not start the game again"
shoot over
xdotool key Escape
waitFor 10 notShowing "High Score" || fail "the name box did not close"
"${sway[@]}" "[app_id=$app] kill" >/dev/null # what the window's close box sends
waitFor 10 bash -c "! kill -0 $velquist 2>/dev/null" || fail "closing did not end the program"
wait "$velquist" || fail "the program ended with status $?"
say "passed; screenshots in $artefacts"
