#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, AddressSanitizer and UndefinedBehaviorSanitizer in
# build-fuzz/ and runs each for the given number of seconds (default 60), starting from the seed
# corpus in tests/fuzz/corpus/. A crash, a sanitizer report or a broken property fails the run and
# leaves the input in build-fuzz/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
bash tools/deps.sh clang libclang-rt-14-dev
flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer -g"
cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTALLYWRIGHT_TESTS=OFF -DTALLYWRIGHT_BENCH=OFF -DTALLYWRIGHT_FUZZ=ON \
  -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build build-fuzz -j2 --target fuzzers
mkdir -p build-fuzz/artifacts
for seeds in tests/fuzz/corpus/*/; do
  name=$(basename "$seeds")
  work="build-fuzz/corpus/$name"
  mkdir -p "$work"
  echo "== fuzz_$name for ${seconds}s"
  "build-fuzz/tests/fuzz/fuzz_$name" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="build-fuzz/artifacts/$name-" -max_len=65536 "$work" "$seeds" 2>&1 |
    grep -E "^(#[0-9]+.*DONE|stat::number_of_executed_units|stat::peak_rss|==[0-9]+==|SUMMARY|.*ERROR)" || true
  if ls build-fuzz/artifacts/"$name"-* >/dev/null 2>&1; then
    echo "fuzz_$name found a failing input: $(ls build-fuzz/artifacts/"$name"-*)"
    exit 1
  fi
done
