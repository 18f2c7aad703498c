# GoogleTest built for the target from the sources Debian ships in
# /usr/src/googletest (its binary packages hold only host libraries).
# It is compiled with its own warning settings: Pastura's are on its own
# targets only (cmake/warnings.cmake).
set(PASTURA_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)

add_subdirectory(${PASTURA_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
