#!/usr/bin/env bash
# Screenshots of both looks under Xvfb with openbox, for a person to look at:
#   tools/look_shots.sh OUTDIR [build]
# A 720 x 804 table in each look, a 1920 x 1080 full screen, and a 3840 x 2160 screen
# at QT_SCALE_FACTOR=2, with three decks; each run shows the title, a hand, the Score
# dialog and the winner screen. Needs xvfb, xauth, openbox and imagemagick.
set -euo pipefail
out=${1:?output folder}
build=${2:-$(cd "$(dirname "$0")/.." && pwd)/build}
shots=$build/tests/app/app_screens
[ -x "$shots" ] || { echo "build the target app_screens first" >&2; exit 1; }
mkdir -p "$out"

# One X server of the given size with openbox, running one app_screens.
run() {
  local screen=$1; shift
  xvfb-run -a -s "-screen 0 ${screen}x24 -noreset" bash -c '
    openbox >/dev/null 2>&1 & wm=$!
    sleep 0.5
    env "$@"
    kill $wm' _ "$@"
}

# Each run keeps its settings in a folder of its own (the test fixture's).
run 1280x1024 "$shots" "$out" looks Classic classic 720x804
run 1280x1024 "$shots" "$out" looks Sharp svg-nicu-white 720x804
run 1920x1080 "$shots" "$out" looks Sharp svg-penguins full
run 1920x1080 "$shots" "$out" looks Classic classic full
run 3840x2160 QT_SCALE_FACTOR=2 "$shots" "$out" looks Sharp svg-oxygen-white full
