#!/usr/bin/env bash
# Instructions to the first paint, per thread, counted by callgrind: steady
# on a shared machine where wall times swing, so each start-up step is
# measured in them too. Starts the bare Qt window and each build's Vantrel
# once under Xvfb, with empty settings folders, to its first paint
# (VANTREL_EXIT_AFTER_FIRST_PAINT).
#
#   bench/startup_instructions.sh BUILD_DIR [BUILD_DIR...]
#
# Prints, per program, the main thread's instructions, its ratio to the
# bare window's, and the other threads' of 0.1 M or more, largest first
# (the preload thread's first, then the session bus's and Qt's own).
# Callgrind runs one thread at a time, so which thread reads what the
# threads share (the data tables, say) can change from one run to the next.
# Needs valgrind and xvfb-run; a start takes about a minute.
set -euo pipefail

[ $# -ge 1 ] || { echo "usage: bench/startup_instructions.sh BUILD_DIR [BUILD_DIR...]" >&2; exit 2; }
for tool in valgrind xvfb-run; do
    command -v "$tool" >/dev/null || { echo "startup_instructions.sh needs $tool" >&2; exit 1; }
done

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

# Instructions of each thread of one start: "main other..." in millions.
count() {
    local program="$1" out="$scratch/out"
    rm -rf "$out" && mkdir -p "$out" "$scratch/run"
    local run
    run="$(mktemp -d -p "$scratch/run")"
    mkdir -m 700 "$run/data" "$run/config" "$run/runtime"
    (cd "$(dirname "$program")" &&
        XDG_DATA_HOME="$run/data" XDG_CONFIG_HOME="$run/config" XDG_RUNTIME_DIR="$run/runtime" \
        VANTREL_EXIT_AFTER_FIRST_PAINT=1 xvfb-run -a -s "-screen 0 1280x800x24" \
        valgrind --tool=callgrind --separate-threads=yes --callgrind-out-file="$out/cg.%p" \
        "./$(basename "$program")" >/dev/null 2>"$out/log") || true
    # The program's own files are the largest process's (xvfb-run starts
    # helpers of its own); thread 1 is the main thread.
    local pid
    pid=$(for f in "$out"/cg.*-01; do echo "$(grep -m1 '^totals:\|^summary:' "$f" | awk '{print $2}') $f"; done |
          sort -rn | head -1 | sed -E 's#.*/cg\.([0-9]+)-01$#\1#')
    local main others
    main=$(grep -m1 '^totals:\|^summary:' "$out/cg.$pid-01" | awk '{ printf "%.1f", $2 / 1e6 }')
    others=$(for f in "$out/cg.$pid"-*; do
        [ "$f" = "$out/cg.$pid-01" ] || grep -m1 '^totals:\|^summary:' "$f" | awk '{print $2}'
    done | sort -rn | awk '$1 >= 1e5 { printf "%s%.1f M", (n++ ? ", " : ""), $1 / 1e6 }')
    echo "$main ${others:--}"
}

first="$(cd "$1" && pwd)"
echo "| Program | Main thread | Ratio to the bare window | Other threads |"
echo "|---|---|---|---|"
read -r bare _ < <(count "$first/bin/bare_window")
echo "| bare window | $bare M | 1.00 | |"
for build in "$@"; do
    build="$(cd "$build" && pwd)"
    IFS=' ' read -r main others < <(count "$build/bin/Vantrel")
    awk -v b="$build" -v m="$main" -v r="$bare" -v o="$others" \
        'BEGIN { printf "| %s | %s M | %.2f | %s |\n", b, m, m / r, o }'
done
