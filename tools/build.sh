#!/usr/bin/env bash
# Installs what is missing, configures the build folder given as $1 (build/ by default) and builds
# the targets named after it there, or everything (the program, its commands, the tests and the
# benchmark) when none is named.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
dir="${1:-build}"
shift || true
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$dir" -j2 ${1:+--target "$@"}
