# cmake -DBUILD=<build folder> -DOUT=<scratch folder> -DCPACK=<cpack> -DLINTIAN=<lintian>
#       -P check_lintian.cmake
# Makes the Debian package as a packager does (cpack -G DEB) and has lintian check it:
# any error or warning fails, and lintian's whole report is shown either way.
if(NOT LINTIAN)
  message(FATAL_ERROR "lintian not found: install lintian")
endif()
file(REMOVE_RECURSE ${OUT})
execute_process(COMMAND ${CPACK} -G DEB --config ${BUILD}/CPackConfig.cmake -B ${OUT}
                RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE out)
file(GLOB deb ${OUT}/*.deb)
if(code OR NOT deb)
  message(FATAL_ERROR "cpack -G DEB (exit ${code}) made no package:\n${out}")
endif()
execute_process(COMMAND ${LINTIAN} --info ${deb}
                RESULT_VARIABLE code OUTPUT_VARIABLE report ERROR_VARIABLE report)
message(STATUS "lintian ${deb} (exit ${code}):\n${report}")
if(report MATCHES "(^|\n)[EW]: ")
  message(FATAL_ERROR "lintian has errors or warnings on the package")
endif()
