# pastura.exe's command line under Wine against the build machine's player:
# a bad seed or session opens no window, ends with exit code 2 and says the
# player's one line (its program name aside); --help lists --seed.
# WINE, PASTURA: pastura.exe; HOST_REPLAY: the native player; WORK: a folder.

file(MAKE_DIRECTORY ${WORK})
file(WRITE ${WORK}/bad-session.txt "plant\ntick 2\nfrobnicate\n")
file(WRITE ${WORK}/seeded-session.txt "seed 3\nplant tick\n")

# refused(NAME name ARGS args...): both refuse alike.
function(refused)
  cmake_parse_arguments(RUN "" "NAME" "ARGS" ${ARGN})
  execute_process(COMMAND ${WINE} ${PASTURA} ${RUN_ARGS} WORKING_DIRECTORY ${WORK}
    RESULT_VARIABLE code ERROR_VARIABLE err TIMEOUT 30)
  execute_process(COMMAND ${HOST_REPLAY} ${RUN_ARGS} WORKING_DIRECTORY ${WORK}
    RESULT_VARIABLE host_code ERROR_VARIABLE host_err)
  string(REGEX REPLACE "\n.*" "" line "${err}")
  string(REGEX REPLACE "\n.*" "" host_line "${host_err}")
  string(REPLACE "pastura-replay:" "pastura:" host_line "${host_line}")
  if(NOT code EQUAL 2 OR NOT host_code EQUAL 2 OR NOT line STREQUAL host_line)
    message(SEND_ERROR "${RUN_NAME}: pastura.exe exits ${code} saying '${line}'; "
      "the player exits ${host_code} saying '${host_line}'")
  endif()
endfunction()

refused(NAME bad_seed ARGS --seed 4294967296)
refused(NAME bad_session ARGS bad-session.txt)
refused(NAME two_seeds ARGS --seed 7 seeded-session.txt)

execute_process(COMMAND ${WINE} ${PASTURA} --help RESULT_VARIABLE code OUTPUT_VARIABLE out)
if(NOT code EQUAL 0 OR NOT out MATCHES "--seed N")
  message(SEND_ERROR "pastura.exe --help exits ${code} and says:\n${out}")
endif()
