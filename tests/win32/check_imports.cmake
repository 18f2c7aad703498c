# Fails when a program needs a DLL that Windows does not ship: the programs
# are linked statically and must run from a bare copy of the .exe.
# OBJDUMP: the target's objdump; PROGRAMS: the .exe files, ';'-separated.
cmake_policy(VERSION 3.25)

set(system_dlls KERNEL32.DLL USER32.DLL GDI32.DLL COMCTL32.DLL ADVAPI32.DLL VERSION.DLL
  MSVCRT.DLL)
foreach(program IN LISTS PROGRAMS)
  execute_process(COMMAND ${OBJDUMP} -p ${program} OUTPUT_VARIABLE headers
    COMMAND_ERROR_IS_FATAL ANY)
  string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${headers}")
  if(NOT imports)
    message(SEND_ERROR "${program}: no imports found")
  endif()
  foreach(import IN LISTS imports)
    string(REPLACE "DLL Name: " "" dll "${import}")
    string(TOUPPER "${dll}" dll)
    if(NOT dll IN_LIST system_dlls)
      message(SEND_ERROR "${program} needs ${dll}")
    endif()
  endforeach()
endforeach()
