#!/usr/bin/env bash
# Measures the player's peak resident size from outside (GNU time) on
# full-table sessions of 10,000 and 1,000,000 ticks, output to /dev/null, with
# and without --draw. The figures must not grow with the tick count.
# REPLAY picks the player (default build/tools/replay/pastura-replay).
set -euo pipefail
cd "$(dirname "$0")/.."

replay="${REPLAY:-build/tools/replay/pastura-replay}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for ticks in 10000 1000000; do
  tests/reliability/full_table_session.sh "$ticks" > "$work/session.txt"
  for draw in "" --draw; do
    /usr/bin/time -f "%M %e" -o "$work/time" "$replay" $draw "$work/session.txt" > /dev/null
    read -r kilobytes seconds < "$work/time"
    printf '%9d ticks %-7s peak %6d KiB  %7.2f s\n' "$ticks" "${draw:-}" "$kilobytes" "$seconds"
  done
done
