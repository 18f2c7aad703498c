# Runs pastura-replay as a user would and checks its exit codes and streams.
# REPLAY: the program; DATA: this folder; WORK: a folder to write in;
# VERSION: the project's version.

include(${CMAKE_CURRENT_LIST_DIR}/../run_and_check.cmake)

function(run_replay)
  run_and_check(PROGRAM ${REPLAY} ${ARGN})
endfunction()

run_replay(NAME version ARGS --version EXIT 0 STDOUT "pastura-replay ${VERSION}\n")
run_replay(NAME bad_script ARGS -e "plant\nplant 3" EXIT 2 STDOUT_EMPTY TRUE
  STDERR "pastura-replay: line 2: unknown command '3'\n")
run_replay(NAME bad_option ARGS --frobnicate EXIT 2 STDOUT_EMPTY TRUE)
run_replay(NAME missing_file ARGS ${DATA}/no-such-session.txt EXIT 1 STDOUT_EMPTY TRUE
  STDERR "pastura-replay: cannot read '${DATA}/no-such-session.txt': No such file or directory\n")
run_replay(NAME directory ARGS ${DATA} EXIT 1 STDOUT_EMPTY TRUE
  STDERR "pastura-replay: cannot read '${DATA}': Is a directory\n")

file(READ ${DATA}/first-tick.expected expected)
run_replay(NAME script_file ARGS ${DATA}/first-tick.txt EXIT 0 STDOUT "${expected}")
run_replay(NAME script_stdin STDIN ${DATA}/first-tick.txt EXIT 0 STDOUT "${expected}")
run_replay(NAME script_dash ARGS - STDIN ${DATA}/first-tick.txt EXIT 0 STDOUT "${expected}")

file(REMOVE ${WORK}/first-tick.png)
run_replay(NAME png_keeps_text ARGS --png ${WORK}/first-tick.png ${DATA}/first-tick.txt
  EXIT 0 STDOUT "${expected}")
if(NOT EXISTS ${WORK}/first-tick.png)
  message(SEND_ERROR "png_keeps_text: no PNG written")
endif()
run_replay(NAME png_unwritable ARGS --png ${DATA}/no-such-folder/out.png -e plant
  EXIT 1 STDOUT_EMPTY TRUE
  STDERR "pastura-replay: cannot write '${DATA}/no-such-folder/out.png': No such file or directory\n")

# Population counts, seeds and frames.
set(counts_expected "tick,plants,herbivores,carnivores\n1,1,1,0\n2,1,1,0\n")
run_replay(NAME counts_to_stdout ARGS --counts - -e "plant herbivore tick 2" EXIT 0
  STDOUT "${counts_expected}")
file(REMOVE ${WORK}/counts.csv)
run_replay(NAME counts_to_file ARGS --counts ${WORK}/counts.csv ${DATA}/first-tick.txt EXIT 0
  STDOUT "${expected}")
file(READ ${WORK}/counts.csv counts)
if(NOT counts STREQUAL "tick,plants,herbivores,carnivores\n1,1,1,0\n")
  message(SEND_ERROR "counts_to_file: wrote\n${counts}")
endif()
run_replay(NAME counts_unwritable ARGS --counts ${DATA}/no-such-folder/c.csv -e tick EXIT 1
  STDOUT_EMPTY TRUE
  STDERR "pastura-replay: cannot write '${DATA}/no-such-folder/c.csv': No such file or directory\n")
file(REMOVE ${WORK}/never.csv)
run_replay(NAME counts_not_started_by_a_bad_script ARGS --counts ${WORK}/never.csv -e "tick 0"
  EXIT 2 STDOUT_EMPTY TRUE)
if(EXISTS ${WORK}/never.csv)
  message(SEND_ERROR "counts_not_started_by_a_bad_script: the CSV file was created")
endif()

run_replay(NAME seed_one_is_the_default ARGS --seed 1 ${DATA}/first-tick.txt EXIT 0
  STDOUT "${expected}")
