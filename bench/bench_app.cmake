# `cmake --build <dir> --target bench_startup`: the program's start-up figure under Xvfb.
add_custom_target(bench_startup
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/startup.sh $<TARGET_FILE:mervane> 10
  DEPENDS mervane
  USES_TERMINAL
  COMMENT "Time to first paint and resident memory of mervane")
add_custom_target(bench_startup_memory
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/startup_memory.sh $<TARGET_FILE:mervane> 5
  DEPENDS mervane
  USES_TERMINAL
  COMMENT "Peak memory of mervane to its first mapped window")

# The window's pauses: accuracy against the asked length, and CPU used while waiting.
add_executable(bench_pause bench_pause.cpp)
target_link_libraries(bench_pause PRIVATE mervane_app benchmark::benchmark)
