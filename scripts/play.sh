#!/usr/bin/env bash
# Installs what the game needs, builds only the game and starts it.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bash "$top/scripts/install-deps.sh"
# The tests and benchmarks would need GoogleTest and Google Benchmark.
cmake -S "$top" -B "$top/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DMERVANE_BUILD_TESTS=OFF -DMERVANE_BUILD_BENCHMARKS=OFF
cmake --build "$top/build" --target mervane
exec "$top/build/app/mervane" "$@"
