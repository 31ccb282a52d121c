#!/usr/bin/env bash
# Prints how large the test suite is against the code it tests, counted in tracked lines: every
# file under tests/, against the code outside it (C++, scripts, CMake, JSON, the CI entry point).
# The suite is meant to stay at about a third of the code, and never above 40%.
#   bash scripts/testShare.sh
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

tests=$(git ls-files tests | xargs cat | wc -l)
code=$(git ls-files | grep -v '^tests/' |
    grep -E '\.(cpp|h|sh|py|json)$|CMakeLists\.txt$|^\.ci/run$' | xargs cat | wc -l)
echo "tests: $tests lines; code: $code lines; tests are $((100 * tests / code))% of the code"
