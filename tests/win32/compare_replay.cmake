# Runs the cross-built pastura-replay.exe under Wine and the build machine's
# pastura-replay on the same sessions, from the same folder, and fails on any
# difference in standard output, standard error or exit code.
# The pictures they write must be the same files byte for byte.
# WINE, WINDOWS_REPLAY, HOST_REPLAY: the programs; DATA: tests/replay;
# DEMO: tools/demo-session.txt; WORK: a folder for the pictures.

# compare(NAME name [EXIT_ONLY] [STDIN file] ARGS args...)
function(compare)
  cmake_parse_arguments(RUN "EXIT_ONLY" "NAME;STDIN" "ARGS" ${ARGN})
  set(input)
  if(RUN_STDIN)
    set(input INPUT_FILE ${RUN_STDIN})
  endif()
  execute_process(COMMAND ${HOST_REPLAY} ${RUN_ARGS} ${input} WORKING_DIRECTORY ${DATA}
    RESULT_VARIABLE host_code OUTPUT_VARIABLE host_out ERROR_VARIABLE host_err)
  execute_process(COMMAND ${WINE} ${WINDOWS_REPLAY} ${RUN_ARGS} ${input} WORKING_DIRECTORY ${DATA}
    RESULT_VARIABLE windows_code OUTPUT_VARIABLE windows_out ERROR_VARIABLE windows_err)
  if(NOT windows_code STREQUAL host_code)
    message(SEND_ERROR "${RUN_NAME}: exit ${windows_code} on Windows, ${host_code} here\n"
      "${windows_err}")
  elseif(NOT RUN_EXIT_ONLY AND NOT windows_out STREQUAL host_out)
    string(LENGTH "${host_out}" host_length)
    string(LENGTH "${windows_out}" windows_length)
    message(SEND_ERROR "${RUN_NAME}: standard output differs (${windows_length} bytes on "
      "Windows, ${host_length} here)")
  elseif(NOT RUN_EXIT_ONLY AND NOT windows_err STREQUAL host_err)
    message(SEND_ERROR "${RUN_NAME}: standard error differs:\n${windows_err}\nhere:\n${host_err}")
  endif()
endfunction()

compare(NAME one_tick ARGS -e "plant place herbivore 7 4 2 tick")
compare(NAME one_tick_drawn ARGS --draw first-tick.txt)
compare(NAME demo_state ARGS ${DEMO})
compare(NAME demo_drawn ARGS --draw ${DEMO})
compare(NAME long_run_drawn ARGS --draw
  -e "plant plant plant herbivore herbivore carnivore carnivore tick 120 state plant paint redraw tick 200 state")
compare(NAME off_board ARGS --draw
  -e "place herbivore 25 -3 4 place carnivore 0 0 7 place plant 22 22 redraw tick 3 state")
compare(NAME full_tables ARGS -e "tick 3 plant tick 400 state")
compare(NAME from_stdin STDIN ${DATA}/first-tick.txt ARGS -)
compare(NAME version ARGS --version)
compare(NAME help ARGS --help)
compare(NAME bad_command ARGS -e "plant\nplant 3")
compare(NAME bad_count ARGS -e "tick 0")
compare(NAME bad_option ARGS --frobnicate)
compare(NAME missing_script ARGS -e)
compare(NAME two_scripts ARGS -e tick first-tick.txt)
compare(NAME missing_file ARGS no-such-session.txt)
# The systems word the reason differently ("Is a directory", "Permission denied").
compare(NAME directory EXIT_ONLY ARGS .)

# compare_pictures(NAME name ARGS args...): each program writes --png and
# --frames into its own folder under WORK; every file must match.
function(compare_pictures)
  cmake_parse_arguments(RUN "" "NAME" "ARGS" ${ARGN})
  set(folder ${WORK}/${RUN_NAME})
  file(REMOVE_RECURSE ${folder})
  file(MAKE_DIRECTORY ${folder}/host ${folder}/windows)
  execute_process(COMMAND ${HOST_REPLAY} --png last.png --frames frames ${RUN_ARGS}
    WORKING_DIRECTORY ${folder}/host RESULT_VARIABLE host_code OUTPUT_QUIET)
  execute_process(COMMAND ${WINE} ${WINDOWS_REPLAY} --png last.png --frames frames ${RUN_ARGS}
    WORKING_DIRECTORY ${folder}/windows RESULT_VARIABLE windows_code OUTPUT_QUIET)
  if(NOT host_code EQUAL 0 OR NOT windows_code EQUAL 0)
    message(SEND_ERROR "${RUN_NAME}: exit ${windows_code} on Windows, ${host_code} here")
    return()
  endif()
  file(GLOB_RECURSE host_files RELATIVE ${folder}/host ${folder}/host/*)
  file(GLOB_RECURSE windows_files RELATIVE ${folder}/windows ${folder}/windows/*)
  if(NOT host_files STREQUAL windows_files OR NOT host_files)
    message(SEND_ERROR "${RUN_NAME}: wrote ${windows_files} on Windows, ${host_files} here")
    return()
  endif()
  foreach(name IN LISTS host_files)
    file(SHA256 ${folder}/host/${name} host_hash)
    file(SHA256 ${folder}/windows/${name} windows_hash)
    if(NOT host_hash STREQUAL windows_hash)
      message(SEND_ERROR "${RUN_NAME}: ${name} differs")
    endif()
  endforeach()
endfunction()

compare_pictures(NAME pictures_demo ARGS ${DEMO})
compare_pictures(NAME pictures_scaled ARGS --scale 3
  -e "plant plant herbivore carnivore tick 4 redraw paint tick 2")
compare_pictures(NAME pictures_board ARGS --board --scale 1.5 -e "plant herbivore carnivore tick 3")

# Debian has no giflib for mingw-w64: the Windows player refuses --gif.
execute_process(COMMAND ${WINE} ${WINDOWS_REPLAY} --gif never.gif -e tick WORKING_DIRECTORY ${WORK}
  RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT code EQUAL 2 OR NOT out STREQUAL "" OR EXISTS ${WORK}/never.gif OR NOT err STREQUAL
   "pastura-replay: --gif is not available in this build of the player; make the GIF with the Linux one\n")
  message(SEND_ERROR "gif_refused: exit ${code}, stderr\n${err}")
endif()
