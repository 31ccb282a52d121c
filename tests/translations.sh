#!/usr/bin/env bash
# Every catalogue is complete and up to date with the code: lupdate, run over the sources as the
# update_translations target runs it, changes no catalogue, and lrelease finds no unfinished entry.
#   translations.sh LUPDATE LRELEASE TRANSLATIONS-FOLDER LUPDATE-OPTION... -- SOURCE...
set -euo pipefail
lupdate=$1 lrelease=$2 folder=$3
shift 3
options=()
while [[ $1 != -- ]]; do options+=("$1") && shift; done
shift
work=$(mktemp -d) && trap 'rm -rf "$work"' EXIT

failed=0
for catalogue in "$folder"/velquist_*.ts; do
    name=$(basename "$catalogue")
    cp "$catalogue" "$work/$name"
    "$lupdate" "${options[@]}" "$@" -ts "$work/$name" >/dev/null
    if ! cmp -s "$catalogue" "$work/$name"; then
        echo "$name: out of date with the code; run the update_translations target" >&2
        failed=1
    fi
    summary=$("$lrelease" "$work/$name" -qm "$work/${name%.ts}.qm" | grep -o '([0-9]* finished and [0-9]* unfinished)')
    echo "$name: $summary"
    [[ $summary == *" 0 unfinished)" ]] || failed=1
done
exit $failed
