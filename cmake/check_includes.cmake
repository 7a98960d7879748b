# Refuses any include that breaks the layers: cards <- layout <- game <- render <- app.
#   cmake -DROOT=<source dir> -DDRAWING="a.cpp|b.cpp" [-DSTAMP=<file>] -P check_includes.cmake
# The include roots in the build already hide a higher layer's "folder/file.h", but a
# quoted include is looked up beside its own file first, so "../render/surface.h" in
# game/ reaches the source tree round them; this reads the sources instead.
# - No include in any project folder climbs with "..".
# - A layer names only its own folder and the folders below it.
# - cards/, layout/ and game/ never include Qt.
# - Inside app/, a room names only its own folder and the rooms below it; the files at
#   app/'s root, the application's start and end, see every room.
# - DRAWING names the sources of the pure C++ `drawing` library in render/: neither they
#   nor any render/ header they reach include Qt or a header of the `render` library.
cmake_minimum_required(VERSION 3.25)
if(NOT ROOT OR NOT DRAWING)
  message(FATAL_ERROR "usage: cmake -DROOT=<source dir> -DDRAWING=\"a.cpp|b.cpp\" -P check_includes.cmake")
endif()

set(layers cards layout game render app)
set(rooms stores dialogs play table frame)
set(others tools tests bench)
set(pure cards layout game)
set(include_line "^[ \t]*#[ \t]*include[ \t]*[\"<][^\">]*[\">]")
set(errors "")

# The include lines of <file>, as "path" or <path>, into <out>.
function(read_includes file out)
  file(STRINGS "${file}" lines REGEX "${include_line}")
  set(found "")
  foreach(line IN LISTS lines)
    string(REGEX MATCH "[\"<][^\">]*[\">]" target "${line}")
    list(APPEND found "${target}")
  endforeach()
  set(${out} "${found}" PARENT_SCOPE)
endfunction()

function(source_files folder out)
  file(GLOB_RECURSE found RELATIVE "${ROOT}"
       "${ROOT}/${folder}/*.h" "${ROOT}/${folder}/*.hpp" "${ROOT}/${folder}/*.cpp")
  set(${out} "${found}" PARENT_SCOPE)
endfunction()

foreach(folder IN LISTS layers others)
  list(FIND layers ${folder} rank)
  source_files(${folder} files)
  foreach(file IN LISTS files)
    read_includes("${ROOT}/${file}" includes)
    foreach(include IN LISTS includes)
      string(REGEX REPLACE "^[\"<](.*)[\">]$" "\\1" path "${include}")
      if(path MATCHES "(^|/)\\.\\.(/|$)")
        string(APPEND errors "${file}: #include ${include} climbs out of its folder with ..\n")
        continue()
      endif()
      if(rank LESS 0)
        continue()
      endif()
      string(REGEX MATCH "^[^/]+/" top "${path}")
      string(REGEX REPLACE "/$" "" top "${top}")
      list(FIND layers "${top}" top_rank)
      if(top_rank GREATER rank)
        string(APPEND errors "${file}: #include ${include}: ${folder}/ may not include the "
                             "higher layer ${top}/\n")
      endif()
      if(folder IN_LIST pure AND include MATCHES "^<Q")
        string(APPEND errors "${file}: #include ${include}: ${folder}/ is pure C++, no Qt\n")
      endif()
    endforeach()
  endforeach()
endforeach()

source_files(app files)
foreach(file IN LISTS files)
  if(NOT file MATCHES "^app/([^/]+)/")
    continue()
  endif()
  set(room ${CMAKE_MATCH_1})
  list(FIND rooms ${room} rank)
  if(rank LESS 0)
    string(APPEND errors "${file}: app/${room}/ is not one of the rooms (${rooms})\n")
    continue()
  endif()
  read_includes("${ROOT}/${file}" includes)
  foreach(include IN LISTS includes)
    if(include MATCHES "^[\"<]app/([^/\">]+)/")
      list(FIND rooms ${CMAKE_MATCH_1} top_rank)
      if(top_rank GREATER rank)
        string(APPEND errors "${file}: #include ${include}: app/${room}/ may not include the "
                             "higher room app/${CMAKE_MATCH_1}/\n")
      endif()
    endif()
  endforeach()
endforeach()

# The drawing library: its sources, their headers, and every render/ header they reach.
string(REPLACE "|" ";" drawing_sources "${DRAWING}")
set(pending "")
foreach(source IN LISTS drawing_sources)
  get_filename_component(name "${source}" NAME_WE)
  foreach(file render/${name}.cpp render/${name}.h)
    if(EXISTS "${ROOT}/${file}")
      list(APPEND pending ${file})
    endif()
  endforeach()
endforeach()
if(NOT pending)
  message(FATAL_ERROR "none of the drawing library's sources (${DRAWING}) is in render/")
endif()
set(drawing_files "")
while(pending)
  list(POP_FRONT pending file)
  if(file IN_LIST drawing_files)
    continue()
  endif()
  list(APPEND drawing_files ${file})
  read_includes("${ROOT}/${file}" includes)
  foreach(include IN LISTS includes)
    if(include MATCHES "^<Q")
      string(APPEND errors "${file}: #include ${include}: the drawing library is pure C++, no Qt\n")
    elseif(include MATCHES "^\"render/([^\"]*)\"$" AND EXISTS "${ROOT}/render/${CMAKE_MATCH_1}")
      list(APPEND pending render/${CMAKE_MATCH_1})
    endif()
  endforeach()
endwhile()
# A header whose source is not the drawing library's belongs to the Qt `render` library.
foreach(file IN LISTS drawing_files)
  get_filename_component(name "${file}" NAME_WE)
  if(EXISTS "${ROOT}/render/${name}.cpp" AND NOT "render/${name}.cpp" IN_LIST drawing_files)
    string(APPEND errors "${file} is reached from the drawing library, but render/${name}.cpp "
                         "belongs to the Qt render library\n")
  endif()
endforeach()

if(errors)
  # Printed as it is: an error message would be rewrapped, splitting the file names.
  message(NOTICE "${errors}")
  message(FATAL_ERROR "includes that break the layers (cards <- layout <- game <- render <- app)")
endif()
if(STAMP)
  file(TOUCH "${STAMP}")
endif()
