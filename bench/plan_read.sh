#!/usr/bin/env bash
# Reading a plan, timed from outside: vantrel-cli totals, storage and check, whole
# process, on the city example (10,000 groups) and on a plan grown to
# 100,000 groups, beside the parse floors in the same run: a process that
# only parses the file (QJsonDocument, and the plan reader's RapidJSON
# document) and Python's json.load. A second vantrel-cli (the program before
# a change) can be timed alongside. Every command runs once per round, the
# rounds one after another, so a change in the machine's load falls on all
# of them alike.
#
#   bench/plan_read.sh [BUILD_DIR] [RUNS] [BEFORE_CLI]   (default: build, 21)
#
# Prints the median wall time of each in ms, the peak resident memory of one
# run, and the machine's load before and after.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(cd "${1:-$here/build}" && pwd)"
runs="${2:-21}"
before="${3:-}"
bin="$build/bin"
[ -x "$bin/vantrel-cli" ] && [ -x "$bin/json_floor" ] || {
    echo "build first: cmake --build $build --target vantrel-cli json_floor" >&2
    exit 1
}
[ -z "$before" ] || [ -x "$before" ] || { echo "no program $before" >&2; exit 1; }

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
city="$here/examples/city.vantrel"
big="$scratch/city-100000.vantrel"
python3 "$here/bench/grow_plan.py" "$city" 100000 "$big"

# Name and command of each line of the table.
names=()
commands=()
add() {
    names+=("$1")
    shift
    commands+=("$(printf '%q ' "$@")")
}
for plan in "$city" "$big"; do
    tag=$([ "$plan" = "$city" ] && echo "city 10k" || echo "grown 100k")
    add "$tag  totals" "$bin/vantrel-cli" totals "$plan"
    add "$tag  storage" "$bin/vantrel-cli" storage "$plan"
    # check exits 1 for a design with a problem over (the city's uplink).
    add "$tag  check" bash -c '"$0" check "$1" >/dev/null; [ $? -le 1 ]' "$bin/vantrel-cli" "$plan"
    if [ -n "$before" ]; then
        add "$tag  totals (before)" "$before" --data "$bin" totals "$plan"
        add "$tag  storage (before)" "$before" --data "$bin" storage "$plan"
    fi
    add "$tag  floor: QJsonDocument" "$bin/json_floor" qt "$plan"
    add "$tag  floor: RapidJSON" "$bin/json_floor" rapidjson "$plan"
    add "$tag  floor: python json.load" python3 -c 'import json, sys; json.load(open(sys.argv[1], "rb"))' "$plan"
done

time_once() {
    local start end
    start=$(date +%s%N)
    eval "$1" >/dev/null 2>&1 || { echo "failed: $1" >&2; exit 1; }
    end=$(date +%s%N)
    echo $(( (end - start) / 1000 ))
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

echo "load before: $(uptime)"
# One of each first, so none pays for cold caches.
for command in "${commands[@]}"; do time_once "$command" >/dev/null; done
declare -A times
for _ in $(seq "$runs"); do
    for i in "${!commands[@]}"; do
        times[$i]+="$(time_once "${commands[$i]}") "
    done
done
echo "load after:  $(uptime)"
printf '%-40s %10s %10s\n' "$runs runs each, alternating" "median ms" "peak MiB"
for i in "${!commands[@]}"; do
    ms=$(printf '%s\n' ${times[$i]} | median | awk '{ printf "%.1f", $1 / 1000 }')
    peak=""
    if [ -x /usr/bin/time ]; then
        peak=$(eval "/usr/bin/time -f '%M' ${commands[$i]}" 2>&1 >/dev/null | tail -1 | awk '{ printf "%.0f", $1 / 1024 }')
    fi
    printf '%-40s %10s %10s\n' "${names[$i]}" "$ms" "$peak"
done
