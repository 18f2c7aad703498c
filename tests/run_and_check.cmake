# run_and_check(PROGRAM p NAME n EXIT code [ARGS ...] [STDIN file] [STDOUT text]
#               [STDERR text] [STDOUT_EMPTY TRUE])
# Runs a command-line program as a user would and reports, under NAME, any
# difference in its exit code and in the streams it was given to expect.
function(run_and_check)
  cmake_parse_arguments(RUN "" "PROGRAM;NAME;EXIT;STDIN;STDOUT;STDERR;STDOUT_EMPTY" "ARGS" ${ARGN})
  if(RUN_STDIN)
    set(input INPUT_FILE ${RUN_STDIN})
  endif()
  execute_process(COMMAND ${RUN_PROGRAM} ${RUN_ARGS} ${input}
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
