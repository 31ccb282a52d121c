#!/usr/bin/env bash
# The built game in the player's language, under Xvfb and openbox, read back from screenshots by
# OCR as a person would read them: under a German locale the main window's buttons and the name
# box's buttons are German; under a Polish one, "Łukasz" typed in the name box is stored as the
# code page's bytes A3 75 6B 61 73 7A and shown back in the High Scores window.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
source "$root/scripts/lib/privateDisplay.sh"
needTools Xvfb openbox xdotool xprop import convert dbus-daemon tesseract setxkbmap od

startDesktop

# Plays a game under the locale $1 from a copy of the program of its own, to the name box titled
# $2, whose Cancel button reads $4 (tesseract's language $3; OK is OK in both languages), and
# enters the name $5 there.
playTo() {
    folder=$work/$1 && mkdir -p "$folder"
    cp -r "$build/velquist" "$build"/*.wav "$build/translations" "$folder/"
    startGame env LANG="$1.UTF-8" LANGUAGE= LC_ALL= LC_MESSAGES= "$folder/velquist"
    pausedGame
    locale=$1 language=$3 cancel=$4 onNameBox=readNameBox
    enterName "$5" "$2"
}
readNameBox() { reads "$locale-name-box" "$nameBox" "$language" "$cancel"; }

playTo de_DE Highscore deu Abbrechen Hanna
reads de-main-window "$window" deu "Neues Spiel" Pause Aufhören Beenden
exitGame

# A Polish player's keyboard, where AltGr+Shift+L types Ł.
setxkbmap pl || fail "no Polish keyboard layout"
playTo pl_PL Rekord pol Anuluj Łukasz
expected=$(printf '\xA3ukasz%12s' '' | od -An -tx1)
[[ $(head -c 18 "$folder/HScores.dt" | od -An -tx1) == "$expected" ]] ||
    fail "not the name in code page 1250: $(head -c 18 "$folder/HScores.dt" | od -An -tx1)"
say "HScores.dt holds Łukasz as:$(head -c 6 "$folder/HScores.dt" | od -An -tx1)"
xdotool mousemove --window "$window" 20 10 click 1 sleep 0.5 key Down Down Down Return # Game > High Scores
table=$(shown 10 '^Najlepsze wyniki$') || fail "no High Scores window"
sleep 0.5
reads pl-high-scores "$table" pol Łukasz
say "passed; screenshots in $artefacts"
