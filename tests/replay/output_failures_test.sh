#!/usr/bin/env bash
# The player's outputs under failure: a closed standard stream, a destination
# that cannot be written, a device that fills, a full file system, a used
# frames folder, one path named twice, a stop by signal. Each must end with the
# one-line message and a non-zero exit before or at the first failed write,
# leave an older file as it was and leave no partial or temporary file.
# Usage: output_failures_test.sh REPLAY WORKDIR
set -uo pipefail

replay="$1"
work="$2"
rm -rf "$work"
mkdir -p "$work"
cd "$work" || exit 1
failures=0
# Every run that should stop at once asks for this many ticks: it can only
# pass by failing before it has played them.
endless='plant herbivore carnivore tick 1000000000'

fail() {
  echo "FAIL $1: $2"
  failures=$((failures + 1))
}

# expect NAME CODE MESSAGE: the last run's exit code and its one line on stderr.
expect() {
  [[ "$code" == "$2" ]] || fail "$1" "exit $code, expected $2"
  local said
  said="$(cat err)"
  [[ "$said" == "pastura-replay: $3" ]] || fail "$1" "stderr was '$said', expected 'pastura-replay: $3'"
}

# no_leftovers NAME DIR: nothing but what the test put there stays in DIR.
no_leftovers() {
  local left
  left="$(find "$2" -name '.*.tmp-*')"
  [[ -z "$left" ]] || fail "$1" "left temporary files: $left"
}

# A closed standard output: nothing goes into the counts file, which is not
# kept, and the run fails.
echo old > counts.csv
timeout 60 "$replay" --counts counts.csv -e 'plant tick 3' >&- 2> err
code=$?
expect closed_output 1 "cannot write standard output: Bad file descriptor"
[[ "$(cat counts.csv)" == old ]] || fail closed_output "the counts file changed"
no_leftovers closed_output .

# A closed standard error: the counts file holds the CSV and nothing else.
timeout 60 "$replay" --counts counts.csv -e 'plant tick 2' > out 2>&-
code=$?
[[ "$code" == 0 ]] || fail closed_error "exit $code"
[[ "$(cat counts.csv)" == $'tick,plants,herbivores,carnivores\n1,1,0,0\n2,1,0,0' ]] ||
  fail closed_error "counts file was '$(cat counts.csv)'"
timeout 60 "$replay" --counts counts.csv -e 'tick 0' > out 2>&-
code=$?
[[ "$code" == 2 ]] || fail closed_error_bad_script "exit $code"
[[ "$(head -n 1 counts.csv)" == tick,plants,herbivores,carnivores ]] ||
  fail closed_error_bad_script "counts file was '$(cat counts.csv)'"

# A destination in a missing folder stops the player before the first tick.
timeout 60 "$replay" --png nodir/x.png -e "$endless" > out 2> err
code=$?
expect png_missing_folder 1 "cannot write 'nodir/x.png': No such file or directory"
[[ -s out ]] && fail png_missing_folder "printed on stdout"
mkdir -p folder
timeout 60 "$replay" --counts folder -e "$endless" > out 2> err
code=$?
expect counts_is_a_folder 1 "cannot write 'folder': Is a directory"

# A device that fills: the first failed write ends the run.
timeout 60 "$replay" -e "$endless" > /dev/full 2> err
code=$?
expect report_to_full_device 1 "cannot write standard output: No space left on device"
timeout 60 "$replay" --counts /dev/full -e "$endless" > /dev/null 2> err
code=$?
expect counts_to_full_device 1 "cannot write '/dev/full': No space left on device"
timeout 60 "$replay" --counts - -e "$endless" > /dev/full 2> err
code=$?
expect counts_on_output_to_full_device 1 "cannot write standard output: No space left on device"

# '--counts -' beside other lines on standard output is refused before any output.
for script in 'tick state' 'state'; do
  timeout 60 "$replay" --counts - -e "$script" > out 2> err
  code=$?
  [[ "$code" == 2 && ! -s out ]] || fail counts_beside_state "exit $code, $(wc -c < out) bytes out"
