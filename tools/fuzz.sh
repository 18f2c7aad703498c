#!/usr/bin/env bash
# Builds the session player's fuzz target by the fuzz preset (clang, libFuzzer
# and the address and undefined-behaviour sanitizers, in build-fuzz) and runs
# it for SECONDS (default 60).
# A crash, a sanitizer report or a leak stops it and fails the script; the
# input that did it is left in the build folder as replay-crash-*,
# replay-leak-* and the like. Arguments after SECONDS go to libFuzzer.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
shift || true

./tools/install-deps.sh
cmake --preset fuzz
cmake --build --preset fuzz

# New inputs go to the build folder's corpus; the seeds in the repository stay as they are.
build=build-fuzz
mkdir -p "$build/corpus-replay"
"$build/tests/fuzz/replay_fuzzer" "$build/corpus-replay" tests/fuzz/corpus \
  -dict=tests/fuzz/replay.dict -max_total_time="$seconds" -timeout=10 -rss_limit_mb=1024 \
  -max_len=4096 -print_final_stats=1 -artifact_prefix="$build/replay-" "$@"
