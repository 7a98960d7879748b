# One whole card-table paint against one plain frame copy.
mervane_add_bench(bench_render SOURCES bench_render.cpp LIBS render)
