#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and runs
# every test, then cross-builds the Windows programs and tests them under Wine
# (tools/test-windows.sh). BUILD_DIR picks the build folder; extra arguments
# go to CMake for it. PASTURA_WINDOWS=0 leaves the Windows part out.
set -euo pipefail
cd "$(dirname "$0")/.."

./tools/install-deps.sh
build="${BUILD_DIR:-build}"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DPASTURA_WARNINGS_AS_ERRORS=ON "$@"
cmake --build "$build" --parallel
ctest --test-dir "$build" --output-on-failure --parallel 2

if [[ "${PASTURA_WINDOWS:-1}" != 0 ]]; then
  ./tools/test-windows.sh "$build"
fi
