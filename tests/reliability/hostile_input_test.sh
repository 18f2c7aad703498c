#!/usr/bin/env bash
# Feeds pastura-replay hostile scripts: 10 MB of valid commands, a 1 MB
# token, NUL bytes and invalid UTF-8, 400-digit numbers, a tick count past
# the limit, a script without end, bad seeds, every byte value, 64 MiB. Each must either run correctly or be refused with the one-line
# error (exactly one line on stderr, nothing on stdout, exit 2); never a
# crash, a hang or partial output. Given the desktop program too, every
# refused script is also refused by it as a session file, with the same
# line and no window. Usage: hostile_input_test.sh REPLAY WORKDIR [DESKTOP]
set -uo pipefail

replay="$1"
work="$2"
desktop="${3:-}"
mkdir -p "$work"
failures=0
# The desktop program on Qt's offscreen platform, which wants a private
# runtime folder, or it warns on standard error.
mkdir -p -m 700 "$work/runtime"
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work/runtime"

fail() {
  echo "FAIL $1: $2"
  failures=$((failures + 1))
}

# play NAME SCRIPTFILE: runs the player on the file, 20 seconds at most.
play() {
  timeout 20 "$replay" "$2" > "$work/$1.out" 2> "$work/$1.err"
  echo $?
}

# expect_run NAME SCRIPTFILE EXPECTEDFILE: a correct run, output as expected.
expect_run() {
  local code
  code=$(play "$1" "$2")
  [[ "$code" == 0 ]] || fail "$1" "exit $code, expected 0: $(head -c 300 "$work/$1.err")"
  [[ -s "$work/$1.err" ]] && fail "$1" "wrote on stderr: $(head -c 300 "$work/$1.err")"
  cmp -s "$work/$1.out" "$3" || fail "$1" "output differs from $3"
}

# expect_refusal NAME SCRIPTFILE MESSAGE: refused with exactly this one line.
expect_refusal() {
  local code
  code=$(play "$1" "$2")
  [[ "$code" == 2 ]] || fail "$1" "exit $code, expected 2"
  [[ -s "$work/$1.out" ]] && fail "$1" "printed $(wc -c < "$work/$1.out") bytes on stdout"
  [[ "$(wc -l < "$work/$1.err")" == 1 ]] || fail "$1" "stderr is not one line"
  [[ "$(cat "$work/$1.err")" == "pastura-replay: $3" ]] ||
    fail "$1" "stderr was '$(head -c 300 "$work/$1.err")', expected 'pastura-replay: $3'"
  [[ -z "$desktop" ]] && return
  timeout 20 "$desktop" "$2" > "$work/$1.desktop.out" 2> "$work/$1.desktop.err"
  code=$?
  [[ "$code" == 2 && ! -s "$work/$1.desktop.out" ]] || fail "$1" "desktop: exit $code, expected 2"
  [[ "$(cat "$work/$1.desktop.err")" == "pastura: $3" ]] ||
    fail "$1" "desktop: stderr was '$(head -c 300 "$work/$1.desktop.err")'"
}

# Reference outputs come from short scripts the big ones must match.
reference() {
  printf "$2" > "$work/$1.txt"
  "$replay" "$work/$1.txt" > "$work/$1.expected"
}

# Hundreds of thousands of lines that change nothing and print nothing without
# --draw, between a few that do: the output must be the short script's.
filler() {
  yes 'paint redraw # filler: the board is drawn, nothing is printed' | head -n "$1"
}
reference short 'plant\nplace herbivore 7 4 2\ntick\ntick 3\nstate\n'
{ printf 'plant\nplace herbivore 7 4 2\ntick\n'; filler 170000; printf 'tick 3\nstate\n'; } \
  > "$work/big-valid.txt"
expect_run big-valid "$work/big-valid.txt" "$work/short.expected"
{ filler 170000; printf 'tick\nbogus\n'; } > "$work/big-then-bad.txt"
expect_refusal big-then-bad "$work/big-then-bad.txt" "line 170002: unknown command 'bogus'"

# 10 MB of every command, tables filling and overflowing, with a tick every
# few hundred lines: it runs through and ends with its last tick's label.
yes 'plant herbivore carnivore place plant 3 4 place herbivore 5 6 2 place carnivore 1 1 4' |
  head -n 125000 | awk '{ print } NR % 500 == 0 { print "tick" }' > "$work/big-mixed.txt"
code=$(play big-mixed "$work/big-mixed.txt")
[[ "$code" == 0 && ! -s "$work/big-mixed.err" ]] || fail big-mixed "exit $code"
[[ "$(tail -n 1 "$work/big-mixed.out")" == "iterations 249" ]] ||
  fail big-mixed "last line '$(tail -n 1 "$work/big-mixed.out")'"

# One token of 1 MB: as a command, as a number, and inside a comment.
token() {
  head -c 1048576 /dev/zero | tr '\0' "$1"
}
{ printf 'tick\n'; token a; printf '\n'; } > "$work/token-command.txt"
expect_refusal token-command "$work/token-command.txt" \
  "line 2: unknown command 'aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa...'"
{ printf 'tick '; token 9; } > "$work/token-number.txt"
expect_refusal token-number "$work/token-number.txt" \
  "line 1: number '9999999999999999999999999999999999999999...' out of range 1..1000000000"
{ printf 'plant # '; token x; printf '\nplace herbivore 7 4 2 tick tick 3 state\n'; } \
  > "$work/token-comment.txt"
