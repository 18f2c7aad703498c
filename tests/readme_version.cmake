# Every version the README names in a file of the program's (the Debian
# package's file, the Windows zip) is the project's version.
# README: the README; VERSION: the project's version.

file(READ ${README} text)
string(REGEX MATCHALL "pastura[_-][0-9]+\\.[0-9]+\\.[0-9]+\\.[0-9]+" named "${text}")
string(REGEX REPLACE "pastura[_-]" "" versions "${named}")
if(NOT versions)
  message(SEND_ERROR "${README} names no version")
endif()
foreach(version IN LISTS versions)
  if(NOT version STREQUAL VERSION)
    message(SEND_ERROR "${README} names version ${version}; the project's is ${VERSION}")
  endif()
endforeach()
