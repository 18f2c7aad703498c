# Runs xpm-to-ico as the build does and checks its exit codes, its messages
# and that a failed run leaves no icon file behind.
# TOOL: the program; RES: the icon sources; WORK: a scratch folder.

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(WRITE ${WORK}/empty.xpm "")
file(WRITE ${WORK}/bad.xpm "\"1 1 1 1\"\n\"a c red\"\n\"a\"\n")

include(${CMAKE_CURRENT_LIST_DIR}/../run_and_check.cmake)

function(run_tool)
  run_and_check(PROGRAM ${TOOL} ${ARGN})
endfunction()

run_tool(NAME no_arguments EXIT 2 STDERR "usage: xpm-to-ico OUTPUT.ico INPUT.xpm...\n")
run_tool(NAME missing_source ARGS ${WORK}/out.ico ${WORK}/none.xpm EXIT 1
  STDERR "xpm-to-ico: cannot read '${WORK}/none.xpm': No such file or directory\n")
run_tool(NAME bad_source ARGS ${WORK}/out.ico ${RES}/pastura-32.xpm ${WORK}/bad.xpm EXIT 1
  STDERR "xpm-to-ico: ${WORK}/bad.xpm: line 2: colour 'red' is not #RRGGBB or None\n")
run_tool(NAME empty_source ARGS ${WORK}/out.ico ${WORK}/empty.xpm EXIT 1
  STDERR "xpm-to-ico: ${WORK}/empty.xpm: no XPM values line\n")
run_tool(NAME directory_source ARGS ${WORK}/out.ico ${WORK} EXIT 1
  STDERR "xpm-to-ico: cannot read '${WORK}': Is a directory\n")
if(EXISTS ${WORK}/out.ico OR EXISTS ${WORK}/out.ico.tmp)
  message(SEND_ERROR "a failed run left an icon file")
endif()

run_tool(NAME icon ARGS ${WORK}/out.ico ${RES}/pastura-32.xpm ${RES}/pastura-16.xpm EXIT 0
  STDERR "")
file(SIZE ${WORK}/out.ico size)
math(EXPR expected "6 + 2 * 16 + 744 + 296")  # directory, then the 32 and 16 pixel images
if(NOT size EQUAL expected)
  message(SEND_ERROR "the icon file has ${size} bytes")
endif()

# A link standing at the temporary name is never written through: the run
# fails with the system's reason and the file the link names is untouched.
file(WRITE ${WORK}/unrelated.txt "keep me")
file(CREATE_LINK ${WORK}/unrelated.txt ${WORK}/linked.ico.tmp SYMBOLIC)
run_tool(NAME temporary_name_taken ARGS ${WORK}/linked.ico ${RES}/pastura-16.xpm EXIT 1
  STDERR "xpm-to-ico: cannot write '${WORK}/linked.ico.tmp': File exists\n")
file(READ ${WORK}/unrelated.txt kept)
if(NOT kept STREQUAL "keep me" OR EXISTS ${WORK}/linked.ico)
  message(SEND_ERROR "temporary_name_taken: wrote through the link")
endif()
run_tool(NAME output_folder_missing ARGS ${WORK}/none/out.ico ${RES}/pastura-16.xpm EXIT 1
  STDERR "xpm-to-ico: cannot write '${WORK}/none/out.ico.tmp': No such file or directory\n")
