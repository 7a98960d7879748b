# cmake -DPROGRAM=<mervane> -P command_line_run.cmake
# The built program answers --help, --version and a wrong option with no display at all:
# had it made its QApplication first, it would abort for want of a screen.
function(run expected_code stdout_regex stderr_regex)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
            --unset=QT_QPA_PLATFORM ${PROGRAM} ${ARGN}
    RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 20)
  if(NOT code STREQUAL expected_code OR NOT out MATCHES "${stdout_regex}"
     OR NOT err MATCHES "${stderr_regex}")
    message(FATAL_ERROR "mervane ${ARGN}: exit ${code} (wanted ${expected_code})\n"
                        "stdout:\n${out}\nstderr:\n${err}")
  endif()
  message(STATUS "mervane ${ARGN}: exit ${code}")
endfunction()

# English first, whatever the machine's locale.
set(ENV{LANGUAGE} en)
run(0 "^Usage: mervane \\[options\\]\n.*--help.*--version" "^$" --help)
run(0 "^mervane [0-9]+\\.[0-9]+\n$" "^$" --version)
run(2 "^$" "^mervane: Unknown option 'bogus'\\.\nUsage: mervane \\[options\\]\n" --bogus)

# In the user's language: the game's own texts and Qt's parser texts alike.
set(ENV{LANGUAGE} de)
run(0 "^Aufruf: mervane \\[Optionen\\]\n.*Zeigt diese Hilfe an und beendet" "^$" --help)
run(2 "^$" "^mervane: Unbekannte Option 'bogus'\\.\nAufruf: mervane" --bogus)
unset(ENV{LANGUAGE})
