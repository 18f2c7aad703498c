#!/usr/bin/env bash
# Installs what is missing, builds Pastura and starts it (it needs a display).
set -euo pipefail
cd "$(dirname "$0")/.."

./tools/install-deps.sh desktop
cmake --preset native
cmake --build --preset native --target pastura
exec build/src/ui/qt/pastura
