# The classic pictures are compiled into the program; without them every card and
# button would draw nothing, so a checkout that lacks them must not build at all.
set(MERVANE_BITMAPS_QRC ${PROJECT_SOURCE_DIR}/resources/bitmaps.qrc)
if(NOT EXISTS ${MERVANE_BITMAPS_QRC})
  message(FATAL_ERROR "resources/bitmaps.qrc is missing: the game cannot draw its cards "
                      "(the pictures come from the make-bitmaps tool, see tools/CMakeLists.txt)")
endif()
set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${MERVANE_BITMAPS_QRC})
file(STRINGS ${MERVANE_BITMAPS_QRC} mervane_qrc_lines REGEX "<file[ >]")
set(mervane_missing_bitmaps "")
foreach(line IN LISTS mervane_qrc_lines)
  if(line MATCHES "<file[^>]*>([^<]+)</file>")
    if(NOT EXISTS ${PROJECT_SOURCE_DIR}/resources/${CMAKE_MATCH_1})
      list(APPEND mervane_missing_bitmaps ${CMAKE_MATCH_1})
    endif()
  endif()
endforeach()
if(mervane_missing_bitmaps)
  list(JOIN mervane_missing_bitmaps ", " mervane_missing_text)
  message(FATAL_ERROR "resources/bitmaps.qrc names pictures that are missing: "
                      "${mervane_missing_text}")
endif()