run_replay(NAME seed_moves_the_first_plant ARGS --seed 7 -e "plant state" EXIT 0
  STDOUT "state\nplant 0 id 0 at 2 3 growth 20\nschedule legLength 0 legStep 0 iterationCount 0\ncolours plant 204 255 204 herbivore 0 0 255 carnivore 255 0 0\n")
run_replay(NAME seed_out_of_range ARGS --seed 4294967296 -e tick EXIT 2 STDOUT_EMPTY TRUE)

run_replay(NAME scale_zero ARGS --scale 0 -e tick EXIT 2 STDOUT_EMPTY TRUE)
run_replay(NAME scale_with_a_sign ARGS --scale +1.5 -e tick EXIT 2 STDOUT_EMPTY TRUE
  STDERR "pastura-replay: bad scale '+1.5': expected a decimal number 1..4\nusage: pastura-replay [--draw] [--png FILE] [--frames DIR [--overwrite]] [--gif FILE] [--board] [--scale S] [--counts FILE] [--chart FILE] [--seed N] [-e SCRIPT | SCRIPTFILE | -]\n")
run_replay(NAME scale_with_an_exponent ARGS --scale 1e0 -e tick EXIT 2 STDOUT_EMPTY TRUE)
run_replay(NAME scale_above_four ARGS --scale 4.5 -e tick EXIT 2 STDOUT_EMPTY TRUE)
file(REMOVE ${WORK}/quarter.png)
run_replay(NAME scale_fraction ARGS --scale 1.25 --png ${WORK}/quarter.png -e tick EXIT 0)
file(READ ${WORK}/quarter.png header LIMIT 24 HEX)
# The IHDR's width and height: 828 x 559, 662 and 447 at 1.25 rounded half up.
if(NOT header MATCHES "0000033c0000022f$")
  message(SEND_ERROR "scale_fraction: header ${header}, expected an 828 x 559 picture")
endif()
file(REMOVE ${WORK}/board.png)
run_replay(NAME board_crops_the_picture ARGS --board --scale 1.25 --png ${WORK}/board.png -e tick
  EXIT 0)
file(READ ${WORK}/board.png header LIMIT 24 HEX)
# The grid's 420 pixels and the 2 an outline reaches past it, at 1.25: 525 + 3.
if(NOT header MATCHES "0000021000000210$")
  message(SEND_ERROR "board_crops_the_picture: header ${header}, expected a 528 x 528 picture")
endif()
run_replay(NAME gif_unwritable ARGS --gif ${DATA}/no-such-folder/a.gif -e tick EXIT 1
  STDOUT_EMPTY TRUE
  STDERR "pastura-replay: cannot write '${DATA}/no-such-folder/a.gif': No such file or directory\n")
run_replay(NAME scale_missing ARGS --png ${WORK}/s.png --scale EXIT 2 STDOUT_EMPTY TRUE)

run_replay(NAME frames_folder_under_a_file ARGS --frames ${DATA}/first-tick.txt/frames -e tick
  EXIT 1 STDOUT_EMPTY TRUE)

file(REMOVE_RECURSE ${WORK}/frames)
file(REMOVE ${WORK}/last.png)
run_replay(NAME frames_and_png ARGS --frames ${WORK}/frames --png ${WORK}/last.png
  --counts ${WORK}/counts.csv --draw --seed 1 ${DATA}/first-tick.txt EXIT 0)
file(GLOB frames ${WORK}/frames/*)
if(NOT frames STREQUAL "${WORK}/frames/frame-000001.png")
  message(SEND_ERROR "frames_and_png: wrote ${frames}")
endif()
file(SHA256 ${WORK}/frames/frame-000001.png frame_hash)
file(SHA256 ${WORK}/last.png last_hash)
if(NOT frame_hash STREQUAL last_hash)
  message(SEND_ERROR "frames_and_png: the last frame differs from the --png picture")
endif()
