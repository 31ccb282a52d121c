#!/usr/bin/env bash
# End-to-end test of the Debian package: made by CPack, passed by lintian (no errors) and apt (its
# dependencies resolve), unpacked into a root the player cannot write, its desktop files valid;
# its `velquist` started through PATH by an unprivileged player under strace (to see it open its
# two sounds), with Xvfb, openbox and PulseAudio of its own, and played with xdotool from the
# maximised window with its icon to a name in the player's data folder and Exit with status 0.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
needTools Xvfb openbox xdotool xprop import convert strace desktop-file-validate appstreamcli \
    dbus-daemon setpriv cpack dpkg-shlibdeps lintian apt-get pulseaudio pactl
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

startDisplay 1024x768x24 || fail "Xvfb did not start"
export QT_QPA_PLATFORM=xcb
startWindowManager || fail "openbox did not start"
startSessionBus || fail "no session bus"
startSound || fail "PulseAudio did not start"
# strace lists the files the program opened (-z: only those opened successfully; -I1: a kill
# ends strace and the program with it).
startGame env PATH="$unpacked/usr/games:$PATH" strace -f -z -I1 --seccomp-bpf -e trace=openat \
    -o "$artefacts/opened.log" "${asPlayer[@]}" velquist
waitFor 5 hasIcon "$window" || fail "the window has no icon"
shoot opened
newGame
xdotool key --delay 40 a b c d e f g h i j k l m n o p q r s t u v w x y z
nameBox=$(shown 120 '^High Score$') || fail "the game did not end with the name box"
waitFor 5 seen game-over "$top" 300 '#FF0000' || fail "no red game-over screen at the top"
name="Zoe Quist"
timeout 5 xdotool windowactivate --sync "$nameBox" 2>/dev/null || true
xdotool type --delay 60 "$name"
sleep 0.3
shoot name-typed
xdotool key Return
waitFor 10 gone '^High Score$' || fail "the name box did not close"
# The player's table: the name padded with blanks to 18 bytes, then the score (32 bits).
file="$player/data/Velquist/HScores.dt"
waitFor 5 test -s "$file" || fail "no $file"
[[ "$(head -c 18 "$file")" == "$(printf '%-18s' "$name")" ]] || fail "not the name: $(cat "$file")"
score=$(od -An -t d4 -j 18 -N 4 "$file" | tr -d ' ') && ((score > 0)) || fail "score $score"
say "$file holds '$name' with $score"
# Exit, in the strip: 736 pixels from the window's left edge.
xdotool mousemove --window "$window" 736 $((HEIGHT - 32)) click 1
waitFor 10 bash -c "! kill -0 $velquist 2>/dev/null" || fail "Exit did not end the program"
wait "$velquist" || fail "the program ended with status $?"
for sound in hit.wav default.wav; do
    grep -qF "\"$unpacked/usr/lib/velquist/$sound\"" "$artefacts/opened.log" || fail "$sound not opened"
done
say "passed; screenshots in $artefacts"
