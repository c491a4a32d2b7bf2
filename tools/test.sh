#!/usr/bin/env bash
# Builds Tallywright and runs every test. Window tests draw offscreen, so no display is needed.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh build
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j2
