#!/usr/bin/env bash
# Builds the Debian package from the build folder and checks its control
# fields, installs it with apt, checks its desktop files and starts both
# programs from where it put them, then removes it again.
set -euo pipefail
cd "$(dirname "$0")/.."

build="${BUILD_DIR:-build}"
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
(cd "$build" && cpack -G DEB > /dev/null)
package="$PWD/$build/pastura_${version}_amd64.deb"

fail() {
  echo "package: $*" >&2
  exit 1
}

# The control fields, as apt and the package managers show them: a summary,
# then a description of plain lines (a CMake list would leave its
# semicolons in them), the section, and the libraries shlibdeps found.
description="$(dpkg-deb -f "$package" Description)"
summary="$(head -n 1 <<<"$description")"
body="$(tail -n +2 <<<"$description")"
[[ "$summary" == "toy ecosystem of plants, herbivores and carnivores" ]] ||
  fail "the summary is '$summary'"
[[ -n "$body" ]] || fail "the description has no text below its summary"
[[ "$description" != *";"* ]] || fail "the description has a semicolon:"$'\n'"$description"
if grep -qv '^ [^ ]' <<<"$body"; then
  fail "the description has a line that is not one space and text:"$'\n'"$description"
fi
section="$(dpkg-deb -f "$package" Section)"
[[ "$section" == science ]] || fail "the section is '$section'"
depends="$(dpkg-deb -f "$package" Depends)"
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6; do
  [[ ", $depends," == *", $library "* ]] || fail "it does not depend on $library: $depends"
done

export DEBIAN_FRONTEND=noninteractive
apt-get install -y -qq "$package" > /dev/null
trap 'apt-get remove -y -qq pastura > /dev/null' EXIT

tests/linux/validate_desktop_files.sh /usr/share/applications/org.pastura.Pastura.desktop \
  /usr/share/metainfo/org.pastura.Pastura.metainfo.xml
test -f /usr/share/icons/hicolor/32x32/apps/org.pastura.Pastura.png
test -f /usr/share/icons/hicolor/scalable/apps/org.pastura.Pastura.svg
# The programs come without their debugging information.
for program in /usr/bin/pastura /usr/bin/pastura-replay; do
  if readelf -S "$program" | grep -q '\.debug_info'; then
    fail "$program is not stripped"
  fi
done

[[ "$(/usr/bin/pastura-replay --version)" == "pastura-replay $version" ]] ||
  fail "pastura-replay --version does not print $version"
# --version and --help need no display.
[[ "$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM /usr/bin/pastura --version)" == \
  "pastura $version" ]] || fail "pastura --version does not print $version"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM /usr/bin/pastura --help > /dev/null

# The desktop program should still be running after a second: it is stopped
# by timeout (exit 124), not by a failure of its own.
status=0
QT_QPA_PLATFORM=offscreen timeout 1 /usr/bin/pastura || status=$?
if ((status != 124)); then
  fail "pastura ended with status $status within a second"
fi
echo "package: 1 passed, 0 failed"
