# cmake -DBUILD=<build folder> -DPREFIX=<empty folder> -DAPP_ID=<id>
#       -DDESKTOP_VALIDATE=<desktop-file-validate> -DAPPSTREAMCLI=<appstreamcli> -P check_install.cmake
# Installs the build into PREFIX and checks that every file is there and that the
# launcher and the metainfo pass their validators without a single remark.
foreach(tool DESKTOP_VALIDATE APPSTREAMCLI)
  if(NOT ${tool})
    message(FATAL_ERROR "${tool} not found: install desktop-file-utils and appstream")
  endif()
endforeach()

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
                RESULT_VARIABLE code OUTPUT_QUIET ERROR_VARIABLE err)
if(code)
  message(FATAL_ERROR "cmake --install failed:\n${err}")
endif()

set(desktop ${PREFIX}/share/applications/${APP_ID}.desktop)
set(metainfo ${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml)
set(expected bin/mervane share/man/man6/mervane.6.gz
             share/doc/mervane/copyright share/doc/mervane/changelog.gz
             share/icons/hicolor/scalable/apps/${APP_ID}.svg)
foreach(size 16 24 32 48 64 128 256)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
foreach(file ${expected} ${desktop} ${metainfo})
  get_filename_component(file ${file} ABSOLUTE BASE_DIR ${PREFIX})
  if(NOT EXISTS ${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

# Both validators print nothing but their verdict when a file is clean.
execute_process(COMMAND ${DESKTOP_VALIDATE} ${desktop} RESULT_VARIABLE code
                OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(code OR NOT out STREQUAL "")
  message(FATAL_ERROR "desktop-file-validate (exit ${code}):\n${out}")
endif()
execute_process(COMMAND ${APPSTREAMCLI} validate --no-net --pedantic ${metainfo}
                RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE out)
string(STRIP "${out}" out)
if(code OR NOT out MATCHES "^[^\n]*Validation was successful\\.$")
  message(FATAL_ERROR "appstreamcli validate (exit ${code}):\n${out}")
endif()

# The launcher and the metainfo speak the languages the game does.
file(READ ${desktop} desktop_text)
file(READ ${metainfo} metainfo_text)
foreach(language de fr es)
  foreach(key GenericName Comment Keywords)
    if(NOT desktop_text MATCHES "\n${key}\\[${language}\\]=[^\n]")
      message(FATAL_ERROR "the launcher has no ${key}[${language}]")
    endif()
  endforeach()
  foreach(element summary p)
    if(NOT metainfo_text MATCHES "<${element} xml:lang=\"${language}\">[^<]")
      message(FATAL_ERROR "the metainfo has no ${element} in ${language}")
    endif()
  endforeach()
endforeach()

# The launcher starts the installed program under the installed icon's name.
file(STRINGS ${desktop} icon REGEX "^Icon=")
file(STRINGS ${desktop} exec REGEX "^Exec=")
if(NOT icon STREQUAL "Icon=${APP_ID}" OR NOT exec STREQUAL "Exec=mervane")
  message(FATAL_ERROR "the launcher names ${icon} and ${exec}")
endif()
execute_process(COMMAND ${PREFIX}/bin/mervane --version RESULT_VARIABLE code OUTPUT_VARIABLE out)
if(code OR NOT out MATCHES "^mervane ")
  message(FATAL_ERROR "the installed mervane --version: exit ${code}, ${out}")
endif()
