# The build refuses includes that break the layers (check_includes.cmake says which):
# every library waits for the check, which reruns whenever a source changes or is added.
set(patterns "")
foreach(folder cards layout game render app tools tests bench)
  foreach(extension h hpp cpp)
    list(APPEND patterns ${PROJECT_SOURCE_DIR}/${folder}/*.${extension})
  endforeach()
endforeach()
file(GLOB_RECURSE MERVANE_LAYERED_SOURCES CONFIGURE_DEPENDS ${patterns})
# The pure C++ half of render/, told apart from the Qt half by its library's sources.
get_target_property(drawing_sources drawing SOURCES)
set(MERVANE_DRAWING_SOURCES "")
foreach(source IN LISTS drawing_sources)
  get_filename_component(name ${source} NAME)
  list(APPEND MERVANE_DRAWING_SOURCES ${name})
endforeach()
string(JOIN "|" MERVANE_DRAWING_SOURCES ${MERVANE_DRAWING_SOURCES})
set(stamp ${CMAKE_BINARY_DIR}/layers-checked.stamp)
add_custom_command(OUTPUT ${stamp}
  COMMAND ${CMAKE_COMMAND} -DROOT=${PROJECT_SOURCE_DIR} "-DDRAWING=${MERVANE_DRAWING_SOURCES}"
          -DSTAMP=${stamp} -P ${PROJECT_SOURCE_DIR}/cmake/check_includes.cmake
  DEPENDS ${MERVANE_LAYERED_SOURCES} ${PROJECT_SOURCE_DIR}/cmake/check_includes.cmake
  COMMENT "Checking that the includes keep to the layers"
  VERBATIM)
add_custom_target(check_layers ALL DEPENDS ${stamp})
foreach(library cards layout game drawing render mervane_app)
  add_dependencies(${library} check_layers)
endforeach()
