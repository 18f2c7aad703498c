# Cross-builds Pastura for 64-bit Windows with Debian's mingw-w64 (the POSIX
# threads flavour) and runs the built programs under Wine when it is present.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(PASTURA_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${PASTURA_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${PASTURA_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${PASTURA_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${PASTURA_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One self-contained executable each: the C and C++ runtimes and the threads
# library are linked in, so nothing but the system's own DLLs is needed.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(ZLIB_USE_STATIC_LIBS ON)

find_program(PASTURA_WINE wine)
if(PASTURA_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${PASTURA_WINE})
endif()
