# Packages, built by cpack in the build folder: on Linux a Debian package of
# both programs with their desktop entry, metainfo and icons; for Windows a
# zip of the two executables and a short readme.

set(CPACK_PACKAGE_NAME pastura)
set(CPACK_PACKAGE_VENDOR "Pastura")
set(CPACK_PACKAGE_CONTACT "Pastura maintainers <maintainers@pastura.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "toy ecosystem of plants, herbivores and carnivores")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# The programs are built with debugging information; the packages carry them
# without it.
set(CPACK_STRIP_FILES TRUE)

if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME pastura-${PROJECT_VERSION}-windows-x64)
else()
  # One string: set() with several would make a list, and cpack would keep
  # the list's semicolons in the description.
  string(CONCAT CPACK_PACKAGE_DESCRIPTION
      "Pastura shows plants, herbivores and carnivores on a 21 x 21 board, stepped five\n"
      "times a second. pastura-replay plays a session without a window and writes its\n"
      "report, population counts and frames.")
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_GENERATOR DEB)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION science)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://pastura.example/")
endif()

include(CPack)
