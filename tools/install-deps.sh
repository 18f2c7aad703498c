#!/usr/bin/env bash
# Installs the Debian packages Pastura builds, runs and tests with, asking
# apt only when something is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
)
# The fuzz target: clang with libFuzzer and the sanitizer runtimes.
packages+=(clang-14 libclang-rt-14-dev)
# Long-run checks: valgrind's memcheck and GNU time for peak memory.
packages+=(valgrind time)

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
