#!/usr/bin/env bash
# The size of the tests against the program's: non-blank lines of the tracked .cpp, .h, .py, .sh and
# .cmake files and CMakeLists.txt, those under tests/ (fakes, harnesses, fuzz targets and the sync
# driver included) and the scripts that make test fixtures or drive a test (sync-check.sh,
# make-import-fixtures.sh) against all the others (bench/ and the other tools count as program).
set -euo pipefail
cd "$(dirname "$0")/.."
count() { git ls-files | grep -E '\.(cpp|h|py|sh|cmake)$|(^|/)CMakeLists\.txt$' | grep "$@" | xargs cat | grep -cv '^[[:space:]]*$'; }
only='^tests/|^tools/(sync-check|make-import-fixtures)\.sh$'
tests=$(count -E "$only")
program=$(count -v -E "$only")
awk -v t="$tests" -v p="$program" 'BEGIN { printf "tests %d, program %d, ratio %.3f\n", t, p, t / p }'
