#!/usr/bin/env bash
# Builds the web page (tools/build-web.sh) and tests it in the system's
# headless Chromium, comparing it with the native player of the build folder
# BUILD (default build). The tests' package puppeteer-core is pinned in
# tests/web/package-lock.json and installed by npm ci when that changes; it
# downloads no browser; axe-core, pinned there too, checks the page's
# accessibility. The screenshots the tests take go to BUILD/web/.
set -euo pipefail
cd "$(dirname "$0")/.."

build="${1:-build}"
./tools/build-web.sh

tests=tests/web
if [[ ! -f $tests/node_modules/.package-lock.json ||
      $tests/package-lock.json -nt $tests/node_modules/.package-lock.json ]]; then
  (cd "$tests" && npm ci --no-audit --no-fund)
fi

mkdir -p "$build/web"
PASTURA_SITE="$PWD/build-web/site" PASTURA_REPLAY="$PWD/$build/tools/replay/pastura-replay" \
  PASTURA_WEB_OUT="$PWD/$build/web" node --test --test-concurrency=1 "$tests"/*.test.js
