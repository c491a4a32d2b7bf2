#!/usr/bin/env bash
# Builds Tallywright and starts it. Its data files live beside the executable, in build/bin/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh build
exec build/bin/Tallywright
