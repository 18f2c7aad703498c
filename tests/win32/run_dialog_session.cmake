# Runs pastura-dialog-driver against pastura.exe under Wine and, given the
# native player, checks that the dialog's report list and label after the
# driver's session are what pastura-replay prints for the same session: the
# start-up tick, a plant, a carnivore, two plants, two herbivores, then as
# many ticks as the label counts.
# WINE, DRIVER: the programs; PASTURA: pastura.exe; HOST_REPLAY: optional.

get_filename_component(folder ${PASTURA} DIRECTORY)
get_filename_component(program ${PASTURA} NAME)
execute_process(COMMAND ${WINE} ${DRIVER} ${program} WORKING_DIRECTORY ${folder}
  RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT code EQUAL 0)
  message(FATAL_ERROR "the driver failed (exit ${code}):\n${out}${err}")
endif()
if(NOT HOST_REPLAY)
  return()
endif()
string(REPLACE "\r\n" "\n" out "${out}")  # the driver writes text-mode lines

if(NOT out MATCHES "session ticks ([0-9]+)\n(.*)$")
  message(FATAL_ERROR "the driver printed no session:\n${out}")
endif()
set(ticks ${CMAKE_MATCH_1})
set(shown "${CMAKE_MATCH_2}")
execute_process(COMMAND ${HOST_REPLAY}
  -e "tick plant carnivore plant plant herbivore herbivore tick ${ticks}"
  RESULT_VARIABLE code OUTPUT_VARIABLE expected COMMAND_ERROR_IS_FATAL ANY)
# The last tick's block: everything after the last "tick N" line.
string(REGEX REPLACE "^.*tick [0-9]+\n" "" expected "${expected}")
if(NOT shown STREQUAL expected)
  message(FATAL_ERROR "the dialog shows\n${shown}\npastura-replay prints\n${expected}")
endif()
