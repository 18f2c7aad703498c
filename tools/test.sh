#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and runs
# every test, then builds the web page and tests it in headless Chromium
# (tools/test-web.sh) and cross-builds the Windows programs and tests them
# under Wine (tools/test-windows.sh); both compare with the native build's
# player. PASTURA_PRESET picks another preset of CMakePresets.json (default
# native), which is built and tested alone; CTEST_ARGS adds ctest options,
# PASTURA_WEB=0 leaves the web part out and PASTURA_WINDOWS=0 the Windows
# part; extra arguments go to CMake.
set -euo pipefail
cd "$(dirname "$0")/.."

./tools/install-deps.sh
preset="${PASTURA_PRESET:-native}"
cmake --preset "$preset" "$@"
cmake --build --preset "$preset"
# shellcheck disable=SC2086 # CTEST_ARGS holds several words
ctest --preset "$preset" ${CTEST_ARGS:-}

if [[ "$preset" != native ]]; then
  exit 0
fi
if [[ "${PASTURA_WEB:-1}" != 0 ]]; then
  ./tools/test-web.sh
fi
if [[ "${PASTURA_WINDOWS:-1}" != 0 ]]; then
  ./tools/test-windows.sh
fi
