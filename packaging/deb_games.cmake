# Run by CPack once the files are staged and before they are packed (CPACK_PRE_BUILD_SCRIPTS):
# Debian keeps games' programs in /usr/games, while `cmake --install` keeps the GNU bin/.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
  return()
endif()
set(usr ${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr)
if(NOT EXISTS ${usr}/bin/mervane)
  message(FATAL_ERROR "no usr/bin/mervane in the staged files at ${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
endif()
file(RENAME ${usr}/bin ${usr}/games)
