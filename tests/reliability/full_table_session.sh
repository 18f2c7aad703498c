#!/usr/bin/env bash
# Prints a session that fills all three tables, each record on a cell of its
# own, then runs TICKS ticks: full_table_session.sh TICKS
set -euo pipefail

ticks="$1"
for ((i = 0; i < 100; ++i)); do
  echo "place plant $((1 + i % 10)) $((1 + i / 10))"
  echo "place herbivore $((1 + i % 20)) $((1 + i / 20)) $((1 + i % 4))"
  echo "place carnivore $((1 + i % 20)) $((11 + i / 20)) $((1 + (i + 2) % 4))"
done
echo "state"
echo "tick $ticks"
echo "state"
