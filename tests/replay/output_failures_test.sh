#!/usr/bin/env bash
# The player's outputs under failure: a closed standard stream, a destination
# that cannot be written, a device that fills, a full file system, a used or
# locked frames folder, one path named twice however it is spelt, names that
# are empty, long or hold control bytes, files the file system will not let
# be replaced, a stop by signal wherever the player is. Each must end with the
# one-line message and a non-zero exit before or at the first failed write,
# leave every older file as it was and leave no partial or temporary file.
# Usage: output_failures_test.sh REPLAY WORKDIR
set -uo pipefail

replay="$1"
work="$2"
chattr -R -ia "$work" 2> /dev/null # marks a failed run may have left
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

# wait_for_output PATTERN PID: until a file PATTERN names has its first bytes
# (or PID has ended).
wait_for_output() {
  local tries=0
  until [[ -n "$(find $1 -size +0 2> /dev/null)" ]] || ! kill -0 "$2" 2> /dev/null ||
    ((tries++ > 6000)); do
    sleep 0.01
  done
}

# wait_blocked PID: until PID has its stop handlers (SIGHUP, SIGINT and
# SIGTERM caught) and sleeps in a call that waits for another process.
wait_blocked() {
  local tries=0 caught state
  while ((tries++ < 6000)); do
    caught=$(awk '/^SigCgt/ {print $2}' "/proc/$1/status" 2> /dev/null)
    state=$(awk '{print $3}' "/proc/$1/stat" 2> /dev/null)
    [[ -n "$caught" && $((0x$caught & 0x4003)) == $((0x4003)) && "$state" == S ]] && return
    sleep 0.01
  done
}

# stopped NAME SIGNAL PID: PID ends with 128 + SIGNAL and says so, and the
# old counts file and the frames folder's old frames are as they were.
stopped() {
  kill -s "$2" "$3"
  wait "$3"
  code=$?
  local number
  number=$(kill -l "$2")
  expect "$1" $((128 + number)) "stopped by signal $number; no partial file was kept"
  [[ "$(cat counts.csv)" == old ]] || fail "$1" "the counts file changed"
  no_leftovers "$1" .
}

# A stop by signal once the run is under way: every old file stays, no
# partial or temporary file, no frames folder the run made.
for signal in TERM INT HUP; do
  echo old > counts.csv
  echo old > picture.png
  echo old > animation.gif
  rm -rf out new-frames
  "$replay" --counts counts.csv --png picture.png --frames new-frames/sub --gif animation.gif \
    -e "$endless" > out 2> err &
  pid=$!
  wait_for_output 'new-frames/sub/.frames.tmp-*/frame-000001.png' "$pid"
  stopped "stopped_by_$signal" "$signal" "$pid"
  [[ "$(cat picture.png)" == old ]] || fail "stopped_by_$signal" "the picture changed"
  [[ "$(cat animation.gif)" == old ]] || fail "stopped_by_$signal" "the GIF changed"
  [[ ! -e new-frames ]] || fail "stopped_by_$signal" "left the frames folder it made"
done

# A stop while the player waits on another process: for its script on a
# pipe or a FIFO, for a reader of its counts FIFO or of its full output pipe.
mkfifo script.fifo counts.fifo output.fifo
echo old > counts.csv
exec 4<> script.fifo # a writer that never writes
"$replay" --counts counts.csv < script.fifo > out 2> err &
pid=$!
wait_blocked "$pid"
stopped stopped_reading_a_pipe TERM "$pid"
exec 4>&-
"$replay" --counts counts.csv script.fifo > out 2> err &
pid=$!
wait_blocked "$pid"
stopped stopped_opening_a_script_fifo TERM "$pid"
"$replay" --counts counts.fifo -e 'plant tick' > out 2> err &
pid=$!
wait_blocked "$pid"
stopped stopped_opening_a_counts_fifo INT "$pid"
exec 5<> output.fifo # a reader that never reads
"$replay" --counts counts.csv -e "$endless" > output.fifo 2> err &
pid=$!
wait_blocked "$pid"
stopped stopped_writing_a_full_pipe HUP "$pid"
exec 5>&-

# One failed output leaves every other file as it was, also those finished
# before it failed.
echo old > counts.csv
timeout 60 "$replay" --counts counts.csv --png /dev/full -e 'plant tick 3' > out 2> err
code=$?
expect failed_picture_keeps_counts 1 "cannot write '/dev/full': No space left on device"
[[ "$(cat counts.csv)" == old ]] || fail failed_picture_keeps_counts "the counts file changed"
no_leftovers failed_picture_keeps_counts .

# A failed run removes every folder it made for its frames, and no other.
mkdir -p kept
timeout 60 "$replay" --frames kept/a/b/c --counts /dev/full -e 'plant tick 3' > out 2> err
code=$?
expect failed_run_removes_made_folders 1 "cannot write '/dev/full': No space left on device"
[[ -d kept && -z "$(ls -A kept)" ]] || fail failed_run_removes_made_folders "left $(find kept)"

# A second run into a used frames folder.
timeout 60 "$replay" --frames frames -e 'plant tick 3' > /dev/null 2> err
timeout 60 "$replay" --frames frames -e 'plant tick 2' > out 2> err
code=$?
expect frames_folder_in_use 1 "'frames' already holds frames; give --overwrite to replace them"
[[ "$(ls frames | wc -l)" == 3 ]] || fail frames_folder_in_use "the old frames changed"
timeout 60 "$replay" --counts - --frames frames -e 'plant tick 2' > out 2> err
code=$?
[[ "$code" == 1 && ! -s out ]] || fail counts_heading_of_a_refused_run "exit $code, out '$(cat out)'"
timeout 60 "$replay" --frames frames --overwrite -e 'plant tick 2' > out 2> err
code=$?
[[ "$code" == 0 && "$(ls frames)" == $'frame-000001.png\nframe-000002.png' ]] ||
  fail frames_overwrite "exit $code, left $(ls frames)"

