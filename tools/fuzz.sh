#!/usr/bin/env bash
# Builds the session player's fuzz target with clang, libFuzzer and the
# address and undefined-behaviour sanitizers, and runs it for SECONDS
# (default 60).
# A crash, a sanitizer report or a leak stops it and fails the script; the
# input that did it is left in the build folder as replay-crash-*,
# replay-leak-* and the like.
# BUILD_DIR picks the build folder; arguments after SECONDS go to libFuzzer.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
shift || true

./tools/install-deps.sh
build="${BUILD_DIR:-build-fuzz}"
cmake -S tests/fuzz -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++-14
cmake --build "$build" --parallel

# New inputs go to the build folder's corpora; the seeds in the repository stay as they are.
# fuzz TARGET SECONDS SEEDS DICTIONARY [libFuzzer arguments...]
fuzz() {
  local target="$1" time="$2" seeds="$3" dict="$4"
  shift 4
  mkdir -p "$build/corpus-$target"
  "$build/${target}_fuzzer" "$build/corpus-$target" "$seeds" \
    -dict="$dict" -max_total_time="$time" -timeout=10 -rss_limit_mb=1024 \
    -max_len=4096 -print_final_stats=1 -artifact_prefix="$build/$target-" "$@"
}
fuzz replay "$seconds" tests/fuzz/corpus tests/fuzz/replay.dict "$@"
