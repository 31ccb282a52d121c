#!/usr/bin/env bash
# End-to-end test of the Windows build under Wine, in a fresh Wine prefix of the player's own (an
# unprivileged user when run as root), with Xvfb, openbox and a PulseAudio of the test's own: the
# NSIS installer made by CPack installs silently into Program Files, with its Start-menu shortcut
# and its entry among the installed programs; the installed game, its folder read-only to the
# player, is played with xdotool: a letter key scoring with the keyboard layouts ru,us, fr, de
# and us, each hit heard as a click through Wine's PulseAudio driver, a held key hitting once, on
# its release, and the score in the name box landing in the player's %APPDATA%\Velquist\HScores.dt.
# The portable ZIP copy, unpacked into a folder of the player's and run in a Russian locale,
# speaks Russian and keeps a Russian name, in code page 1251, beside the program. The silent
# uninstaller removes the program.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
needTools Xvfb openbox xdotool xprop import convert cpack makensis unzip setpriv pulseaudio pactl \
    parec od awk setxkbmap tesseract
source "$root/scripts/lib/privateDisplay.sh"
source "$root/scripts/lib/privateSound.sh"
[[ -x /usr/lib/wine/wine64 ]] || needTools wine64

cpack --config "$build/CPackConfig.cmake" -B "$work/package" >"$artefacts/cpack.log" ||
    fail "cpack: $(tail -n3 "$artefacts/cpack.log")"
installer=$(echo "$work"/package/velquist-*-win64.exe) portable=${installer%.exe}.zip
[[ -f "$installer" && -f "$portable" ]] || fail "no velquist-<version>-win64.exe and .zip"
say "$(basename "$installer"), $(basename "$portable")"

# Wine as the player, in a prefix of the player's: Wine refuses a prefix another user owns.
export WINEPREFIX="$player/wine" WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
wine=("${asPlayer[@]}" WINEPREFIX="$WINEPREFIX" /usr/lib/wine/wine64)
drive="$WINEPREFIX/drive_c"
installed="$drive/Program Files/Velquist"
cp "$installer" "$portable" "$player/" && chmod a+r "$player"/velquist-*
endWine() { timeout 20 "${asPlayer[@]}" WINEPREFIX="$WINEPREFIX" /usr/lib/wine/wineserver -k || true; }
trap 'chmod -R u+w "$installed" 2>/dev/null || true; endWine; endBackground' EXIT

startDisplay 1024x768x24 || fail "Xvfb did not start"
startWindowManager || fail "openbox did not start"
startSound || fail "PulseAudio did not start"
"${wine[@]}" wineboot --init >"$artefacts/wineboot.log" 2>&1 || fail "wineboot"
"${wine[@]}" "Z:$player/$(basename "$installer")" /S >"$artefacts/install.log" 2>&1 ||
    fail "the silent install ended with status $?"
[[ -f "$installed/velquist.exe" && -f "$installed/hit.wav" && -f "$installed/Uninstall.exe" ]] ||
    fail "not installed in Program Files: $(ls "$drive/Program Files")"
compgen -G "$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Velquist/*.lnk" >/dev/null ||
    fail "no Start-menu shortcut"
uninstallKey='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Velquist'
"${wine[@]}" reg query "$uninstallKey" >"$artefacts/registry.log" 2>&1 ||
    fail "not among the installed programs"
say "installed: $(ls "$installed" | paste -sd ' ')"

# The installed game, whose folder the player may not write, started with a Russian layout.
chmod -R a-w "$installed"
startRecording "$artefacts/heard.raw" || fail "parec records nothing"
setxkbmap ru,us
startGame "${wine[@]}" 'C:\Program Files\Velquist\velquist.exe'
shoot opened
pausedGame
# A letter key scores with each keyboard layout: the keys by their place (the X key codes of the
# US A to Z) until one hits. Windows names a letter key by its label on a Latin layout and by its
# place on any other. Wine follows the X server's layout as it changes, but Qt keeps what it made
# of each key under the layout the game started with, so the Russian one comes first.
for layout in ru,us fr de us; do
    setxkbmap "$layout"
    [[ $(typeUntil 1 "date +%T" "$layout" 38 56 54 40 26 41 42 43 31 44 45 46 58 57 32 33 24 27 \
        39 28 30 55 25 53 29 52) ]] || fail "no letter key scored with the layout $layout"
done
# Letter keys held a second each in the paused game, until three hit: a held key changes nothing
# until it is released, and then hits once. The moment of each release that hit is noted.
hits=0
waitFor 10 still before || fail "the paused game does not stand still"
for key in {a..z}; do
    before=$shot
    xdotool keydown "$key" sleep 1
    shoot "held-$key"
    cmp -s "$before" "$shot" || fail "holding $key changed the play area before its release"
    at=$(recorded)
    xdotool keyup "$key"
    waitFor 2 changed "$before" "released-$key" || continue
    echo "$at" >>"$artefacts/events" && ((++hits < 3)) || break
    waitFor 10 still "after-$key" || fail "the play area did not stand still after $key"
done
((hits > 0)) || fail "no key hit a letter"
waitFor 30 recordedPast "$(awk 'END { print $1 + 2 }' "$artefacts/events")" ||
    fail "the recording stopped"
sounds "$artefacts/heard.raw" >"$artefacts/sounds"
heardAfter "$artefacts/sounds" "$artefacts/events" >"$artefacts/heard"
say "$hits hits heard after (ms, s long): $(paste -sd, "$artefacts/heard")"
! grep -q missed "$artefacts/heard" || fail "a hit was not heard"

enterName "Zoe Quist"
holdsName "$(echo "$drive"/users/*/AppData/Roaming/Velquist/HScores.dt)" "Zoe Quist"
[[ ! -e "$installed/HScores.dt" ]] || fail "a score file in the read-only Program Files"
exitGame

# The portable copy, in a folder of the player's, where its table lies beside it, run as a
# Russian Windows runs it: Wine takes its display language and its ANSI code page, 1251, from the
# locale. The game speaks Russian (read back by OCR), and a name typed on a Russian keyboard is
# kept in that code page.
"${asPlayer[@]}" unzip -q "$player/$(basename "$portable")" -d "$player/portable"
copy=$player/portable/$(basename "$portable" .zip)
startGame env LANG=ru_RU.UTF-8 LC_ALL= LANGUAGE= "${wine[@]}" "Z:$copy/velquist.exe"
reads portable "$window" rus "Новая игра" Пауза Закончить
pausedGame
russianKeyboard() { reads name-box "$nameBox" rus Отмена && setxkbmap ru && sleep 1; }
onNameBox=russianKeyboard
enterName Иван Рекорд
[[ $(head -c 18 "$copy/HScores.dt" | od -An -tx1) == $(printf '\xC8\xE2\xE0\xED%14s' | od -An -tx1) ]] ||
    fail "not Иван in code page 1251: $(head -c 18 "$copy/HScores.dt" | od -An -tx1)"
setxkbmap us
exitGame

chmod -R u+w "$installed"
"${wine[@]}" 'C:\Program Files\Velquist\Uninstall.exe' /S >"$artefacts/uninstall.log" 2>&1 ||
    fail "the silent uninstall ended with status $?"
waitFor 30 test ! -e "$installed/velquist.exe" || fail "the uninstaller left the program"
! "${wine[@]}" reg query "$uninstallKey" >/dev/null 2>&1 || fail "still among the installed programs"
say "passed; screenshots and the recording in $artefacts"
