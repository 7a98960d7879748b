#!/usr/bin/env bash
# The window while the computer plays: starts a game at "Slow" under Xvfb and openbox,
# moves the window, zooms it and opens its menu in the middle of the chain of turns,
# with a screenshot after each, then closes it mid-chain and prints how long the
# program took to end.
#   xvfb-run -a -s "-screen 0 1280x1024x24" tools/chain_check.sh build/app/mervane /tmp/chain
# Needs openbox, xdotool, wmctrl and imagemagick.
set -u
app=$1; out=$2; mkdir -p "$out"
work=$(mktemp -d)
printf '[Settings]\nPLAYSPEED=0\n' > "$work/s.ini"
openbox >/dev/null 2>&1 &
sleep 1
MERVANE_SETTINGS_FILE="$work/s.ini" MERVANE_WINDOW_STATE_FILE="$work/w.ini" "$app" >/dev/null 2>&1 &
pid=$!
sleep 1.5
win=$(xdotool search --sync --onlyvisible --name '^Mervane$' | head -1)
xdotool windowactivate --sync "$win"
# The toolbar's New Game button, where a 3x window first opens on this screen.
xdotool mousemove 295 125 click 1
sleep 0.3
import -window root "$out/1-dealing.png"
xdotool windowmove "$win" 100 60
sleep 0.5
import -window root "$out/2-moved.png"
xdotool key --window "$win" ctrl+plus
sleep 0.7
import -window root "$out/3-zoomed.png"
xdotool key --window "$win" alt+m
sleep 0.7
import -window root "$out/4-menu-open.png"
sleep 1.5
import -window root "$out/5-menu-still-open.png"
xdotool key Escape
sleep 0.3
start=$(date +%s%N)
wmctrl -c Mervane
while kill -0 "$pid" 2>/dev/null; do sleep 0.005; done
end=$(date +%s%N)
echo "close to exit: $(( (end - start) / 1000000 )) ms"
wait "$pid"; echo "exit status $?"
rm -rf "$work"
