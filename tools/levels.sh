#!/bin/bash
# The share of hands a level wins in seat 0 against three Normal seats, with its 95 %
# (Wilson) interval, under standard and Advanced Rules. Two simulators run at once on
# different seed clocks and their counts are added.
#   tools/levels.sh BUILD_DIR LEVEL HANDS_PER_RULE_SET     e.g. tools/levels.sh build hard 2000
set -euo pipefail
build=${1:?build folder}
level=${2:?easy, normal or hard}
hands=${3:?hands per rule set}
sim="$build/tools/sim/mervane-sim"
[ -x "$sim" ] || { echo "levels.sh: no $sim; build mervane-sim first" >&2; exit 1; }
first=$(( (hands + 1) / 2 ))
second=$(( hands - first ))
clocks=("2026-12-28 23:59:58" "2027-11-27 19:53:57")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Prints "hands won dead" for one simulator run.
tally() {
    "$sim" --seed-clock "$1" --hands "$2" --level "0=$level" $3 --trace |
        awk '$1 == "end" { n++; if ($2 == 0) w++ } $1 == "dead" { n++; d++ }
             END { printf "%d %d %d\n", n, w, d }'
}

for rules in standard advanced; do
    flag=""
    [ "$rules" = advanced ] && flag="--advanced"
    start=$(date +%s)
    tally "${clocks[0]}" "$first" "$flag" > "$work/a" &
    a=$!
    if [ "$second" -gt 0 ]; then tally "${clocks[1]}" "$second" "$flag" > "$work/b"; else echo "0 0 0" > "$work/b"; fi
    wait "$a"
    seconds=$(( $(date +%s) - start ))
    read -r n1 w1 d1 < "$work/a"
    read -r n2 w2 d2 < "$work/b"
    awk -v n=$((n1 + n2)) -v w=$((w1 + w2)) -v d=$((d1 + d2)) -v level="$level" \
        -v rules="$rules" -v s="$seconds" 'BEGIN {
        p = w / n; z = 1.959964
        c = (p + z * z / (2 * n)) / (1 + z * z / n)
        h = z * sqrt(p * (1 - p) / n + z * z / (4 * n * n)) / (1 + z * z / n)
        printf "%-6s %-8s hands %d won %d dead %d share %.2f %% (95 %%: %.2f to %.2f %%) %d s\n",
               level, rules, n, w, d, 100 * p, 100 * (c - h), 100 * (c + h), s
    }'
done
