#!/usr/bin/env bash
# Installs what is missing, builds Pastura and starts it (it needs a display).
set -euo pipefail
cd "$(dirname "$0")/.."

./tools/install-deps.sh desktop
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --parallel --target pastura
exec build/src/ui/qt/pastura
