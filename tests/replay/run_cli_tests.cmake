# Runs pastura-replay as a user would and checks its exit codes and streams.
# REPLAY: the program; DATA: this folder; WORK: a folder to write in;
# PNG_AVAILABLE: whether this build writes PNG files.

function(run_replay)
  cmake_parse_arguments(RUN "" "NAME;EXIT;STDIN;STDOUT;STDERR;STDOUT_EMPTY" "ARGS" ${ARGN})
  if(RUN_STDIN)
    set(input INPUT_FILE ${RUN_STDIN})
  endif()
  execute_process(COMMAND ${REPLAY} ${RUN_ARGS} ${input}
    RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT code STREQUAL RUN_EXIT)
    message(SEND_ERROR "${RUN_NAME}: exit ${code}, expected ${RUN_EXIT}\n${err}")
  endif()
  if(DEFINED RUN_STDOUT AND NOT out STREQUAL RUN_STDOUT)
    message(SEND_ERROR "${RUN_NAME}: stdout was\n${out}\nexpected\n${RUN_STDOUT}")
  endif()
  if(DEFINED RUN_STDERR AND NOT err STREQUAL RUN_STDERR)
    message(SEND_ERROR "${RUN_NAME}: stderr was\n${err}\nexpected\n${RUN_STDERR}")
  endif()
  if(RUN_STDOUT_EMPTY AND NOT out STREQUAL "")
    message(SEND_ERROR "${RUN_NAME}: printed on stdout:\n${out}")
  endif()
endfunction()

run_replay(NAME version ARGS --version EXIT 0 STDOUT "pastura-replay 1.0.0.1\n")
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

if(PNG_AVAILABLE)
  file(REMOVE ${WORK}/first-tick.png)
  run_replay(NAME png_keeps_text ARGS --png ${WORK}/first-tick.png ${DATA}/first-tick.txt
    EXIT 0 STDOUT "${expected}")
  if(NOT EXISTS ${WORK}/first-tick.png)
    message(SEND_ERROR "png_keeps_text: no PNG written")
  endif()
  run_replay(NAME png_unwritable ARGS --png ${DATA}/no-such-folder/out.png -e plant
    EXIT 1 STDOUT_EMPTY TRUE
    STDERR "pastura-replay: cannot write '${DATA}/no-such-folder/out.png': No such file or directory\n")
else()
  run_replay(NAME png_unavailable ARGS --png ${WORK}/out.png -e plant EXIT 1 STDOUT_EMPTY TRUE
    STDERR "pastura-replay: PNG output is not available in this build\n")
endif()
