#!/usr/bin/env bash
# Builds the program and its tests with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-asan/ and runs the whole test suite there; any sanitizer report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DTALLYWRIGHT_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="$flags" >/dev/null
cmake --build build-asan -j2
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="abort_on_error=0:halt_on_error=1:detect_leaks=1:suppressions=$PWD/tools/lsan.supp"
export LSAN_OPTIONS="suppressions=$PWD/tools/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
ctest --test-dir build-asan --output-on-failure -j2
