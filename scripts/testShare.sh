#!/usr/bin/env bash
# Prints how large the test suite is against the code it tests, counted in tracked lines: every
# file under tests/, against the code outside it (C++, scripts, CMake, JSON, the CI entry point).
# The suite is meant to stay at about a third of the code, and never above 40%.
#   bash scripts/testShare.sh
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

tests=$(git ls-files tests | xargs cat | wc -l)
code=$(git ls-files | grep -v '^tests/' |
    grep -E '\.(cpp|h|sh|py|cmake|json)$|CMakeLists\.txt$|^\.ci/run$' | xargs cat | wc -l)
share=$((1000 * tests / code))
echo "tests: $tests lines; code: $code lines; tests are $((share / 10)).$((share % 10))% of the code"
