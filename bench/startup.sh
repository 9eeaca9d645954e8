#!/usr/bin/env bash
# Start-up time of Vantrel against a bare Qt widgets window, both started
# the same way in the same run: time from exec to the end of the first
# paint (both programs end there), under one Xvfb server.
#
#   bench/startup.sh [BUILD_DIR] [RUNS]      (default: build, 15)
#
# Prints the median of each, the ratio, and Vantrel's resident memory at
# its first paint with no plan and with the 10,000-group city plan.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(cd "${1:-$here/build}" && pwd)"
runs="${2:-15}"

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
export VANTREL_EXIT_AFTER_FIRST_PAINT=1
# Recovery files, recent plans and the single-instance lock of this run stay
# out of the user's own, so a Vantrel already running does not stop these.
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
mkdir -m 700 "$scratch/data" "$scratch/config" "$scratch/runtime"
export XDG_DATA_HOME="$scratch/data" XDG_CONFIG_HOME="$scratch/config"
export XDG_RUNTIME_DIR="$scratch/runtime" TMPDIR="$scratch/runtime"

# Milliseconds one start takes.
time_once() {
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1
    end=$(date +%s%N)
    echo $(( (end - start) / 1000000 ))
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# One of each first, so neither pays for cold caches.
time_once ./bare_window >/dev/null
time_once ./Vantrel >/dev/null
bare=()
vantrel=()
for _ in $(seq "$runs"); do
    bare+=("$(time_once ./bare_window)")
    vantrel+=("$(time_once ./Vantrel)")
done
bare_ms=$(printf '%s\n' "${bare[@]}" | median)
vantrel_ms=$(printf '%s\n' "${vantrel[@]}" | median)
echo "bare Qt window: median ${bare_ms} ms over $runs runs (${bare[*]})"
echo "Vantrel:        median ${vantrel_ms} ms over $runs runs (${vantrel[*]})"
awk -v v="$vantrel_ms" -v b="$bare_ms" 'BEGIN { printf "ratio Vantrel / bare window: %.2f\n", v / b }'

# Resident memory at the first paint: the probe's line carries no size, so
# the kernel's peak figure of the finished process is read through GNU time
# when it is there.
if [ -x /usr/bin/time ]; then
    for plan in "" examples/city.vantrel; do
        # A missing plan would stop the program at its error message.
        [ -z "$plan" ] || [ -f "$plan" ] || { echo "no $plan in $bin: its figure is left out"; continue; }
        peak=$(/usr/bin/time -f '%M' ./Vantrel $plan 2>&1 >/dev/null | tail -1)
        echo "Vantrel ${plan:-without a plan}: peak resident $((peak / 1024)) MiB"
    done
fi
