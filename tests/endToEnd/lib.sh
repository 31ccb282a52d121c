# Sourced by the end-to-end tests after they set $artefacts (screenshots and logs go there).
#   needTools  exits 77 (skipped) when a tool is missing, or fails under CI, where the set-up
#              must have installed every one;
#   say, fail  report progress, or a failure with a screenshot, and end the test;
#   shoot      a screenshot of the whole X screen, kept as an artefact;
#   seen       a screenshot with more than so many pixels of the given colours in a region;
#   holdsName  a high-score file whose first record is the name, with a score above 0.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
testName=$(basename "$0" .sh)

say() { printf '%s: %s\n' "$testName" "$*"; }

needTools() {
    local tool
    for tool; do
        command -v "$tool" >/dev/null && continue
        say "missing $tool: scripts/setup.sh installs it" >&2
        [[ "${CI:-}" == true ]] && exit 1
        exit 77
    done
}

fail() {
    say "FAILED: $*" >&2
    shoot failure || true
    exit 1
}

shoot() {
    shot="$artefacts/$1.png"
    import -window root -strip "$shot"
}

# Pixels of exactly the colour (#RRGGBB) in the region (WxH+X+Y) of the image.
pixels() {
    convert "$1" -crop "$2" +repage -fill black +opaque "$3" -fill white -opaque "$3" \
        -format '%[fx:round(mean*w*h)]' info:
}

# A screenshot ($1) with more than $3 pixels of the colours $4... in the region $2; each try
# takes the place of the one before.
seen() {
    local name=$1 region=$2 least=$3 total=0 colour
    shift 3
    shoot "$name"
    for colour; do
        total=$((total + $(pixels "$shot" "$region" "$colour")))
    done
    ((total > least)) || return 1
    say "$name: $total pixels"
}

# The colours of the falling letters.
letterColours=('#FF0000' '#00FF00' '#0000FF' '#FFFF00' '#FF8000' '#FF00FF' '#00FFFF')

# The file ($1) appears, and its first record is the name ($2) padded with blanks to 18 bytes,
# then a score (32 bits) above 0.
holdsName() {
    waitFor 5 test -s "$1" || fail "no $1"
    [[ "$(head -c 18 "$1")" == "$(printf '%-18s' "$2")" ]] || fail "not the name: $(cat "$1")"
    local score
    score=$(od -An -t d4 -j 18 -N 4 "$1" | tr -d ' ')
    ((score > 0)) || fail "$1 holds '$2' with a score of $score"
    say "$1 holds '$2' with $score"
}
