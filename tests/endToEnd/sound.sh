#!/usr/bin/env bash
# The built game heard through a PulseAudio of its own (VELQUIST_SOUND_SERVER=pipewire: PipeWire,
# WirePlumber and pipewire-pulse), its sink recorded, under Xvfb: New Game's chime at once (the
# Windows level sound is missing), a click for every hit, nothing of the game's playing on the
# server once it is quiet, and nothing after Game > Sound. Hits are made in a paused game (a key
# hits, no level ends or begins): letter keys in turn, a screenshot after each telling a hit
# (letter wiped, status rewritten) from a miss.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
source "$root/scripts/lib/privateDisplay.sh"
source "$root/scripts/lib/privateSound.sh"
server=${VELQUIST_SOUND_SERVER:-pulseaudio}
tools=$(soundServerTools "$server") || fail "no sound server '$server'"
needTools $tools Xvfb openbox xdotool xprop import dbus-daemon setpriv pactl parec od awk
latency=1000 # milliseconds from an event to its sound, at most: the server may mix well ahead

startDisplay 1024x768x24 || fail "Xvfb did not start"
export QT_QPA_PLATFORM=xcb
startWindowManager || fail "openbox did not start"
startSessionBus || fail "no session bus"
startSoundServer "$server" || fail "$server did not start"
startRecording "$artefacts/heard.raw" || fail "parec records nothing"
startGame "$build/velquist"
recorded >"$artefacts/events"
newGame
xdotool key Insert
# Types letter keys a few tenths of a second apart until $1 of them hit, noting each hit's moment.
typeLetters() {
    local hits=0 key at before
    shoot "keys-$2"
    for key in {a..z}; do
        before=$shot at=$(recorded)
        xdotool key "$key" sleep 0.25
        shoot "key-$2-$key"
        cmp -s "$before" "$shot" || { echo "$at" && ((++hits < $1)) || break; }
    done
}
typeLetters 26 on >>"$artefacts/events"
# A second of quiet: nothing of the game's left on the server's streams; the next hit is heard all
# the same.
sleep 1
[[ -z $(pactl list short sink-inputs) ]] || fail "a stream left playing while nothing plays"
typeLetters 1 again >>"$artefacts/events"
hits=$(($(wc -l <"$artefacts/events") - 1)) && ((hits > 0)) || fail "no key hit a letter"
xdotool mousemove --window "$window" 20 10 click 1 sleep 0.5 key Down Down Return # Game > Sound
xdotool mousemove --window "$window" 300 300 click 1
[[ $(typeLetters 3 off) ]] || fail "no key hit a letter with the sound off"
sleep "$((latency / 1000))"
sounds "$artefacts/heard.raw" >"$artefacts/sounds"
heardAfter "$artefacts/sounds" "$artefacts/events" >"$artefacts/heard"
say "New Game and $hits hits heard after (ms, s long): $(paste -sd, "$artefacts/heard")"
# The chime plays whole (over 0.4 s), each click too (30 to 250 ms); nothing else is heard.
awk -v most="$latency" '/missed/ || $1 > most || (NR == 1 ? $2 < 0.4 : $2 < 0.03 || $2 > 0.25) {
    print "event " NR ": " $0; bad = 1 } END { exit bad }' "$artefacts/heard" ||
    fail "an event not heard as it should be"
(($(wc -l <"$artefacts/sounds") == hits + 1)) || fail "sounds beyond New Game and the hits"
say "passed; recording and screenshots in $artefacts"
