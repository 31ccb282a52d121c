#!/usr/bin/env bash
# Builds the libFuzzer targets into build-fuzz/ with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer, then runs each target for a fixed time.
#   bash scripts/fuzz.sh [seconds] [target ...]
# seconds: how long each target runs (default 30). Targets: highScoreFile and playerName (both by
# default). FUZZ_FORK=n runs n worker processes per target (libFuzzer's -fork), for long campaigns
# on a machine with cores to spare.
#
# The corpus of each target lives in build-fuzz/corpus/<target>/ and grows from run to run; a few
# seed inputs are written into it when it is empty. An input that breaks a check or trips a
# sanitizer is saved in build-fuzz/artifacts/<target>/ and the script fails; replay it with
#   build-fuzz/tests/fuzz/fuzz_<target> build-fuzz/artifacts/<target>/crash-...
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
seconds=${1:-30}
shift || true
targets=("$@")
if ((${#targets[@]} == 0)); then
    targets=(highScoreFile playerName)
fi
fork=${FUZZ_FORK:-0}
if ! command -v clang++ >/dev/null 2>&1; then
    echo "fuzz: clang++ is needed (Debian packages clang and libclang-rt-14-dev)" >&2
    exit 1
fi

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVELQUIST_FUZZ=ON -DVELQUIST_TESTS=OFF -DVELQUIST_WERROR=ON >/dev/null
cmake --build build-fuzz --parallel 2 --target fuzz

# Seeds: a few inputs of the shapes each target cares about.
record() { # an 18-byte name (printf escapes allowed) and a score as 4 little-endian escapes
    LC_ALL=C printf '%-18s' "$(LC_ALL=C printf '%b' "$1")"
    printf '%b' "$2"
}
seedCorpus() {
    local target=$1 corpus=$2
    case $target in
    highScoreFile)
        {
            record 'Ada' '\x88\x13\x00\x00'
            record 'Zo\xeb Quist' '\xa0\x0f\x00\x00'
            record '  Bob' '\x2c\x01\x00\x00'
        } >"$corpus/three"
        { cat "$corpus/three"; head -c 154 /dev/zero; } >"$corpus/full"
        { cat "$corpus/full"; printf 'tail\xff'; } >"$corpus/longer"
        head -c 50 "$corpus/three" >"$corpus/cut"
        : >"$corpus/empty"
        ;;
    playerName)
        local i=0
        for input in 'Zo\xc3\xab Quist' '  Ann  ' '\xe6\x9d\x8e Wei' 'e\xcc\x81l\xcc\x88ve' \
            '\xe2\x82\xacuro \xc2\x81\xc2\x8d' '\xf0\x9f\x98\x80' '\xff\xfe\x80abc'; do
            printf '%b' "$input" >"$corpus/seed-$i"
            i=$((i + 1))
        done
        ;;
    esac
}

# The name target checks a one-byte code page: the locale's language picks Western European's.
export LC_ALL=C.UTF-8
status=0
for target in "${targets[@]}"; do
    binary=build-fuzz/tests/fuzz/fuzz_$target
    corpus=build-fuzz/corpus/$target
    artifacts=build-fuzz/artifacts/$target
    mkdir -p "$corpus" "$artifacts"
    if [[ -z "$(ls -A "$corpus")" ]]; then
        seedCorpus "$target" "$corpus"
    fi
    options=(-max_total_time="$seconds" -max_len=512 -print_final_stats=1
        -artifact_prefix="$artifacts/")
    if ((fork > 0)); then
        options+=(-fork="$fork" -ignore_crashes=0)
    fi
    printf '\n==== fuzz_%s for %s s\n' "$target" "$seconds"
    log=build-fuzz/fuzz_$target.log
    if ! "$binary" "${options[@]}" "$corpus" >"$log" 2>&1; then
        status=1
        tail -n 60 "$log"
        echo "fuzz_$target FAILED; the input is in $artifacts/" >&2
        continue
    fi
    runs=$(grep -Eo '^stat::number_of_executed_units: *[0-9]+' "$log" | grep -Eo '[0-9]+$' |
        tail -n1 || true)
    if [[ -z "$runs" ]]; then # -fork prints its totals on the last status line instead
        runs=$(grep -Eo '#[0-9]+' "$log" | tail -n1 | tr -d '#')
    fi
    echo "fuzz_$target: ${runs:-?} executions, corpus of $(ls "$corpus" | wc -l) inputs"
done
exit $status