done
timeout 60 "$replay" --counts - --draw -e tick > out 2> err
code=$?
[[ "$code" == 2 && ! -s out ]] || fail counts_beside_draw "exit $code, $(wc -c < out) bytes out"

# One path named twice, however spelt.
timeout 60 "$replay" --counts same --png ./same -e tick > out 2> err
code=$?
[[ "$code" == 2 && ! -e same ]] || fail one_path_twice "exit $code"
[[ "$(head -n 1 err)" == "pastura-replay: --png and --counts both name 'same'" ]] ||
  fail one_path_twice "stderr was '$(cat err)'"
printf 'tick\n' > session.txt
timeout 60 "$replay" --counts session.txt session.txt > out 2> err
code=$?
[[ "$code" == 2 && "$(cat session.txt)" == tick ]] || fail script_as_output "exit $code"

# wait_for_output FILE PID: until FILE has its first bytes (or PID has ended).
wait_for_output() {
  local tries=0
  while [[ ! -s "$1" ]] && kill -0 "$2" 2> /dev/null && ((tries++ < 6000)); do
    sleep 0.01
  done
}

# A stop by signal: the old file stays, no partial or temporary file.
for signal in TERM INT; do
  echo old > counts.csv
  rm -f out
  "$replay" --counts counts.csv -e "$endless" > out 2> err &
  pid=$!
  wait_for_output out "$pid"
  kill -s "$signal" "$pid"
  wait "$pid"
  code=$?
  number=$(kill -l "$signal")
  expect "stopped_by_$signal" $((128 + number)) "stopped by signal $number; no partial file was kept"
  [[ "$(cat counts.csv)" == old ]] || fail "stopped_by_$signal" "the counts file changed"
  no_leftovers "stopped_by_$signal" .
done

# A second run into a used frames folder.
timeout 60 "$replay" --frames frames -e 'plant tick 3' > /dev/null 2> err
timeout 60 "$replay" --frames frames -e 'plant tick 2' > out 2> err
code=$?
expect frames_folder_in_use 1 "'frames' already holds frames; give --overwrite to replace them"
[[ "$(ls frames | wc -l)" == 3 ]] || fail frames_folder_in_use "the old frames changed"
timeout 60 "$replay" --frames frames --overwrite -e 'plant tick 2' > out 2> err
code=$?
[[ "$code" == 0 && "$(ls frames)" == $'frame-000001.png\nframe-000002.png' ]] ||
  fail frames_overwrite "exit $code, left $(ls frames)"

# A small file system that fills up during the run (it needs root to mount).
mkdir -p small
if mount -t tmpfs -o size=384k tmpfs small 2> /dev/null; then
  echo old > small/counts.csv
  timeout 60 "$replay" --counts small/counts.csv -e "$endless" > /dev/null 2> err
  code=$?
  expect full_disk_counts 1 "cannot write 'small/counts.csv': No space left on device"
  [[ "$(cat small/counts.csv)" == old ]] || fail full_disk_counts "the old counts changed"
  no_leftovers full_disk_counts small
  timeout 60 "$replay" --frames small/frames -e "$endless" > /dev/null 2> err
  code=$?
  [[ "$code" == 1 && "$(cat err)" =~ ^pastura-replay:\ cannot\ write\ \'small/frames/frame-[0-9]{6}\.png\':\ No\ space\ left\ on\ device$ ]] ||
    fail full_disk_frames "exit $code: $(cat err)"
  no_leftovers full_disk_frames small
  [[ ! -e small/frames ]] || fail full_disk_frames "left the frames folder it made"
  echo old > small/p.png
  head -c 380k /dev/zero > small/filler 2> /dev/null
  timeout 60 "$replay" --png small/p.png -e 'plant herbivore carnivore tick 3' > /dev/null 2> err
  code=$?
  expect full_disk_png 1 "cannot write 'small/p.png': No space left on device"
  [[ "$(cat small/p.png)" == old ]] || fail full_disk_png "the old picture changed"
  no_leftovers full_disk_png small
  umount small
else
  echo "SKIP full file system: cannot mount a tmpfs here (needs root)"
fi

if [[ "$failures" != 0 ]]; then
  echo "$failures failures"
  exit 1
fi
echo "all output failure checks passed"
