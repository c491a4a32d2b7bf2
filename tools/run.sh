#!/usr/bin/env bash
# Builds Tallywright and starts it. Its data files live beside the executable, in build/app/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh build
exec build/app/Tallywright
