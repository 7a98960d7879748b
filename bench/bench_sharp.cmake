# The "Sharp" look at 4K: a warm repaint, the first repaint after a resize, and the
# resident memory after the first deal.
mervane_add_bench(bench_sharp SOURCES bench_sharp.cpp LIBS render)