expect_run token-comment "$work/token-comment.txt" "$work/short.expected"

# NUL bytes and invalid UTF-8: refused with the bytes escaped, or ignored in a comment.
printf 'plant\ntick\0plant\n' > "$work/nul.txt"
expect_refusal nul "$work/nul.txt" "line 2: unknown command 'tick\\x00plant'"
printf 'plant \xff\xfe\xc3\x28\n' > "$work/utf8.txt"
expect_refusal utf8 "$work/utf8.txt" "line 1: unknown command '\\xff\\xfe\\xc3('"
printf 'plant # \0\xff\xc3\x28\0\nplace herbivore 7 4 2 tick tick 3 state\n' > "$work/bytes-comment.txt"
expect_run bytes-comment "$work/bytes-comment.txt" "$work/short.expected"

# A refused script leaves no GIF, not even a temporary one.
timeout 20 "$replay" --gif "$work/never.gif" "$work/nul.txt" > "$work/gif.out" 2> "$work/gif.err"
code=$?
[[ "$code" == 2 && -z "$(find "$work" -name '*never.gif*')" ]] || fail gif_of_a_bad_script "exit $code"

# Numbers of 400 digits: leading zeros keep a small value; more is out of range.
zeros=$(printf '0%.0s' {1..399})
nines=$(printf '9%.0s' {1..400})
printf 'plant place herbivore 7 4 %s2\ntick %s1\ntick 3\nstate\n' "$zeros" "$zeros" \
  > "$work/digits-zeros.txt"
expect_run digits-zeros "$work/digits-zeros.txt" "$work/short.expected"
printf 'place plant 1 %s\n' "$nines" > "$work/digits-nines.txt"
expect_refusal digits-nines "$work/digits-nines.txt" \
  "line 1: number '9999999999999999999999999999999999999999...' out of range -2147483648..2147483647"
printf 'place carnivore 1 1 -%s\n' "$nines" > "$work/digits-negative.txt"
expect_refusal digits-negative "$work/digits-negative.txt" \
  "line 1: number '-999999999999999999999999999999999999999...' out of range -2147483648..2147483647"

# One tick past the largest count is refused before anything runs.
printf 'plant\ntick 5\ntick 1000000001\n' > "$work/tick-limit.txt"
expect_refusal tick-limit "$work/tick-limit.txt" \
  "line 3: number '1000000001' out of range 1..1000000000"

# A script without end is refused once past 64 MiB, read from a file or from
# standard input, without holding more than that in memory.
expect_refusal endless-file /dev/zero "the script in '/dev/zero' is larger than 64 MiB"
timeout 20 "$replay" - < /dev/zero > "$work/endless-input.out" 2> "$work/endless-input.err"
code=$?
[[ "$code" == 2 && ! -s "$work/endless-input.out" ]] || fail endless-input "exit $code"
[[ "$(cat "$work/endless-input.err")" == "pastura-replay: the script in standard input is larger than 64 MiB" ]] ||
  fail endless-input "stderr was '$(head -c 300 "$work/endless-input.err")'"

# Sessions: the seed out of range, after a command, with a NUL byte; every
# byte value; a session of exactly 64 MiB whose last line is wrong.
printf '# recorded\nseed 4294967296\ntick\n' > "$work/seed-range.txt"
expect_refusal seed-range "$work/seed-range.txt" \
  "line 2: bad seed '4294967296': expected a number 0..4294967295"
printf 'seed 7\nplant\nseed 7\n' > "$work/seed-late.txt"
expect_refusal seed-late "$work/seed-late.txt" "line 3: 'seed' must come before any other command"
printf 'seed 7\0 plant\n' > "$work/seed-nul.txt"
expect_refusal seed-nul "$work/seed-nul.txt" \
  "line 1: bad seed '7\\x00': expected a number 0..4294967295"
printf "$(printf '\\%03o' {0..255})" > "$work/every-byte.txt"
expect_refusal every-byte "$work/every-byte.txt" \
  "line 1: unknown command '\\x00\\x01\\x02\\x03\\x04\\x05\\x06\\x07\\x08'"
{ yes '#234567' | head -n 8388606; printf 'plant  \nseed 9 \n'; } > "$work/seed-64mib.txt"
expect_refusal seed-64mib "$work/seed-64mib.txt" \
  "line 8388608: 'seed' must come before any other command"

# --seed beside a script that names its seed is a usage error: the line and the usage.
"$replay" --seed 2 -e 'seed 3 tick' > "$work/seed-twice.out" 2> "$work/seed-twice.err"
code=$?
[[ "$code" == 2 && ! -s "$work/seed-twice.out" ]] || fail seed-twice "exit $code"
[[ "$(head -n 1 "$work/seed-twice.err")" == "pastura-replay: --seed cannot go with a script that names its seed: give only one of them" &&
  "$(wc -l < "$work/seed-twice.err")" == 2 ]] ||
  fail seed-twice "stderr was '$(head -c 300 "$work/seed-twice.err")'"

if ((failures > 0)); then
  echo "$failures hostile input check(s) failed"
  exit 1
fi
echo "all hostile input checks passed"
