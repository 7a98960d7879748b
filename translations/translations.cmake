# The translation catalogues, shared by the build (lrelease), the update target and
# the completeness test (lupdate). Debian's qt6-l10n-tools has the two programs; the
# CMake package that wraps them comes only with the much larger qt6-tools-dev, so
# they are called directly.
set(MERVANE_LANGUAGES de fr es)
set(MERVANE_TS_DIR ${PROJECT_SOURCE_DIR}/translations)
set(MERVANE_TS_FILES)
foreach(language ${MERVANE_LANGUAGES})
  list(APPEND MERVANE_TS_FILES ${MERVANE_TS_DIR}/mervane_${language}.ts)
endforeach()

find_program(MERVANE_LRELEASE NAMES lrelease
  HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} NO_DEFAULT_PATH)
find_program(MERVANE_LRELEASE NAMES lrelease-qt6 lrelease6 lrelease)
find_program(MERVANE_LUPDATE NAMES lupdate
  HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} NO_DEFAULT_PATH)
find_program(MERVANE_LUPDATE NAMES lupdate-qt6 lupdate6 lupdate)
if(NOT MERVANE_LRELEASE)
  message(FATAL_ERROR "lrelease not found: install Qt 6's translation tools (qt6-l10n-tools)")
endif()

# Every folder with texts: the pure game code marks its own with Tr and MERVANE_TR_NOOP.
set(MERVANE_LUPDATE_SOURCES
  ${PROJECT_SOURCE_DIR}/app ${PROJECT_SOURCE_DIR}/game ${PROJECT_SOURCE_DIR}/render)
# The include root lets lupdate read the classes' headers, so tr()'s context is the
# class's full name, as at run time. No line numbers, so a change elsewhere in a file
# leaves the catalogues alone; texts no longer in the code leave them too.
set(MERVANE_LUPDATE_OPTIONS
  -tr-function-alias translate+=Tr,QT_TRANSLATE_NOOP+=MERVANE_TR_NOOP
  -I ${PROJECT_SOURCE_DIR} -extensions cpp,h -locations none -no-obsolete -silent)
