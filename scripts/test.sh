#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds everything with warnings
# as errors and runs every test headless.
# BUILD_DIR and CMAKE_ARGS select another build (the sanitizer run uses them).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$top/build}
bash "$top/scripts/install-deps.sh" packages.txt packages-test.txt
# Before configuring: it needs no build, so a formatting slip fails in seconds.
bash "$top/tools/check_format.sh"
# Both on explicitly: scripts/play.sh may have turned them off in the same build folder.
# shellcheck disable=SC2086
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMERVANE_WERROR=ON \
  -DMERVANE_BUILD_TESTS=ON -DMERVANE_BUILD_BENCHMARKS=ON ${CMAKE_ARGS:-}
cmake --build "$build"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j2
