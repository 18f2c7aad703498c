#!/usr/bin/env bash
# Installs the Debian packages Pastura builds, runs and tests with, asking
# apt only when something is missing. With "desktop" it installs only what
# building and starting the desktop program needs.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
)
# The player's PNG encoder: stb_image_write, one header, for both builds, and
# zlib to compress.
packages+=(libstb-dev zlib1g-dev)
# The population chart's lettering: stb_truetype (libstb-dev) draws a DejaVu
# face cut to the letters it needs by fontTools at build time.
packages+=(python3-fonttools)
# The player's GIF encoder (the Linux build only: Debian has none for mingw-w64).
packages+=(libgif-dev)
# The desktop program: Qt 6 Widgets (its tests run on Qt's offscreen platform),
# xcb for the hints of its fixed-size boxes on X11, and a font for its captions.
packages+=(qt6-base-dev qt6-svg-dev libxcb1-dev fonts-dejavu-core)
# The Linux desktop's larger icons are drawn from the scalable one.
packages+=(librsvg2-bin)

if [[ "${1:-all}" != desktop ]]; then
  # The formatting check.
  packages+=(clang-format)
  # Packaging and its checks: the Debian package's dependencies, the desktop
  # entry and the AppStream metainfo, and the windows' class and hints (xprop,
  # xwininfo, and xdotool to open the help and About boxes).
  packages+=(dpkg-dev appstream desktop-file-utils x11-utils xdotool)
  # The Windows build and its tests: the mingw-w64 cross compiler and windres,
  # Wine to run the programs (with its fonts and the X extensions it draws
  # with), and a headless X server for the dialog tests; zlib for the player;
  # icotool puts the icon's pictures into one .ico file.
  packages+=(
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 libz-mingw-w64-dev icoutils
    wine wine64 fonts-wine libxrender1 libxrandr2 libxi6 libxcursor1 libxfixes3 libxinerama1
    libxcomposite1 xvfb xauth
  )
  # The fuzz target: clang with libFuzzer and the sanitizer runtimes.
  packages+=(clang-14 libclang-rt-14-dev)
  # Long-run checks: valgrind's memcheck and GNU time for peak memory.
  packages+=(valgrind time)
  # The web page: Emscripten builds it; its tests drive Chromium from Node.js
  # with packages from npm. A Node.js from elsewhere, with its own npm, will do.
  # rsvg-convert renders the web app's icons from the project's SVG; esbuild
  # minifies the page's scripts and style.
  packages+=(emscripten esbuild chromium librsvg2-bin)
  if ! command -v npm >/dev/null; then
    packages+=(nodejs npm)
  fi
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if ((${#missing[@]} > 0)); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
