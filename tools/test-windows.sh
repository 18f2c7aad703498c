#!/usr/bin/env bash
# Cross-builds the Windows programs with mingw-w64 by the windows preset, as
# the README's "Building for Windows" does, and, when Wine and Xvfb are
# present, runs the Windows tests under Wine on a private X display: the core
# suites, the resources read back from pastura.exe, the real dialog driven
# from outside, and pastura-replay.exe against the native player.
#
# Usage: tools/test-windows.sh [NATIVE_BUILD_DIR]
# NATIVE_BUILD_DIR holds the native pastura-replay to compare with (default
# build, the native preset's). The Wine prefix is kept in build-windows.
set -euo pipefail
cd "$(dirname "$0")/.."

native_build="${1:-build}"
build=build-windows

if ! command -v x86_64-w64-mingw32-g++-posix >/dev/null; then
  echo "test-windows: mingw-w64 is not installed; skipping the Windows build"
  exit 0
fi

host_replay=""
if [[ -x "$native_build/tools/replay/pastura-replay" ]]; then
  host_replay="$(realpath "$native_build/tools/replay/pastura-replay")"
fi
cmake --preset windows -DPASTURA_HOST_REPLAY="$host_replay"
cmake --build --preset windows

# The zip for Windows users: both programs and the readme, nothing else.
(cd "$build" && cpack -G ZIP >/dev/null)
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
name="pastura-$version-windows-x64"
listing="$(cd "$build" && cmake -E tar tf "$name.zip" | sort | tr '\n' ' ')"
expected="$name/README.txt $name/pastura-replay.exe $name/pastura.exe "
if [[ "$listing" != "$expected" ]]; then
  echo "test-windows: the zip holds: $listing" >&2
  exit 1
fi
# Its programs come without their debugging information.
unzipped="$(mktemp -d)"
zip="$(realpath "$build/$name.zip")"
(cd "$unzipped" && cmake -E tar xf "$zip")
for program in pastura.exe pastura-replay.exe; do
  if x86_64-w64-mingw32-objdump -h "$unzipped/$name/$program" | grep -q '\.debug_info'; then
    echo "test-windows: the zip's $program is not stripped" >&2
    exit 1
  fi
done
rm -rf "$unzipped"
echo "windows zip: 1 passed, 0 failed"

if ! command -v wine >/dev/null || ! command -v Xvfb >/dev/null; then
  echo "test-windows: wine or Xvfb is not installed; built, but not tested"
  exit 0
fi

# Two Wine prefixes: one at the usual 96 DPI for most tests, and one at 144
# DPI (display scale 1.5) for the board's test there.
prefix="$PWD/$build/wineprefix"
prefix_144dpi="$PWD/$build/wineprefix-144dpi"
export WINEDEBUG=-all
# No Mono or Gecko: nothing here needs them, and Wine would offer to fetch them.
export WINEDLLOVERRIDES="mscoree,mshtml="

display_file="$(mktemp)"
Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
xvfb_pid=$!
stop() {
  WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
  WINEPREFIX="$prefix_144dpi" wineserver -k 2>/dev/null || true
  kill "$xvfb_pid" 2>/dev/null || true
  rm -f "$display_file"
}
trap stop EXIT
for _ in $(seq 50); do
  [[ -s "$display_file" ]] && break
  sleep 0.1
done
if [[ ! -s "$display_file" ]]; then
  echo "test-windows: Xvfb did not start" >&2
  exit 1
fi
export DISPLAY=":$(cat "$display_file")"

# Makes the prefix WINEPREFIX anew at DPI $1 and sets what the tests need;
# fails if any step does.
prepare_prefix() {
  rm -rf "$WINEPREFIX"
  wineboot --init &&
    wineserver -w &&
    # Wine draws the window frames itself: there is no window manager here.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f &&
    wine reg query 'HKCU\Software\Wine\X11 Driver' /v Decorated &&
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f &&
    wineserver -w &&
    touch "$WINEPREFIX/.prepared"
}
# A new prefix's first program has been seen to fail to start on a fresh CI
# machine, so a failed preparation is tried again from the start, and its
# log, with Wine's error messages, is shown only if every try failed.
prepare_once() {
  export WINEPREFIX="$1"
  if [[ -f "$WINEPREFIX/.prepared" ]]; then
    return
  fi
  echo "test-windows: preparing the Wine prefix $WINEPREFIX"
  prepare_log="$(mktemp)"
  for attempt in 1 2 3; do
    if WINEDEBUG=err+all prepare_prefix "$2" >>"$prepare_log" 2>&1; then
      break
    fi
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    if ((attempt == 3)); then
      cat "$prepare_log" >&2
      rm -f "$prepare_log"
      echo "test-windows: the Wine prefix could not be prepared" >&2
      exit 1
    fi
    echo "test-windows: preparing the Wine prefix failed; trying again"
  done
  rm -f "$prepare_log"
}
# One Wine server and one set of Wine's own services per prefix for the whole
# run: each program then starts in a fraction of a second instead of several.
# They are started here, away from the tests' output, which they would
# otherwise hold open. The tests run in the 96-DPI prefix, exported last,
# unless they name the other.
for setting in "$prefix_144dpi 144" "$prefix 96"; do
  read -r folder dpi <<<"$setting"
  prepare_once "$folder" "$dpi"
  wineserver -p
  wineboot >/dev/null 2>&1 </dev/null
done

ctest --preset windows

