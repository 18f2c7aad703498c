# Checks the README's player section against the built player: the example
# command prints exactly the output shown under it, the usage line shown is
# the player's own, and every option the usage names has a row in the table.
# README: the file; REPLAY: the program.

file(READ ${README} readme)
string(FIND "${readme}" "## The session player" start)
if(start EQUAL -1)
  message(FATAL_ERROR "README has no player section")
endif()
string(SUBSTRING "${readme}" ${start} -1 section)

# The text of the fenced block that starts at or after `from`, and the offset
# just past it.
function(next_block text from info block_var end_var)
  string(SUBSTRING "${text}" ${from} -1 rest)
  string(FIND "${rest}" "```${info}\n" open)
  if(open EQUAL -1)
    message(FATAL_ERROR "README: no ```${info} block where the player's example should be")
  endif()
  string(LENGTH "```${info}\n" fence)
  math(EXPR body "${open} + ${fence}")
  string(SUBSTRING "${rest}" ${body} -1 rest)
  string(FIND "${rest}" "```\n" close)
  string(SUBSTRING "${rest}" 0 ${close} block)
  math(EXPR end "${from} + ${body} + ${close} + 4")
  set(${block_var} "${block}" PARENT_SCOPE)
  set(${end_var} ${end} PARENT_SCOPE)
endfunction()

next_block("${section}" 0 "sh" command after_command)
next_block("${section}" ${after_command} "" printed after_printed)
next_block("${section}" ${after_printed} "" usage after_usage)

if(NOT command MATCHES "^build/tools/replay/pastura-replay -e '([^']*)'\n$")
  message(FATAL_ERROR "README: the example is not 'build/tools/replay/pastura-replay -e '...'':\n${command}")
endif()
set(script "${CMAKE_MATCH_1}")
execute_process(COMMAND ${REPLAY} -e "${script}" RESULT_VARIABLE code OUTPUT_VARIABLE out
  ERROR_VARIABLE err)
if(NOT code EQUAL 0 OR NOT out STREQUAL printed)
  message(SEND_ERROR "README: '${script}' exits ${code} and prints\n${out}${err}\nbut the README shows\n${printed}")
endif()

execute_process(COMMAND ${REPLAY} --help OUTPUT_VARIABLE help)
string(FIND "${help}" "\n" end_of_line)
string(SUBSTRING "${help}" 0 ${end_of_line} usage_line)
if(NOT usage STREQUAL "${usage_line}\n")
  message(SEND_ERROR "README: the usage shown is\n${usage}but the player's is\n${usage_line}")
endif()

string(REGEX MATCHALL "--[a-z]+" options "${usage_line}")
foreach(option IN LISTS options)
  string(FIND "${section}" "| `${option}" row)
  if(row EQUAL -1)
    message(SEND_ERROR "README: the options table has no row for ${option}")
  endif()
endforeach()
