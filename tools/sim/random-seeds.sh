#!/usr/bin/env bash
# Plays one game per seed with the random human and varied options, and fails if any
# game does not finish: a stuck game, a crash, or one that runs past the time limit.
#   tools/sim/random-seeds.sh [FIRST_SEED] [COUNT] [PATH_TO_MERVANE_SIM]
# Seed s deals seven cards when odd, plays Advanced Rules when (s/2) is odd, plays to
# 200, 50, 500 or 1 by (s/4) mod 4, and shuffles at 00:MM:SS with MM:SS from s, as the
# 200-seed test in tests/game/sim_test.cpp does.
set -uo pipefail
first=${1:-1}
count=${2:-1000}
top=$(cd "$(dirname "$0")/../.." && pwd)
sim=${3:-$top/build/tools/sim/mervane-sim}
targets=(200 50 500 1)
failed=0
hands=0
start=$SECONDS
for ((seed = first; seed < first + count; ++seed)); do
    args=(--human "random:$seed" --play-to "${targets[(seed / 4) % 4]}")
    args+=(--seed-clock "$(printf '2026-03-07 00:%02d:%02d' $(((seed / 60) % 60)) $((seed % 60)))")
    ((seed % 2 == 1)) && args+=(--seven)
    (((seed / 2) % 2 == 1)) && args+=(--advanced)
    if ! out=$(timeout 60 "$sim" "${args[@]}" 2>&1) || [[ $out != hands\ * ]]; then
        echo "seed $seed failed: $sim $(printf '%q ' "${args[@]}")" >&2
        echo "$out" >&2
        ((++failed))
        continue
    fi
    read -r _ n _ <<<"$out"
    ((hands += n))
done
echo "seeds $first..$((first + count - 1)): $((count - failed)) games finished, $failed failed," \
    "$hands hands, $((SECONDS - start)) s"
((failed == 0))
