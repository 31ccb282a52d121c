#!/usr/bin/env bash
# Installs what is missing, builds Velquist into build/ and starts it. Arguments go to the game
# (Qt's own options, such as -platform, work too). Needs a display: see the README for Xvfb.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --parallel 2 --target velquist
exec build/velquist "$@"
