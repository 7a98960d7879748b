#!/usr/bin/env bash
# Starts the program again and again under Xvfb with a real window manager
# (openbox) and prints where its frame came up each time; a window that
# remembers its place prints the same line every time.
#
#   tools/placement_check.sh [cycles] [screen WxH]     e.g.  tools/placement_check.sh 10 1280x1024
#
# Needs: Xvfb, openbox, xwininfo and xprop (x11-utils), xdotool, wmctrl. Uses a settings folder of
# its own; MERVANE_ZOOM=n stores that zoom before the first start, MOVE_TO="x y"
# moves the window there during the first start, SHOT=file.png saves a screenshot
# of the last start.
set -euo pipefail

cycles=${1:-10}
screen=${2:-1280x1024}
root=$(cd "$(dirname "$0")/.." && pwd)
program=${MERVANE:-$root/build/app/mervane}
work=$(mktemp -d)
trap 'kill $wm $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 "${screen}x24" -noreset >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
wm=$!
sleep 1

export XDG_CONFIG_HOME=$work/config XDG_STATE_HOME=$work/state QT_QPA_PLATFORM=xcb
state=$XDG_STATE_HOME/Ostrale/mervane-window.ini
if [[ -n ${MERVANE_ZOOM:-} ]]; then
    mkdir -p "$(dirname "$state")"
    printf '[Window]\nZOOM=%s\n' "$MERVANE_ZOOM" >"$state"
fi

# Frame (with title bar) of the program's window: x y width height.
frame_of() {
    local id=$1 info x y w h
    info=$(xwininfo -id "$id")
    x=$(awk '/Absolute upper-left X/ {print $NF}' <<<"$info")
    y=$(awk '/Absolute upper-left Y/ {print $NF}' <<<"$info")
    w=$(awk '/Width:/ {print $NF}' <<<"$info")
    h=$(awk '/Height:/ {print $NF}' <<<"$info")
    # _NET_FRAME_EXTENTS: left, right, top, bottom
    read -r l r t b < <(xprop -id "$id" _NET_FRAME_EXTENTS | tr -dc '0-9 ' | xargs)
    echo "$((x - ${l:-0})) $((y - ${t:-0})) $((w + ${l:-0} + ${r:-0})) $((h + ${t:-0} + ${b:-0}))"
}

for cycle in $(seq "$cycles"); do
    "$program" >/dev/null 2>&1 &
    pid=$!
    id=
    for _ in $(seq 100); do
        id=$(xdotool search --sync --onlyvisible --pid "$pid" --name '^Mervane$' 2>/dev/null | head -1) && [[ -n $id ]] && break
        sleep 0.1
    done
    sleep 1  # let the window manager settle the frame
    echo "start $cycle: frame $(frame_of "$id")  (x y width height)"
    if [[ $cycle == 1 && -n ${MOVE_TO:-} ]]; then
        # Somewhere the window manager would not choose, as a person drags it.
        xdotool windowmove --sync "$id" $MOVE_TO
        sleep 0.5
        echo "moved:   frame $(frame_of "$id")"
    fi
    if [[ $cycle == "$cycles" && -n ${SHOT:-} ]]; then import -window root "$SHOT"; fi
    wmctrl -i -c "$id"  # through the window manager, as its close button does
    wait "$pid" || true
done
echo "window state file:"
cat "$state" 2>/dev/null || true
if [[ -e $XDG_CONFIG_HOME/Ostrale/mervane.ini ]]; then
    echo "settings file: written"
else
    echo "settings file: not written"
fi
