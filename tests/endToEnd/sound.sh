#!/usr/bin/env bash
# The game heard: the built program played on a private Xvfb screen through a private PulseAudio
# whose null sink is recorded. From the recording: New Game is heard at once (the default chime,
# as the Windows level sound is missing), every hit is heard as a click of its own, the first one
# included, and after Game > Sound nothing is. Hits are made in a paused game, where a key still
# hits a letter in play but no level can end or begin: each letter key in turn, a few tenths of a
# second apart, with a screenshot after each, which changes on a hit (the letter wiped, the status
# line rewritten) and not on a miss. The server mixes ahead and the sink resamples, so sounds are
# compared by their loudness over time, allowing up to $latency seconds before one is heard.
#   bash tests/endToEnd/sound.sh [build folder] [artefact folder]
# Exit status 0 when every sound was heard as it should, 1 on a failure, 77 when a tool it needs
# is missing (1 under CI, where the set-up installs every one).
set -euo pipefail
build=$(realpath "${1:-$(dirname "${BASH_SOURCE[0]}")/../../build}")
artefacts=$(realpath -m "${2:-$build/sound-artifacts}")
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
needTools Xvfb openbox xdotool xprop import dbus-daemon setpriv pulseaudio pactl parec od awk
source "$root/scripts/lib/privateDisplay.sh"
source "$root/scripts/lib/privateSound.sh"
rm -rf "$artefacts"
mkdir -p "$artefacts"
latency=1.0 # seconds from an event to its sound, at most

startDisplay 1024x768x24 || fail "Xvfb did not start"
export QT_QPA_PLATFORM=xcb
startWindowManager || fail "openbox did not start"
startSessionBus || fail "no session bus"
startSound || fail "PulseAudio did not start"
startRecording "$artefacts/heard.raw" || fail "parec records nothing"
startGame "$build/velquist"

newGame=$(recorded)
newGame
xdotool key Insert
hits=()
# Types the letter keys a few tenths of a second apart until $1 of them hit, or all 26 are typed;
# the moment of each hit, in the recording's seconds, is added to $hits.
typeLetters() {
    local wanted=$(($1 + ${#hits[@]})) before key at
    shoot "keys-$2"
    before=$shot
    for key in {a..z}; do
        at=$(recorded)
        xdotool key "$key"
        sleep 0.25
        shoot "key-$2-$key"
        cmp -s "$before" "$shot" || hits+=("$at")
        before=$shot
        ((${#hits[@]} < wanted)) || break
    done
}
typeLetters 26 on
heardHits=${#hits[@]}
((heardHits > 0)) || fail "no key hit a letter"
# Game > Sound, the second item of the menu at the window's top left.
soundOff=$(recorded)
xdotool mousemove --window "$window" 20 10 click 1
sleep 0.5
xdotool key Down Down Return
xdotool mousemove --window "$window" 300 300 click 1
typeLetters 3 off
((${#hits[@]} > heardHits)) || fail "no key hit a letter with the sound off"
sleep "$latency"
sounds "$artefacts/heard.raw" >"$artefacts/sounds.txt"
say "$heardHits hits with the sound on, $((${#hits[@]} - heardHits)) with it off; heard:"
cat "$artefacts/sounds.txt"

# Every sound: its start and length, and the event it follows, which must come before it and at
# most $latency seconds earlier. The first is New Game's chime, played whole (over 0.4 s), each of
# the next the whole click of a hit (30 to 250 ms), and there is nothing after the sound went off.
awk -v newGame="$newGame" -v hits="${hits[*]:0:heardHits}" -v off="$soundOff" \
    -v latency="$latency" '
    BEGIN { count = split(hits, hit, " ") }
    function check(ok, what) { if (!ok) { print "sound " NR " at " $1 " s: " what; bad = 1 } }
    NR == 1 {
        check($1 >= newGame && $1 - newGame <= latency && $2 > 0.4, "not New Game'\''s chime")
        printf "New Game heard after %.0f ms\n", 1000 * ($1 - newGame)
    }
    NR > 1 && NR <= count + 1 {
        event = hit[NR - 1]
        check($1 >= event && $1 - event <= latency && $2 > 0.03 && $2 < 0.25,
            "not the click of the hit at " event)
        printf "hit %d heard after %.0f ms\n", NR - 1, 1000 * ($1 - event)
    }
    NR > count + 1 { check(0, $1 >= off ? "heard with the sound off" : "no hit made it") }
    END { check(NR == count + 1, NR - 1 " clicks for " count " hits"); exit bad }' \
    "$artefacts/sounds.txt" || fail "the game was not heard as it was played"
say "passed; recording and screenshots in $artefacts"
