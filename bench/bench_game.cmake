mervane_add_bench(bench_game SOURCES bench_game.cpp LIBS sim_driver)
