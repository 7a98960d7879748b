#!/usr/bin/env bash
# Peak resident memory (VmHWM) from process start to the first mapped window, in the
# Sharp and the Classic look, beside GNOME Aisleriot's (/usr/games/sol, when it is
# installed) measured the same way in the same run, under Xvfb.
#   bench/startup_memory.sh [path/to/mervane] [runs]
# "mapped" is read from /proc as soon as xdotool finds a viewable window of the
# process, the same for every program (it may include a few milliseconds of work done
# after the map, such as the game's deck parse, which starts after the first paint).
# "first paint" is the game's own reading inside its first paint
# (MERVANE_PRINT_FIRST_PAINT=quit ends it there; a profiler such as heaptrack can run
# it so). Each figure is the median of the runs. Needs xvfb, xauth and xdotool.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
app=${1:-$top/build/app/mervane}
runs=${2:-5}
[ -x "$app" ] || { echo "no program at $app (build the target mervane first)" >&2; exit 1; }

if [ -z "${MERVANE_STARTUP_INNER:-}" ]; then
  exec env MERVANE_STARTUP_INNER=1 xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bash "$(cd "$(dirname "$0")" && pwd)/$(basename "$0")" "$app" "$runs"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR) printf "%.1f", v[int((NR + 1) / 2)] / 1024; else printf "?" }'; }

# VmHWM in kB of the command's process at its first viewable window.
hwm_at_map() {
  "$@" >/dev/null 2>&1 &
  local pid=$! hwm=""
  for _ in $(seq 1000); do
    if xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; then
      hwm=$(awk '/^VmHWM/ {print $2}' "/proc/$pid/status")
      break
    fi
    sleep 0.005
  done
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  [ -n "$hwm" ] || { echo "$1: no window within 10 s" >&2; exit 1; }
  echo "$hwm"
}

# A fresh start in the look: no settings, the window state only naming the look.
fresh() {
  rm -f "$work/settings.ini" "$work/settings-window.ini"
  printf '[View]\nLOOK=%s\n' "$1" >"$work/settings-window.ini"
}

# One throw-away start so that no figure pays for a cold disk cache.
fresh Sharp
MERVANE_SETTINGS_FILE="$work/settings.ini" MERVANE_PRINT_FIRST_PAINT=quit timeout 10 "$app" >/dev/null 2>&1 || true
for look in Sharp Classic; do
  : >"$work/mapped"
  : >"$work/painted"
  for _ in $(seq "$runs"); do
    fresh "$look"
    hwm_at_map env MERVANE_SETTINGS_FILE="$work/settings.ini" "$app" >>"$work/mapped"
    fresh "$look"
    MERVANE_SETTINGS_FILE="$work/settings.ini" MERVANE_PRINT_FIRST_PAINT=quit timeout 10 "$app" 2>/dev/null |
      awk '/first-paint-hwm-kb/ {print $2}' >>"$work/painted" || true
  done
  printf '%-9s peak memory to first mapped window: %s MiB (at its first paint: %s MiB)\n' \
    "$look" "$(median <"$work/mapped")" "$(median <"$work/painted")"
done

sol=/usr/games/sol
if [ -x "$sol" ]; then
  : >"$work/sol"
  # A throw-away start: the first one in a new home compiles and caches its Scheme
  # games, which doubles its figure.
  hwm_at_map env HOME="$work/home" GSETTINGS_BACKEND=memory "$sol" >/dev/null
  for _ in $(seq "$runs"); do
    hwm_at_map env HOME="$work/home" GSETTINGS_BACKEND=memory "$sol" >>"$work/sol"
  done
  printf '%-9s peak memory to first mapped window: %s MiB\n' Aisleriot "$(median <"$work/sol")"
else
  echo "Aisleriot ($sol) is not installed: no figure to compare with"
fi
