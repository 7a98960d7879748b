#!/usr/bin/env bash
# Start-up figure of the game: wall time from process start to the first painted
# frame of the table, and resident memory one second after start, under Xvfb.
#   bench/startup.sh [path/to/mervane] [runs]
# Needs xvfb and xauth. Each run starts from an empty settings file.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
app=${1:-$top/build/app/mervane}
runs=${2:-10}
[ -x "$app" ] || { echo "no program at $app (build the target mervane first)" >&2; exit 1; }

if [ -z "${MERVANE_STARTUP_INNER:-}" ]; then
  exec env MERVANE_STARTUP_INNER=1 xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bash "$(cd "$(dirname "$0")" && pwd)/$(basename "$0")" "$app" "$runs"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# One throw-away start so that the first figure does not pay for a cold disk cache.
for i in $(seq 0 "$runs"); do
  rm -f "$work/settings.ini"
  start=$(date +%s%N)
  MERVANE_SETTINGS_FILE="$work/settings.ini" MERVANE_PRINT_FIRST_PAINT=1 "$app" >"$work/out" 2>/dev/null &
  pid=$!
  for _ in $(seq 100); do grep -q first-paint-ns "$work/out" && break; sleep 0.05; done
  painted=$(awk '/first-paint-ns/ {print $2; exit}' "$work/out")
  sleep 1
  rss=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
  kill "$pid"; wait "$pid" 2>/dev/null || true
  [ -n "$painted" ] || { echo "run $i: no first paint within 5 s" >&2; exit 1; }
  [ "$i" -eq 0 ] && continue
  echo "$(( (painted - start) / 1000000 )) $rss" >>"$work/figures"
done
sort -n "$work/figures" | awk -v runs="$runs" '
  { ms[NR] = $1; rss += $2 }
  END {
    printf "first paint after start: median %d ms, min %d ms, max %d ms (%d runs)\n",
           ms[int((NR + 1) / 2)], ms[1], ms[NR], runs
    printf "resident memory 1 s after start: %.1f MiB (mean)\n", rss / NR / 1024
  }'
