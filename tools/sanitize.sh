#!/usr/bin/env bash
# Builds the program and its tests with sanitizers and runs the whole test suite there; any
# sanitizer report fails the run.
#   bash tools/sanitize.sh          AddressSanitizer and UndefinedBehaviorSanitizer, in build-asan/
#   bash tools/sanitize.sh thread   ThreadSanitizer (the background writer against the window's
#                                   thread), in build-tsan/
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
export QT_QPA_PLATFORM=offscreen
if [ "${1:-}" = thread ]; then
  build=build-tsan
  flags="-fsanitize=thread -fno-omit-frame-pointer"
  # The crash tests fork while the background writer's thread runs; the child starts its own
  # writer, which the writer allows for (it forgets the parent's thread at the fork).
  export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:die_after_fork=0:suppressions=$PWD/tools/tsan.supp"
else
  build=build-asan
  flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
  export ASAN_OPTIONS="abort_on_error=0:halt_on_error=1:detect_leaks=1:suppressions=$PWD/tools/lsan.supp"
  export LSAN_OPTIONS="suppressions=$PWD/tools/lsan.supp:print_suppressions=0"
  export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
fi
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DTALLYWRIGHT_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="$flags" >/dev/null
cmake --build "$build" -j2
ctest --test-dir "$build" --output-on-failure -j2
