#!/usr/bin/env bash
# Plays a 2,000-tick full-table session, every shape written out, and refuses
# a bad script, both under valgrind's memcheck: any memory error or leak
# fails. Skipped (exit 77) when valgrind is not installed.
# Usage: memcheck_test.sh REPLAY WORKDIR
set -euo pipefail

replay="$1"
work="$2"
if ! command -v valgrind > /dev/null; then
  echo "valgrind is not installed"
  exit 77
fi
mkdir -p "$work"
"$(dirname "$0")/full_table_session.sh" 2000 > "$work/full-table-2000.txt"
memcheck() {
  valgrind --tool=memcheck --leak-check=full --show-leak-kinds=all --errors-for-leak-kinds=all \
    --suppressions="$(dirname "$0")/library-init.supp" --error-exitcode=1 \
    --log-file="$work/$1.log" "${@:2}"
}

memcheck full-table "$replay" --draw "$work/full-table-2000.txt" > /dev/null
grep -E "ERROR SUMMARY|total heap usage|in use at exit" "$work/full-table.log"

# A refused script exits 2; memcheck's own failure would be 1.
code=0
memcheck bad-script "$replay" -e "plant tick 3 place plant 1 x" 2> /dev/null || code=$?
if [[ "$code" != 2 ]]; then
  echo "bad script: exit $code, expected 2"
  exit 1
fi
grep -E "ERROR SUMMARY|in use at exit" "$work/bad-script.log"
