# The include check passes on a copy of the sources, then refuses each planted fault.
#   cmake -DROOT=<source dir> -DWORK=<scratch dir> -DDRAWING="a.cpp|b.cpp" -P include_check_refuses.cmake
set(check ${ROOT}/cmake/check_includes.cmake)
file(REMOVE_RECURSE "${WORK}")
foreach(folder cards layout game render app tools)
  file(COPY "${ROOT}/${folder}" DESTINATION "${WORK}" FILES_MATCHING PATTERN "*.h" PATTERN "*.cpp")
endforeach()

function(run_check out_rc out_text)
  execute_process(COMMAND ${CMAKE_COMMAND} -DROOT=${WORK} "-DDRAWING=${DRAWING}" -P ${check}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE text ERROR_VARIABLE text)
  set(${out_rc} ${rc} PARENT_SCOPE)
  set(${out_text} "${text}" PARENT_SCOPE)
endfunction()

run_check(rc text)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the check refuses the untouched sources:\n${text}")
endif()

# <file>|<line planted at its end>|<what the refusal must say>
set(cases
  "game/planted.h|#include \"../render/surface.h\"|game/planted.h: #include \"../render/surface.h\" climbs"
  "game/planted.cpp|  #  include \"../render/table_marks.h\"|game/planted.cpp: #include \"../render/table_marks.h\" climbs"
  "game/game_state.h|#include \"../render/score_sheet.h\"|game/game_state.h: #include \"../render/score_sheet.h\" climbs"
  "game/planted.cpp|#include \"../app/mervane_doc.h\"|climbs out of its folder"
  "app/planted.cpp|#include \"../app/mervane_doc.h\"|app/planted.cpp: #include \"../app/mervane_doc.h\" climbs"
  "tools/sim/planted.cpp|#include \"../../game/seats.h\"|tools/sim/planted.cpp: [^\n]* climbs"
  "game/planted.h|#include \"render/surface.h\"|game/ may not include the higher layer render/"
  "layout/planted.cpp|#include <game/seats.h>|layout/ may not include the higher layer game/"
  "cards/planted.h|#include \"layout/geometry.h\"|cards/ may not include the higher layer layout/"
  "render/planted.h|#include \"app/mervane_doc.h\"|render/ may not include the higher layer app/"
  "app/stores/planted.cpp|#include \"app/dialogs/message_box.h\"|app/stores/ may not include the higher room app/dialogs/"
  "app/play/game_host.h|#include \"app/table/mervane_view.h\"|app/play/ may not include the higher room app/table/"
  "app/misc/planted.h|#include <QString>|app/misc/ is not one of the rooms"
  "cards/planted.cpp|#include <QString>|cards/planted.cpp: #include <QString>: cards/ is pure C\\+\\+"
  "render/surface.h|#include <QImage>|render/surface.h: #include <QImage>: the drawing library is pure C\\+\\+"
  "render/score_sheet.h|#include \"render/snapshot.h\"|render/snapshot.h is reached from the drawing library"
)
foreach(case IN LISTS cases)
  string(REPLACE "|" ";" fields "${case}")
  list(GET fields 0 file)
  list(GET fields 1 line)
  list(GET fields 2 expected)
  set(path ${WORK}/${file})
  set(original "")
  if(EXISTS "${path}")
    file(READ "${path}" original)
  endif()
  file(WRITE "${path}" "${original}${line}\n")
  run_check(rc text)
  if(original STREQUAL "")
    file(REMOVE "${path}")
  else()
    file(WRITE "${path}" "${original}")
  endif()
  if(rc EQUAL 0)
    message(FATAL_ERROR "the check let ${file} have: ${line}")
  endif()
  if(NOT text MATCHES "${expected}")
    message(FATAL_ERROR "refusing ${file} with: ${line}\nthe check did not say \"${expected}\":\n${text}")
  endif()
  message(STATUS "refused ${file}: ${line}")
endforeach()
