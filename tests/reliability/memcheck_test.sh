#!/usr/bin/env bash
# Plays a 2,000-tick full-table session, every shape written out, under
# valgrind's memcheck: any memory error or leak fails. Skipped (exit 77) when
# valgrind is not installed. Usage: memcheck_test.sh REPLAY WORKDIR
set -euo pipefail

replay="$1"
work="$2"
if ! command -v valgrind > /dev/null; then
  echo "valgrind is not installed"
  exit 77
fi
mkdir -p "$work"
"$(dirname "$0")/full_table_session.sh" 2000 > "$work/full-table-2000.txt"
valgrind --tool=memcheck --leak-check=full --show-leak-kinds=all --errors-for-leak-kinds=all \
  --error-exitcode=1 --log-file="$work/memcheck.log" \
  "$replay" --draw "$work/full-table-2000.txt" > /dev/null
grep -E "ERROR SUMMARY|in use at exit|All heap blocks" "$work/memcheck.log"
