# The version is project(VERSION) alone. pastura_version.h carries it to the
# programs and the Windows resource script; the manifest, the metainfo and the
# Windows readme are configured from it where they are built.

if(NOT PROJECT_VERSION MATCHES "^[0-9]+\\.[0-9]+\\.[0-9]+\\.[0-9]+$")
  message(FATAL_ERROR "The project's version ${PROJECT_VERSION} needs four numbers, "
                      "as the Windows version block does")
endif()
string(JOIN ", " PASTURA_VERSION_COMMAS ${PROJECT_VERSION_MAJOR} ${PROJECT_VERSION_MINOR}
       ${PROJECT_VERSION_PATCH} ${PROJECT_VERSION_TWEAK})
configure_file(${CMAKE_CURRENT_LIST_DIR}/pastura_version.h.in
               ${PROJECT_BINARY_DIR}/generated/version/pastura_version.h @ONLY)

add_library(pastura_version INTERFACE)
target_include_directories(pastura_version INTERFACE ${PROJECT_BINARY_DIR}/generated/version)
