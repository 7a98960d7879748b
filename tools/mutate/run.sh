#!/usr/bin/env bash
# A small mutation pass over game/ and cards/: each line of the mutant list is a one-line
# fault, applied alone to a copy of the tracked sources; the cards and game tests are then
# rebuilt incrementally and run. A mutant is killed when a test fails, or when the tests
# hang past 60 s (a fault can make a game loop for ever). The working tree is never touched.
#
#   tools/mutate/run.sh [MUTANT-LIST] [NAME-REGEX]
#
# MUTANT-LIST defaults to tools/mutate/mutants.txt (its header says how a line is written);
# NAME-REGEX runs only the mutants whose names match. The tests see GTEST_FILTER, so
# GTEST_FILTER='-Simulator*' shows what the targeted tests kill without the pinned games.
# KEEP=1 keeps the temporary folder. Run by hand, not in CI.
set -euo pipefail

root=$(git -C "$(dirname "$0")" rev-parse --show-toplevel)
list=$(realpath "${1:-$root/tools/mutate/mutants.txt}")
only=${2:-}
work=$(mktemp -d "${TMPDIR:-/tmp}/mervane-mutate.XXXXXX")
if [[ "${KEEP:-0}" == 1 ]]; then
    echo "keeping $work"
else
    trap 'rm -rf "$work"' EXIT
fi
src=$work/src build=$work/build log=$work/log
mkdir -p "$src"

# The tracked files as they are now in the working tree, uncommitted edits included.
git -C "$root" ls-files -z | while IFS= read -r -d '' f; do
    [[ -f "$root/$f" ]] && install -D -m 644 "$root/$f" "$src/$f"
done

targets=(cards_tests game_tests)
tests=("$build/tests/cards/cards_tests" "$build/tests/game/game_tests")

rebuild() { cmake --build "$build" -j2 --target "${targets[@]}" </dev/null >"$log" 2>&1; }

# Prints nothing when every test passes, else the first test that failed, and the test
# that hung or crashed, if one did.
run_tests() {
    local t rc first last how
    for t in "${tests[@]}"; do
        rc=0
        timeout 60 "$t" </dev/null >"$log" 2>&1 || rc=$?
        ((rc == 0)) && continue
        first=$(grep -m1 -o '^\[  FAILED  \] [A-Za-z0-9_/.]*' "$log" | cut -c14- || true)
        last=$(grep -o '^\[ RUN      \] [A-Za-z0-9_/.]*' "$log" | tail -n1 | cut -c14- || true)
        case $rc in
            1) how="" ;;
            124) how="timeout in ${last:-$(basename "$t")}" ;;
            *) how="exit $rc in ${last:-$(basename "$t")}" ;;
        esac
        echo "${first:-$how}${first:+${how:+ (then $how)}}"
        return
    done
}

# Changes the first line at or after the anchor line that holds the fragment; exits 3
# when the anchor or the fragment is not found.
mutate() {
    ANCHOR=$2 ORIG=$3 REPL=$4 awk '
        BEGIN { anchor = ENVIRON["ANCHOR"]; orig = ENVIRON["ORIG"]; repl = ENVIRON["REPL"]
                armed = anchor == "-"; done = 0 }
        !armed && index($0, anchor) { armed = 1 }
        armed && !done && (i = index($0, orig)) {
            $0 = substr($0, 1, i - 1) repl substr($0, i + length(orig)); done = 1 }
        { print }
        END { exit done ? 0 : 3 }' "$1"
}

echo "configuring and building in $work ..."
cmake -S "$src" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >"$log" 2>&1 || { cat "$log"; exit 1; }
rebuild || { cat "$log"; exit 1; }
failed=$(run_tests)
if [[ -n "$failed" ]]; then
    echo "the unchanged sources already fail: $failed"
    exit 1
fi

killed=0 survived=0 missing=0 broken=0 n=0
printf '%-3s  %-40s %-26s %-9s %s\n' no mutant file result "killed by"
while IFS= read -r line; do
    [[ -z "${line// /}" || "$line" == \#* ]] && continue
    IFS=$'\x1f' read -r file anchor orig repl name <<<"${line// | /$'\x1f'}"
    [[ -n "$only" && ! "$name" =~ $only ]] && continue
    n=$((n + 1))
    [[ "$repl" == "-" ]] && repl=""
    result="" detail=""
    if [[ ! -f "$src/$file" ]]; then
        result="not found" detail="no file"
    else
        cp "$src/$file" "$work/original"
        rc=0
        mutate "$work/original" "$anchor" "$orig" "$repl" >"$src/$file" || rc=$?
        if ((rc != 0)); then
            result="not found" detail="no line holds the fragment after the anchor"
        elif ! rebuild; then
            result="no build"
        else
            detail=$(run_tests)
            if [[ -n "$detail" ]]; then result=killed; else result=SURVIVED; fi
        fi
        cp "$work/original" "$src/$file"
    fi
    case $result in
        killed) killed=$((killed + 1)) ;;
        SURVIVED) survived=$((survived + 1)) ;;
        "not found") missing=$((missing + 1)) ;;
        *) broken=$((broken + 1)) ;;
    esac
    printf '%-3s  %-40s %-26s %-9s %s\n' "$n" "$name" "$file" "$result" "$detail"
done <"$list"

echo
if ((missing)); then echo "$missing not found (the list no longer matches the code)"; fi
if ((broken)); then echo "$broken did not build"; fi
echo "$killed killed, $survived survived"
