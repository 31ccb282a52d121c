#!/usr/bin/env bash
# Installs what is missing, then checks everything CI checks:
#   1. a build in build/ with warnings as errors, and the test suite: the unit tests, the file
#      faults, the randomized soak, and the end-to-end tests of the real program under Xvfb
#      (screenshots in build/<test>-artifacts/);
#   2. the game for 64-bit Windows: Qt for Windows built once into a cache (scripts/windowsQt.sh),
#      a cross-compiled build in build-windows/ with warnings as errors, and its unit and
#      high-score tests under Wine, then its installer and portable copy played end to end there;
#   3. the formatting of every tracked source file against .clang-format, and the size of the
#      test suite against the code (scripts/testShare.sh);
#   4. the libFuzzer targets, built with clang in build-fuzz/, each run for 30 seconds;
#   5. a second build in build-asan/ with AddressSanitizer and UndefinedBehaviorSanitizer,
#      and the test suite again, the soak among them (the end-to-end tests run only once).
# The suite's summary is the last thing printed.
# Stops at the first failure with a non-zero exit status.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
root=$(pwd)

step() { printf '\n==== %s\n' "$*"; }

step "Setting up"
bash scripts/setup.sh

step "Building build/ (warnings are errors)"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELQUIST_WERROR=ON
cmake --build build --parallel 2

step "Testing build/"
ctest --test-dir build --output-on-failure

step "Building Qt for Windows (once: kept in ~/.cache/velquist)"
windows_qt=$(bash scripts/windowsQt.sh | tail -n1)

step "Building build-windows/ for 64-bit Windows with mingw-w64 (warnings are errors)"
cmake -S . -B build-windows -DCMAKE_BUILD_TYPE=Release -DVELQUIST_WERROR=ON \
    -DCMAKE_TOOLCHAIN_FILE="$windows_qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake"
cmake --build build-windows --parallel 2

step "Testing build-windows/ under Wine"
ctest --test-dir build-windows --output-on-failure

step "Checking formatting"
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -t sources < <(git ls-files -- '*.cpp' '*.h')
else
    mapfile -t sources < <(find . -path ./build -prune -o -path './build-*' -prune -o \
        \( -name '*.cpp' -o -name '*.h' \) -print | sort)
fi
clang-format --dry-run -Werror "${sources[@]}"
echo "${#sources[@]} files formatted as .clang-format asks"

step "Measuring the test suite against the code"
bash scripts/testShare.sh

step "Fuzzing (libFuzzer with AddressSanitizer and UndefinedBehaviorSanitizer, 30 s a target)"
bash scripts/fuzz.sh 30

step "Building build-asan/ (AddressSanitizer and UndefinedBehaviorSanitizer)"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DVELQUIST_SANITIZE=ON -DVELQUIST_WERROR=ON
cmake --build build-asan --parallel 2

step "Testing build-asan/"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir build-asan --output-on-failure
