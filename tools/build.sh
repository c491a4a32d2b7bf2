#!/usr/bin/env bash
# Configures and builds the program and its tests in build/ (or the folder given as $1).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
dir="${1:-build}"
shift || true
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$dir" -j2
