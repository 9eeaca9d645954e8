#!/usr/bin/env bash
# Two builds of Vantrel started alternately, with the bare Qt window beside
# them, each to its first paint (VANTREL_EXIT_AFTER_FIRST_PAINT): a change
# whose gain is smaller than what separate runs of startup.sh swing by shows
# here, since a change of the machine's speed touches all three alike. Each
# round starts the three in a new random order: in a fixed one, a program
# always started right after another one paid or gained for it.
#
#   bench/startup_versus.sh BEFORE_BUILD_DIR [BUILD_DIR] [RUNS]
#                                            (default: build, 61)
#
# Prints the machine's load and, for each program, the medians of wall time,
# CPU time (user and system) and minor page faults, each start timed by
# bench/run_once.py from the fork to the end of the process, and each
# build's ratio to the bare window; then the median of the rounds' own
# differences, now less before, with its quartiles.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
[ $# -ge 1 ] || { echo "usage: bench/startup_versus.sh BEFORE_BUILD_DIR [BUILD_DIR] [RUNS]" >&2; exit 2; }
before="$(cd "$1" && pwd)"
build="$(cd "${2:-$here/build}" && pwd)"
runs="${3:-61}"

if [ -z "${VANTREL_STARTUP_INNER:-}" ]; then
    command -v xvfb-run >/dev/null || { echo "startup_versus.sh needs xvfb-run (Debian: xvfb)" >&2; exit 1; }
    command -v python3 >/dev/null || { echo "startup_versus.sh needs python3" >&2; exit 1; }
    VANTREL_STARTUP_INNER=1 exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$before" "$build" "$runs"
fi

for dir in "$before" "$build"; do
    [ -x "$dir/bin/Vantrel" ] || { echo "build first: cmake --build $dir --target Vantrel" >&2; exit 1; }
done
[ -x "$build/bin/bare_window" ] || { echo "build first: cmake --build $build --target bare_window" >&2; exit 1; }

. "$here/bench/startup_env.sh"
export VANTREL_EXIT_AFTER_FIRST_PAINT=1
unset VANTREL_EXIT_AT_FIRST_MAP

declare -A programs=([bare]="$build/bin/bare_window" [now]="$build/bin/Vantrel" [before]="$before/bin/Vantrel")
order=(bare now before)
declare -A walls cpus faults
# One of each first, so none pays for cold caches.
for name in "${order[@]}"; do python3 "$here/bench/run_once.py" "${programs[$name]}" >/dev/null || true; done
load_before=$(cut -d' ' -f1-3 /proc/loadavg)
differences=""
for _ in $(seq "$runs"); do
    declare -A round=()
    for name in $(printf '%s\n' "${order[@]}" | shuf); do
        read -r wall cpu fault < <(python3 "$here/bench/run_once.py" "${programs[$name]}" || true)
        walls[$name]+="$wall "
        cpus[$name]+="$cpu "
        faults[$name]+="$fault "
        round[$name]=$wall
    done
    differences+="$(awk -v a="${round[now]}" -v b="${round[before]}" 'BEGIN { printf "%.1f", a - b }') "
done
load_after=$(cut -d' ' -f1-3 /proc/loadavg)

median() {
    sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

echo "Load average (1, 5, 15 min) before: $load_before, after: $load_after; $(nproc) cores"
echo
echo "| To the first paint ($runs alternating starts each, median) | Wall | Ratio to the bare window | CPU | Minor page faults |"
echo "|---|---|---|---|---|"
bare_wall=$(printf '%s\n' ${walls[bare]} | median)
for name in "${order[@]}"; do
    wall=$(printf '%s\n' ${walls[$name]} | median)
    awk -v n="$name" -v w="$wall" -v b="$bare_wall" -v c="$(printf '%s\n' ${cpus[$name]} | median)" \
        -v f="$(printf '%s\n' ${faults[$name]} | median)" -v p="${programs[$name]}" \
        'BEGIN { printf "| %s (%s) | %s ms | %.2f | %s ms | %s |\n", n, p, w, w / b, c, f }'
done
echo
printf '%s\n' $differences | sort -n | awk -v runs="$runs" '{ v[NR] = $1 } END {
    printf "Now less before, per round (%d rounds): median %+.1f ms, quartiles %+.1f and %+.1f ms\n",
        runs, (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2, v[int(NR / 4) + 1], v[int(3 * NR / 4) + 1] }'
