#!/usr/bin/env bash
# Builds the fuzz harnesses of tests/fuzz with clang's libFuzzer (with
# AddressSanitizer and UndefinedBehaviorSanitizer, in build-fuzz/), replays
# each harness's committed corpus, then fuzzes each one for a while.
#   tools/fuzz.sh [seconds per harness]     default 600
# New inputs go to a scratch folder; a crashing input is kept in
# build-fuzz/findings/ and the script fails. Without clang it fails too.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VANTREL_FUZZ_BUILD_DIR:-$here/build-fuzz}"
seconds="${1:-600}"
harnesses=(fuzz_data_files fuzz_scene_import fuzz_setup_xml fuzz_plan_file fuzz_report_writers fuzz_recovery_check
           fuzz_plan_window fuzz_group_table)

# A skipped fuzz run would pass CI without fuzzing anything: clang is a
# required package of the test command, so its absence is a broken machine.
if ! command -v clang++ >/dev/null; then
    echo "clang++ is not installed (tools/vantrel.sh test installs it): cannot fuzz" >&2
    exit 1
fi

if [ ! -f "$build/build.ninja" ]; then
    launcher=()
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    CC=clang CXX=clang++ cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DVANTREL_FUZZ=ON -DVANTREL_SANITIZE=address,undefined -DVANTREL_BUILD_BENCH=OFF "${launcher[@]}"
fi
cmake --build "$build" --parallel "$(nproc)" --target fuzz_all

export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1"
export LSAN_OPTIONS="suppressions=$here/tools/sanitizer/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export QT_QPA_PLATFORM=offscreen
mkdir -p "$build/findings"
# Runs a harness into a log; shows its last lines, or when it fails the
# whole report of what broke and the input that broke it: a clean CI clone is
# gone by the time anyone reads its log, so the closing lines alone would
# leave nothing to reproduce.
run() {
    local harness="$1" lines="$2"
    shift 2
    local log="$build/findings/$harness.log"
    if "$build/fuzz/$harness" "$@" >"$log" 2>&1; then
        tail -n "$lines" "$log"
        return 0
    fi
    sed -n '/property broken\|ERROR: \|runtime error\|deadly signal/,$p' "$log" | head -n 120
    local crash
    crash="$(sed -n 's/.*Test unit written to //p' "$log" | tail -n 1)"
    if [ -n "$crash" ]; then
        echo "-- the input, in base64 ($crash):"
        base64 "$crash" | head -c 20000
        echo
    fi
    return 1
}

status=0
for harness in "${harnesses[@]}"; do
    corpus="$here/tests/fuzz/corpus/$harness"
    scratch="$(mktemp -d)"
    echo "== $harness: replaying $(ls "$corpus" | wc -l) committed inputs"
    run "$harness" 2 -runs=0 -artifact_prefix="$build/findings/$harness-" "$corpus" || status=1
    echo "== $harness: fuzzing for $seconds s"
    run "$harness" 12 -max_total_time="$seconds" -timeout=20 -rss_limit_mb=4096 -print_final_stats=1 \
        -artifact_prefix="$build/findings/$harness-" "$scratch" "$corpus" || status=1
    rm -rf "$scratch"
done
exit $status
