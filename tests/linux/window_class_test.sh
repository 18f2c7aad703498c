#!/usr/bin/env bash
# Starts pastura on Qt's X11 platform on a private Xvfb display and reads its
# window's class (WM_CLASS) back with xprop: it must be the class the desktop
# entry's StartupWMClass names, which is how an X11 desktop matches the
# window to its entry.
#
# Usage: window_class_test.sh PASTURA DESKTOP_FILE
set -euo pipefail

pastura="$1"
expected="$(sed -n 's/^StartupWMClass=//p' "$2")"
if [[ -z "$expected" ]]; then
  echo "$2 has no StartupWMClass" >&2
  exit 1
fi
for tool in Xvfb xprop xwininfo; do
  if ! command -v "$tool" >/dev/null; then
    echo "skipped: $tool is not installed"
    exit 77
  fi
done

work="$(mktemp -d)"
chmod 700 "$work"
pastura_pid=""
stop() {
  if [[ -n "$pastura_pid" ]]; then
    kill "$pastura_pid" 2>/dev/null || true
    wait "$pastura_pid" 2>/dev/null || true
  fi
  kill "$xvfb_pid" 2>/dev/null || true
  wait "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
trap stop EXIT
for _ in $(seq 100); do
  [[ -s "$work/display" ]] && break
  sleep 0.1
done
if [[ ! -s "$work/display" ]]; then
  echo "Xvfb did not start" >&2
  exit 1
fi
export DISPLAY=":$(cat "$work/display")"

XDG_RUNTIME_DIR="$work" QT_QPA_PLATFORM=xcb "$pastura" 2>"$work/stderr" &
pastura_pid=$!

# The dialog is the window titled "Pastura" that has a class; Qt's helper
# windows have none.
window=""
for _ in $(seq 100); do
  window="$(xwininfo -root -tree | awk '$2 == "\"Pastura\":" && $3 != "()" { print $1; exit }')"
  [[ -n "$window" ]] && break
  if ! kill -0 "$pastura_pid" 2>/dev/null; then
    echo "pastura ended before its window opened:" >&2
    cat "$work/stderr" >&2
    exit 1
  fi
  sleep 0.1
done
if [[ -z "$window" ]]; then
  echo "no Pastura window appeared" >&2
  exit 1
fi

property="$(xprop -id "$window" WM_CLASS)"
class="$(sed -n 's/^WM_CLASS(STRING) = "[^"]*", "\([^"]*\)"$/\1/p' <<<"$property")"
if [[ "$class" != "$expected" ]]; then
  echo "the window's $property; the desktop entry expects class $expected" >&2
  exit 1
fi
echo "window class: $class"
