#!/usr/bin/env bash
# Starts pastura on Qt's X11 platform on a private Xvfb display and reads its
# window's class (WM_CLASS) back with xprop: it must be the class the desktop
# entry's StartupWMClass names, which is how an X11 desktop matches the
# window to its entry. Its fixed-size boxes (the dialog, the help box, the
# About box, the Populations window) must offer the window manager no
# resizing and no maximise box.
#
# Usage: window_class_test.sh PASTURA DESKTOP_FILE
set -euo pipefail

pastura="$1"
expected="$(sed -n 's/^StartupWMClass=//p' "$2")"
if [[ -z "$expected" ]]; then
  echo "$2 has no StartupWMClass" >&2
  exit 1
fi
for tool in Xvfb xprop xwininfo xdotool; do
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

# wait_window TITLE [OTHER_THAN]: the id of the top-level window titled TITLE
# that has a class, once it is shown; Qt's helper windows have none.
wait_window() {
  local id
  for _ in $(seq 100); do
    for id in $(xwininfo -root -children |
      awk -v title="\"$1\": (\"" -v other="${2:-}" 'index($0, title) && $1 != other { print $1 }'); do
      if xwininfo -id "$id" | grep -q IsViewable; then
        echo "$id"
        return
      fi
    done
    if ! kill -0 "$pastura_pid" 2>/dev/null; then
      echo "pastura ended before its window \"$1\" opened:" >&2
      cat "$work/stderr" >&2
      exit 1
    fi
    sleep 0.1
  done
  echo "no window \"$1\" appeared" >&2
  exit 1
}

window="$(wait_window Pastura)"

property="$(xprop -id "$window" WM_CLASS)"
class="$(sed -n 's/^WM_CLASS(STRING) = "[^"]*", "\([^"]*\)"$/\1/p' <<<"$property")"
if [[ "$class" != "$expected" ]]; then
  echo "the window's $property; the desktop entry expects class $expected" >&2
  exit 1
fi
echo "window class: $class"

# Motif hints: functions move and close (0x24), decorations border, title
# and menu (0x1a): no resize, no maximise.
fixed='_MOTIF_WM_HINTS(_MOTIF_WM_HINTS) = 0x3, 0x24, 0x1a, 0x0, 0x0'
check_fixed() {
  local hints
  hints="$(xprop -id "$2" _MOTIF_WM_HINTS)"
  if [[ "$hints" != "$fixed" ]]; then
    echo "the $1 advertises $hints; expected $fixed" >&2
    exit 1
  fi
}
check_fixed dialog "$window"
xdotool windowfocus --sync "$window" key F1
help="$(wait_window "Pastura Help")"
check_fixed "help box" "$help"
xdotool windowfocus --sync "$help" key Escape
xdotool windowfocus --sync "$window" key shift+F10
wait_window Pastura "$window" >/dev/null
xdotool key Down Return
about="$(wait_window "About Pastura")"
check_fixed "About box" "$about"
xdotool windowfocus --sync "$about" key Escape
xdotool windowfocus --sync "$window" key p
check_fixed "Populations window" "$(wait_window Populations)"
