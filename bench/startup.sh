#!/usr/bin/env bash
# Start-up time of Vantrel against a bare Qt widgets window (one label), both
# started the same way in the same run under one Xvfb server, timed from
# outside: from exec to the end of the process, which ends at one of two
# points:
#   map    the window is first mapped on screen (VANTREL_EXIT_AT_FIRST_MAP)
#   paint  the window's first paint is done (VANTREL_EXIT_AFTER_FIRST_PAINT)
# The four starts of a round alternate (bare, Vantrel at each end point), so
# a change of load on a shared machine touches both programs alike.
#
#   bench/startup.sh [BUILD_DIR] [RUNS]      (default: build, 21)
#
# Prints the machine's load before and after, a table of the medians and
# their ratios (Markdown; wall and CPU time, each start measured by
# bench/run_once.py), the minor page faults to the first paint, every wall
# time taken, and Vantrel's resident memory at its first paint with no plan
# and with the 10,000-group city plan (GNU time).
#
# Each round also starts Vantrel with the city plan (examples/city.vantrel)
# to its first paint, which comes once the plan is open: its time less the
# empty start's is what opening the city costs, seen from outside.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(cd "${1:-$here/build}" && pwd)"
runs="${2:-21}"

if [ -z "${VANTREL_STARTUP_INNER:-}" ]; then
    command -v xvfb-run >/dev/null || { echo "startup.sh needs xvfb-run (Debian: xvfb)" >&2; exit 1; }
    VANTREL_STARTUP_INNER=1 exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$build" "$runs"
fi

bin="$build/bin"
[ -x "$bin/Vantrel" ] && [ -x "$bin/bare_window" ] || {
    echo "build first: cmake --build $build --target Vantrel bare_window" >&2
    exit 1
}
cd "$bin"
unset VANTREL_EXIT_AFTER_FIRST_PAINT VANTREL_EXIT_AT_FIRST_MAP
. "$here/bench/startup_env.sh"

load() { cut -d' ' -f1-3 /proc/loadavg; }

# One start to the end point $1 (map or paint): "wall cpu faults", wall and
# CPU time (user and system) in milliseconds and the minor page faults,
# measured by bench/run_once.py from the fork on; without Python, wall time
# around GNU time (CPU in its 10 ms steps, no faults). On a busy machine the
# CPU time is the steadier of the two times.
cpu_file="$scratch/cpu"
time_once() {
    local point="$1" start end cpu=0
    shift
    local variable=VANTREL_EXIT_AFTER_FIRST_PAINT
    [ "$point" = paint ] || variable=VANTREL_EXIT_AT_FIRST_MAP
    if command -v python3 >/dev/null; then
        env "$variable=1" python3 "$here/bench/run_once.py" "$@" || true
        return
    fi
    start=$(date +%s%N)
    if [ -x /usr/bin/time ]; then
        env "$variable=1" /usr/bin/time -f '%U %S' -o "$cpu_file" "$@" >/dev/null 2>&1
    else
        env "$variable=1" "$@" >/dev/null 2>&1
    fi
    end=$(date +%s%N)
    [ -s "$cpu_file" ] && cpu=$(awk '{ printf "%d", ($1 + $2) * 1000 }' "$cpu_file")
    echo "$(( (end - start) / 1000000 )) $cpu -"
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

load_before=$(load)
city=examples/city.vantrel
[ -f "$city" ] || { echo "no $city in $bin: build the examples first" >&2; exit 1; }
# One of each first, so neither pays for cold caches.
for point in map paint; do
    time_once $point ./bare_window >/dev/null
    time_once $point ./Vantrel >/dev/null
done
# Its own settings and recovery folders: the plan it opened must not reach
# the empty starts' recent list.
mkdir -m 700 "$scratch/city-data" "$scratch/city-config"
city_once() { XDG_DATA_HOME="$scratch/city-data" XDG_CONFIG_HOME="$scratch/city-config" time_once paint ./Vantrel "$city"; }
city_once >/dev/null
declare -A times cpus faults
for _ in $(seq "$runs"); do
    for point in map paint; do
        for program in bare_window Vantrel; do
            read -r wall cpu fault < <(time_once $point ./$program)
            times[${program}_$point]+="$wall "
            cpus[${program}_$point]+="$cpu "
            faults[${program}_$point]+="$fault "
        done
    done
    read -r wall cpu fault < <(city_once)
    times[city]+="$wall "
    cpus[city]+="$cpu "
done
load_after=$(load)

echo "Load average (1, 5, 15 min) before: $load_before, after: $load_after; $(nproc) cores"
echo
echo "| End point ($runs runs each, median) | Bare Qt window | Vantrel | Ratio | CPU: bare | CPU: Vantrel | CPU ratio |"
echo "|---|---|---|---|---|---|---|"
for point in map paint; do
    bare_ms=$(printf '%s\n' ${times[bare_window_$point]} | median)
    vantrel_ms=$(printf '%s\n' ${times[Vantrel_$point]} | median)
    bare_cpu=$(printf '%s\n' ${cpus[bare_window_$point]} | median)
    vantrel_cpu=$(printf '%s\n' ${cpus[Vantrel_$point]} | median)
    label="first mapped window"
    [ "$point" = paint ] && label="first paint done"
    awk -v l="$label" -v v="$vantrel_ms" -v b="$bare_ms" -v vc="$vantrel_cpu" -v bc="$bare_cpu" \
        'BEGIN { printf "| %s | %s ms | %s ms | %.2f | %s ms | %s ms | %s |\n", l, b, v, v / b, bc, vc,
                 (bc > 0 ? sprintf("%.2f", vc / bc) : "-") }'
