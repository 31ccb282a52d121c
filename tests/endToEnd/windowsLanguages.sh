#!/usr/bin/env bash
# The Windows game as a Russian Windows runs it, under Wine with the locale ru_RU.UTF-8, which makes
# Wine's display language Russian and its ANSI code page 1251: the portable copy, unpacked into a
# folder of an unprivileged player's, shows its buttons in Russian (read back from a screenshot by
# OCR), and "Иван", typed on a Russian keyboard in the name box, is stored as C8 E2 E0 ED.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
needTools Xvfb openbox xdotool xprop import convert cpack unzip setpriv tesseract setxkbmap od
source "$root/scripts/lib/privateDisplay.sh"
[[ -x /usr/lib/wine/wine64 ]] || needTools wine64

cpack -G ZIP --config "$build/CPackConfig.cmake" -B "$work/package" >"$artefacts/cpack.log" ||
    fail "cpack: $(tail -n3 "$artefacts/cpack.log")"
portable=$(echo "$work"/package/velquist-*-win64.zip)
[[ -f $portable ]] || fail "no velquist-<version>-win64.zip"

export WINEPREFIX="$player/wine" WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
wine=("${asPlayer[@]}" WINEPREFIX="$WINEPREFIX" LANG=ru_RU.UTF-8 LC_ALL= LANGUAGE=
    /usr/lib/wine/wine64)
endWine() { timeout 20 "${asPlayer[@]}" WINEPREFIX="$WINEPREFIX" /usr/lib/wine/wineserver -k || true; }
trap 'endWine; endBackground' EXIT

startDisplay 1024x768x24 || fail "Xvfb did not start"
startWindowManager || fail "openbox did not start"
"${wine[@]}" wineboot --init >"$artefacts/wineboot.log" 2>&1 || fail "wineboot"
cp "$portable" "$player/" && chmod a+r "$player/$(basename "$portable")"
"${asPlayer[@]}" unzip -q "$player/$(basename "$portable")" -d "$player/portable"
copy=$player/portable/$(basename "$portable" .zip)
startGame "${wine[@]}" "Z:$copy/velquist.exe"

reads main-window "$window" rus "Новая игра" Пауза Закончить

playToNameBox Рекорд
shoot game-over
reads name-box "$nameBox" rus Отмена
# A Russian player's keyboard for the name.
setxkbmap ru || fail "no Russian keyboard layout"
sleep 1
timeout 5 xdotool windowactivate --sync "$nameBox" 2>/dev/null || true
xdotool key ctrl+a BackSpace type --delay 100 "Иван"
sleep 0.5
shoot name-typed
xdotool key Return
waitFor 10 gone '^Рекорд$' || fail "the name box did not close"
expected=$(printf '\xC8\xE2\xE0\xED%14s' '' | od -An -tx1)
[[ $(head -c 18 "$copy/HScores.dt" | od -An -tx1) == "$expected" ]] ||
    fail "not the name in code page 1251: $(head -c 18 "$copy/HScores.dt" | od -An -tx1)"
say "HScores.dt holds Иван as:$(head -c 4 "$copy/HScores.dt" | od -An -tx1)"
setxkbmap us
exitGame
say "passed; screenshots in $artefacts"
