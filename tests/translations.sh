#!/usr/bin/env bash
# Every catalogue is up to date with the code (lupdate, run over the sources as the
# update_translations target runs it, changes no copy of it) and complete (lrelease finds no
# unfinished entry).
#   translations.sh LUPDATE LRELEASE TRANSLATIONS-FOLDER LUPDATE-OPTION... -- SOURCE...
set -euo pipefail
lupdate=$1 lrelease=$2 folder=$3 options=() failed=0
shift 3
while [[ $1 != -- ]]; do options+=("$1") && shift; done
work=$(mktemp -d) && trap 'rm -rf "$work"' EXIT
for catalogue in "$folder"/velquist_*.ts; do
    copy=$work/$(basename "$catalogue") && cp "$catalogue" "$copy"
    "$lupdate" "${options[@]}" "${@:2}" -ts "$copy" >/dev/null
    cmp -s "$catalogue" "$copy" || { echo "$copy: behind the code" && failed=1; }
    summary=$("$lrelease" "$copy" -qm "$copy.qm" | grep -o '[0-9]* finished and [0-9]* unfinished')
    echo "$(basename "$catalogue"): $summary" && [[ $summary == *" 0 unfinished" ]] || failed=1
done
exit $failed
