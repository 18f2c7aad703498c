# Runs pastura from a terminal as a user would: --help and --version answer
# with no display at all, and an argument Qt does not take is refused before
# any window opens; a platform Qt cannot start is reported, not aborted on.
# PASTURA: the program; VERSION: the project's version; WORK: a folder to
# write in.

include(${CMAKE_CURRENT_LIST_DIR}/../run_and_check.cmake)

# No display and no platform chosen: Qt could not start here.
unset(ENV{DISPLAY})
unset(ENV{WAYLAND_DISPLAY})
unset(ENV{QT_QPA_PLATFORM})
# Qt's offscreen platform, where a case chooses it, wants a private runtime
# folder, or it warns on standard error.
file(MAKE_DIRECTORY ${WORK}/runtime)
file(CHMOD ${WORK}/runtime DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
set(ENV{XDG_RUNTIME_DIR} ${WORK}/runtime)

function(run_pastura)
  run_and_check(PROGRAM ${PASTURA} ${ARGN})
endfunction()

set(usage "usage: pastura [--help | --version] [Qt options]\n")

run_pastura(NAME version ARGS --version EXIT 0 STDOUT "pastura ${VERSION}\n")
run_pastura(NAME version_after_qt_options ARGS -platform offscreen --version EXIT 0
  STDOUT "pastura ${VERSION}\n")
run_pastura(NAME help ARGS --help EXIT 0 STDOUT_STARTS "${usage}\n")
run_pastura(NAME help_short ARGS -h EXIT 0 STDOUT_STARTS "${usage}\n")

# -platform is Qt's, so the unknown option is the first argument left.
run_pastura(NAME unknown_option ARGS -platform offscreen --frobnicate EXIT 2 STDOUT_EMPTY TRUE
  STDERR "pastura: unknown option '--frobnicate'\n${usage}")
run_pastura(NAME unexpected_argument ARGS -platform offscreen session.txt more.txt EXIT 2
  STDOUT_EMPTY TRUE STDERR "pastura: unexpected argument 'more.txt'\n${usage}")

# --seed takes what the player's takes, with its message; the help lists it.
run_pastura(NAME bad_seed ARGS -platform offscreen --seed 4294967296 EXIT 2 STDOUT_EMPTY TRUE
  STDERR "pastura: bad seed '4294967296': expected a number 0..4294967295\n${usage}")
run_pastura(NAME missing_session ARGS -platform offscreen ${WORK}/none.txt EXIT 1 STDOUT_EMPTY TRUE
  STDERR "pastura: cannot read '${WORK}/none.txt': No such file or directory\n")
execute_process(COMMAND ${PASTURA} --help OUTPUT_VARIABLE help)
if(NOT help MATCHES "\n  --seed N     [^\n]*\n  SESSION      ")
  message(SEND_ERROR "help: --seed and SESSION are not listed:\n${help}")
endif()

# Qt cannot start its platform with no display, or with a platform it has no
# plugin for: its warnings say why, then one line of ours, and exit 1 rather
# than an abort.
foreach(case "no_display" "unknown_platform;-platform;no-such-platform")
  list(POP_FRONT case name)
  execute_process(COMMAND ${PASTURA} ${case} RESULT_VARIABLE code OUTPUT_VARIABLE out
    ERROR_VARIABLE err)
  string(REGEX MATCH "[^\n]*\n$" last_line "${err}")
  if(NOT code STREQUAL 1 OR NOT last_line MATCHES "^pastura: cannot start: [^\n]+[.]\n$"
     OR NOT out STREQUAL "")
    message(SEND_ERROR "${name}: exit ${code}, stdout\n${out}\nstderr\n${err}")
  endif()
endforeach()

# A version that cannot be written is not reported as shown.
execute_process(COMMAND ${PASTURA} --version OUTPUT_FILE /dev/full
  RESULT_VARIABLE code ERROR_VARIABLE err)
if(NOT code STREQUAL 1
   OR NOT err STREQUAL "pastura: cannot write to standard output: No space left on device\n")
  message(SEND_ERROR "version_to_full_device: exit ${code}, stderr\n${err}")
endif()
