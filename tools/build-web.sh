#!/usr/bin/env bash
# Builds the web page with Emscripten into build-web/site/: index.html, the
# page's script and style, pastura.js and pastura.wasm.gz, and the icon. The
# folder is the whole site: serve it from any static host, or locally with
# `python3 -m http.server` in it.
set -euo pipefail
cd "$(dirname "$0")/.."

# Debian's emscripten runs its tools on Node.js and finds their modules here,
# also when the machine's Node.js is not Debian's.
export NODE_PATH=/usr/share/nodejs
# Emscripten's compiler wrappers do not go through a compiler launcher.
unset CMAKE_CXX_COMPILER_LAUNCHER CMAKE_C_COMPILER_LAUNCHER
# emcmake adds Emscripten's toolchain to the web preset.
emcmake cmake --preset web
cmake --build --preset web
echo "The page is in build-web/site/"
