# Card faces from the installed SVG decks: parse, first render at 4K, warm lookups.
mervane_add_bench(bench_decks SOURCES bench_decks.cpp LIBS render)
