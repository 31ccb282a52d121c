#!/usr/bin/env bash
# End-to-end test of the Debian package: made by CPack, passed by lintian (no errors) and apt (its
# dependencies resolve), unpacked into a root the player cannot write, its desktop files valid;
# its `velquist` started through PATH by an unprivileged player under strace (to see it open its
# two sounds), with Xvfb, openbox and PulseAudio of its own, and played with xdotool from the
# maximised window with its icon to a name in the player's data folder and Exit with status 0.
# Then the same game as a native Wayland client of sway (a real compositor, nested in a screen of
# its own), driven through the compositor's window: its app id, and that a game hidden in the
# scratchpad with every letter fast comes back paused, not over, and runs again on Insert.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
needTools Xvfb openbox xdotool xprop import convert strace desktop-file-validate appstreamcli \
    dbus-daemon setpriv cpack dpkg-shlibdeps lintian apt-get pulseaudio pactl sway swaymsg jq \
    xwininfo
source "$root/scripts/lib/privateDisplay.sh"
source "$root/scripts/lib/privateSound.sh"
# The window's icon is the game's: among its pixels is the red of the V (opaque, 0xFFFF0000).
hasIcon() { xprop -id "$1" -f _NET_WM_ICON 32c _NET_WM_ICON | grep -qw 4294901760; }

cpack --config "$build/CPackConfig.cmake" -B "$work/package" >"$artefacts/cpack.log" ||
    fail "cpack: $(tail -n3 "$artefacts/cpack.log")"
deb=$(echo "$work"/package/velquist_*_*.deb)
[[ -f "$deb" ]] || fail "no velquist_<version>_<arch>.deb"
lintian --fail-on error "$deb" >"$artefacts/lintian.log" 2>&1 ||
    fail "lintian: $(grep '^E:' "$artefacts/lintian.log")"
say "$(basename "$deb"), lintian: $(grep -c '^W:' "$artefacts/lintian.log") warnings"
apt-get install --simulate "$deb" >"$artefacts/apt.log" 2>&1 ||
    fail "its dependencies do not resolve: $(tail -n3 "$artefacts/apt.log")"
unpacked="$work/root"
dpkg-deb -x "$deb" "$unpacked"
# Not the player's to write, even where the player owns it; writable again for the clean-up.
chmod -R a-w "$unpacked"
trap 'chmod -R u+w "$unpacked"; endBackground' EXIT
app=io.github.velquist.Velquist
desktop-file-validate "$unpacked/usr/share/applications/$app.desktop" || fail "the desktop entry"
appstreamcli validate --no-net "$unpacked/usr/share/metainfo/$app.metainfo.xml" ||
    fail "the metainfo"
[[ -s "$unpacked/usr/share/icons/hicolor/scalable/apps/$app.svg" ]] || fail "no icon"

startDesktop
startSound || fail "PulseAudio did not start"
# strace lists the files the program opened (-z: only those opened successfully; -I1: a kill
# ends strace and the program with it).
startGame env PATH="$unpacked/usr/games:$PATH" strace -f -z -I1 --seccomp-bpf -e trace=openat \
    -o "$artefacts/opened.log" "${asPlayer[@]}" velquist
waitFor 30 hasIcon "$window" || fail "the window has no icon"
shoot opened
pausedGame
enterName "Zoe Quist"
holdsName "$player/data/Velquist/HScores.dt" "Zoe Quist"
exitGame
for sound in hit.wav default.wav; do
    grep -qF "\"$unpacked/usr/lib/velquist/$sound\"" "$artefacts/opened.log" || fail "$sound not opened"
done

startDisplay 1024x768x24 || fail "a second Xvfb did not start"
printf 'output * bg #000000 solid_color\ndefault_border none\n' >"$work/sway.config"
"${asPlayer[@]}" WLR_BACKENDS=x11 WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 \
    sway -c "$work/sway.config" >"$artefacts/sway.log" 2>&1 &
pids+=($!)
waitFor 30 compgen -G "$player/run/sway-ipc.*.sock" >/dev/null || fail "sway did not start"
sway=("${asPlayer[@]}" SWAYSOCK="$(compgen -G "$player/run/sway-ipc.*.sock")" swaymsg)
# The app id of each window that sway shows or keeps in its scratchpad, by its title.
windows() { "${sway[@]}" -t get_tree | jq -r '.. | objects | select(.pid?) | .name + "=" + .app_id'; }
showing() { windows | grep -q "^$1="; }
notShowing() { ! showing "$1"; }

"${asPlayer[@]}" PATH="$unpacked/usr/games:$PATH" QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=wayland-1 \
    velquist >"$artefacts/wayland.log" 2>&1 &
velquist=$!
pids+=("$velquist")
waitFor 60 showing Velquist || fail "the window Velquist did not appear"
windows | grep -qx "Velquist=$app" || fail "not the app id $app: $(windows)"
useWindow "$(xwininfo -root | awk '/Window id/ { print $4 }')" # sway's screen, which the game fills
pausedGame
# Every letter key twice while paused: those on the screen score, the others make every letter
# fast. With more hits than the level asks for it cannot end, so once running the game is over
# about two seconds later, unless hiding it pauses it.
xdotool key --delay 15 {a..z} {a..z} Insert
"${sway[@]}" move scratchpad >/dev/null
sleep 5 # hidden for longer than the game would take to end
"${sway[@]}" scratchpad show >/dev/null
screen=1024x768+0+0
waitFor 30 seen back "$screen" 80 "${letterColours[@]}" && still back ||
    fail "no letters standing still after the game came back"
notShowing "High Score" || fail "the game went on while hidden and ended"
# Once it runs again the game ends, with a score that earns the name box.
xdotool key Insert
waitFor 60 showing "High Score" || fail "Insert did not start the game again"
xdotool key Escape
waitFor 30 notShowing "High Score" || fail "the name box did not close"
"${sway[@]}" "[app_id=$app] kill" >/dev/null # what the window's close box sends
waitFor 30 bash -c "! kill -0 $velquist 2>/dev/null" || fail "closing did not end the program"
wait "$velquist" || fail "the program ended with status $?"
say "passed; screenshots in $artefacts"