done
if [ "${faults[Vantrel_paint]%% *}" != "-" ]; then
    echo
    echo "Minor page faults to the first paint (median): bare window $(printf '%s\n' ${faults[bare_window_paint]} | median), Vantrel $(printf '%s\n' ${faults[Vantrel_paint]} | median)"
fi
city_ms=$(printf '%s\n' ${times[city]} | median)
city_cpu=$(printf '%s\n' ${cpus[city]} | median)
empty_ms=$(printf '%s\n' ${times[Vantrel_paint]} | median)
empty_cpu=$(printf '%s\n' ${cpus[Vantrel_paint]} | median)
echo
echo "| Vantrel to its first paint ($runs runs, median) | Wall | CPU |"
echo "|---|---|---|"
echo "| without a plan | $empty_ms ms | $empty_cpu ms |"
echo "| with the city plan (10,000 groups) open | $city_ms ms | $city_cpu ms |"
awk -v w="$city_ms" -v e="$empty_ms" -v wc="$city_cpu" -v ec="$empty_cpu" \
    'BEGIN { printf "| opening the city, the difference | %.1f ms | %.1f ms |\n", w - e, wc - ec }'
echo
echo "Vantrel with the city, paint, wall (ms): ${times[city]}"
for point in map paint; do
    echo "bare window, $point, wall (ms): ${times[bare_window_$point]}"
    echo "Vantrel, $point, wall (ms):     ${times[Vantrel_$point]}"
done

# Resident memory at the first paint: the probe's line carries no size, so
# the kernel's peak figure of the finished process is read through GNU time
# when it is there.
if [ -x /usr/bin/time ]; then
    export VANTREL_EXIT_AFTER_FIRST_PAINT=1
    for plan in "" examples/city.vantrel; do
        # A missing plan would stop the program at its error message.
        [ -z "$plan" ] || [ -f "$plan" ] || { echo "no $plan in $bin: its figure is left out"; continue; }
        peak=$(/usr/bin/time -f '%M' ./Vantrel $plan 2>&1 >/dev/null | tail -1)
        echo "Vantrel ${plan:-without a plan}: peak resident $((peak / 1024)) MiB"
    done
fi
