# Runs mervane-sim as a user does and checks its exit status and what it printed.
#   cmake -DSIM=<path> -DARGS="a|b|c" -DRC=<status> [-DSTDERR=<regex>] [-DGOLDEN=<trace>]
#         [-DSTDOUT_FILE=<file>] [-DBLOCK=<path>] -P run_sim.cmake
# GOLDEN: stdout must be that trace without its command line. BLOCK: a folder made
# first, in a fresh parent folder, to stand where the simulator wants to write a file.
# An empty field is an empty argument ("--snapshot|" ends with one).
string(REPLACE "|" ";" args "${ARGS}")
if(BLOCK)
  get_filename_component(parent "${BLOCK}" DIRECTORY)
  file(REMOVE_RECURSE "${parent}")
  file(MAKE_DIRECTORY "${BLOCK}")
endif()
set(output_args "OUTPUT_VARIABLE out")
if(STDOUT_FILE)
  set(output_args "OUTPUT_FILE [==[${STDOUT_FILE}]==]")
endif()
# Each argument quoted on its own: a list expanded unquoted would drop the empty ones.
set(call "execute_process(COMMAND [==[${SIM}]==]")
foreach(arg IN LISTS args)
  string(APPEND call " [==[${arg}]==]")
endforeach()
string(APPEND call " ${output_args} ERROR_VARIABLE err RESULT_VARIABLE rc)")
cmake_language(EVAL CODE "${call}")
if(NOT rc STREQUAL "${RC}")
  message(FATAL_ERROR "exit status ${rc}, wanted ${RC}; stderr:\n${err}")
endif()
if(STDERR AND NOT err MATCHES "${STDERR}")
  message(FATAL_ERROR "stderr does not match \"${STDERR}\":\n${err}")
endif()
if(GOLDEN)
  file(READ "${GOLDEN}" golden)
  string(REGEX REPLACE "^#[^\n]*\n" "" golden "${golden}")
  if(NOT out STREQUAL golden)
    message(FATAL_ERROR "the trace differs from ${GOLDEN}; compare with\n"
                        "  ${SIM} ${args}")
  endif()
endif()
message(STATUS "exit ${rc}; stderr: ${err}")
