#!/usr/bin/env bash
# Builds Tallywright and its two commands (not the tests nor the benchmark) and starts it. Its data
# files live beside the executable, in build/bin/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh build Tallywright tallywright-report tallywright-ctl tallywright-ctl-qt
exec build/bin/Tallywright