# --overwrite stopped halfway keeps the old set whole; a second run into a
# frames folder in use is refused.
timeout 60 "$replay" --frames frames --overwrite -e 'plant tick 5' > /dev/null 2> err
before=$(cat frames/* | sha256sum)
rm -f out
"$replay" --frames frames --overwrite -e "$endless" > out 2> err &
pid=$!
wait_for_output 'frames/.frames.tmp-*/frame-000001.png' "$pid"
timeout 60 "$replay" --frames frames --overwrite -e 'plant tick 2' > /dev/null 2> err
code=$?
expect frames_folder_locked 1 "'frames' is in use by another run"
kill -s TERM "$pid"
wait "$pid"
[[ "$(ls frames | wc -l)" == 5 && "$(cat frames/* | sha256sum)" == "$before" ]] ||
  fail overwrite_stopped "the old frames changed: $(ls frames)"
no_leftovers overwrite_stopped frames
timeout 60 "$replay" --frames frames --overwrite -e 'plant tick 2' > /dev/null 2> err
code=$?
[[ "$code" == 0 && "$(ls -A frames)" == $'frame-000001.png\nframe-000002.png' ]] ||
  fail frames_released "exit $code, left $(ls -A frames)"

# One file however it is named: through a link and "..", or inside the
# frames folder.
mkdir -p real/inner
ln -s real/inner L
printf 'tick\n' > real/s.txt
timeout 60 "$replay" --counts L/../s.txt real/s.txt > out 2> err
code=$?
[[ "$code" == 2 && "$(cat real/s.txt)" == tick ]] || fail script_through_a_link "exit $code"
[[ "$(head -n 1 err)" == "pastura-replay: the script and --counts both name 'L/../s.txt'" ]] ||
  fail script_through_a_link "stderr was '$(cat err)'"
for inside in fd/frame-000002.png fd/sub/../frame-000001.png; do
  timeout 60 "$replay" --frames fd --counts "$inside" -e 'tick 3' > out 2> err
  code=$?
  [[ "$code" == 2 && ! -e fd ]] || fail counts_inside_frames "exit $code for $inside"
  timeout 60 "$replay" --frames fd --png "$inside" -e 'tick 3' > out 2> err
  code=$?
  [[ "$code" == 2 && ! -e fd ]] || fail png_inside_frames "exit $code for $inside"
done
[[ "$(head -n 1 err)" == "pastura-replay: --png names 'fd/sub/../frame-000001.png' inside the --frames folder" ]] ||
  fail png_inside_frames "stderr was '$(cat err)'"

# An empty name is a usage error before anything runs.
for option in --png --counts --frames --gif; do
  timeout 60 "$replay" "$option" '' -e "$endless" > out 2> err
  code=$?
  [[ "$code" == 2 && ! -s out ]] || fail "empty_name_for_$option" "exit $code"
done

# The longest valid names are written like any other.
long=$(printf 'n%.0s' {1..251})
timeout 60 "$replay" --counts "$long.csv" --png "$long.png" -e 'plant tick' > out 2> err
code=$?
[[ "$code" == 0 && -s "$long.csv" && -s "$long.png" ]] || fail longest_names "exit $code: $(cat err)"
no_leftovers longest_names .

# Every message is one line: control bytes escaped, long values shortened.
timeout 60 "$replay" --counts $'no-dir\n\e[2J\r/c.csv' -e tick > out 2> err
code=$?
expect escaped_path 1 "cannot write 'no-dir\x0a\x1b[2J\x0d/c.csv': No such file or directory"
timeout 60 "$replay" --seed $'1\n2' -e tick > out 2> err
code=$?
[[ "$code" == 2 && "$(head -n 1 err)" == "pastura-replay: bad seed '1\x0a2': expected a number 0..4294967295" ]] ||
  fail escaped_value "exit $code: $(cat err)"
timeout 60 "$replay" --png "$(head -c 100000 /dev/zero | tr '\0' x)/p.png" -e tick > out 2> err
code=$?
[[ "$code" == 1 && "$(wc -l < err)" == 1 && "$(wc -c < err)" -lt 1000 ]] ||
  fail shortened_path "exit $code, $(wc -c < err) bytes"

# A replaced file keeps its permission bits.
echo old > private.csv
chmod 600 private.csv
timeout 60 "$replay" --counts private.csv -e tick > out 2> err
[[ "$(stat -c %a private.csv)" == 600 && "$(head -n 1 private.csv)" == tick,* ]] ||
  fail mode_kept "mode $(stat -c %a private.csv)"

# A file or folder the file system will not let be replaced is refused
# before the first tick, with no temporary file left (marking needs root).
mkdir -p append-only
echo old > immutable.png
if chattr +a append-only 2> /dev/null && chattr +i immutable.png 2> /dev/null; then
  timeout 60 "$replay" --counts append-only/c.csv -e "$endless" > out 2> err
  code=$?
  expect append_only_folder 1 "cannot write 'append-only/c.csv': Operation not permitted"
  [[ -z "$(ls -A append-only)" ]] || fail append_only_folder "left $(ls -A append-only)"
  timeout 60 "$replay" --png immutable.png -e "$endless" > out 2> err
  code=$?
  expect immutable_file 1 "cannot write 'immutable.png': Operation not permitted"
  [[ ! -s out ]] || fail immutable_file "the session ran"
  chattr -a append-only
  chattr -i immutable.png
else
  echo "SKIP append-only and immutable files: cannot mark them here (needs root)"
fi

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
