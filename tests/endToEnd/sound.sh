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
latency=2000 # milliseconds from an event to its sound, at most: the server may mix well ahead

startDesktop
startSoundServer "$server" || fail "$server did not start"
startRecording "$artefacts/heard.raw" || fail "parec records nothing"
startGame "$build/velquist"
noteNewGame() { recorded >>"$artefacts/events"; }
onNewGame=noteNewGame
pausedGame
# Letter keys until every one was typed, then one more hit once nothing of the game's is left on the
# server's streams: the game closes them when quiet, and the next hit is heard all the same.
typeUntil 26 recorded on {a..z} >>"$artefacts/events"
quiet() { [[ -z $(pactl list short sink-inputs) ]]; }
waitFor 30 quiet || fail "a stream left open while nothing plays"
typeUntil 1 recorded again {a..z} >>"$artefacts/events"
hits=$(($(wc -l <"$artefacts/events") - newGames)) && ((hits > 0)) || fail "no key hit a letter"
shoot menu && before=$shot
xdotool mousemove --window "$window" 20 10 click 1 # Game
waitFor 10 changed "$before" menu-open || fail "the Game menu did not open"
xdotool key Down Down Return # Sound
xdotool mousemove --window "$window" 300 300 click 1
typeUntil 3 recorded off {a..z} >"$artefacts/off"
[[ -s "$artefacts/off" ]] || fail "no key hit a letter with the sound off"
# What the server mixes reaches the recording within $latency of its event.
last=$(awk -v most="$latency" 'END { print $1 + most / 1000 }' "$artefacts/off")
waitFor 30 recordedPast "$last" || fail "the recording stopped"
sounds "$artefacts/heard.raw" >"$artefacts/sounds"
heardAfter "$artefacts/sounds" "$artefacts/events" >"$artefacts/heard"
say "$newGames New Game and $hits hits heard after (ms, s long): $(paste -sd, "$artefacts/heard")"
# Each chime plays whole (over 0.4 s), each click too (30 to 250 ms); nothing else is heard.
awk -v most="$latency" -v chimes="$newGames" '/missed/ || $1 > most ||
    (NR <= chimes ? $2 < 0.4 : $2 < 0.03 || $2 > 0.25) { print "event " NR ": " $0; bad = 1 }
    END { exit bad }' "$artefacts/heard" || fail "an event not heard as it should be"
(($(wc -l <"$artefacts/sounds") == hits + newGames)) || fail "sounds beyond New Game and the hits"
say "passed; recording and screenshots in $artefacts"
