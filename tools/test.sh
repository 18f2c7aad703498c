#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and runs
# every test, then builds the web page and tests it in headless Chromium
# (tools/test-web.sh) and cross-builds the Windows programs and tests them
# under Wine (tools/test-windows.sh). BUILD_DIR picks the build folder,
# CTEST_ARGS adds ctest options, PASTURA_WEB=0 leaves the web part out and
# PASTURA_WINDOWS=0 the Windows part; extra arguments go to CMake.
set -euo pipefail
cd "$(dirname "$0")/.."

./tools/install-deps.sh
build="${BUILD_DIR:-build}"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DPASTURA_WARNINGS_AS_ERRORS=ON "$@"
cmake --build "$build" --parallel
# shellcheck disable=SC2086 # CTEST_ARGS holds several words
ctest --test-dir "$build" --output-on-failure --parallel 2 ${CTEST_ARGS:-}

if [[ "${PASTURA_WEB:-1}" != 0 ]]; then
  ./tools/test-web.sh "$build"
fi

if [[ "${PASTURA_WINDOWS:-1}" != 0 ]]; then
  ./tools/test-windows.sh "$build"
fi
