#!/usr/bin/env bash
# The PDF report of large plans against a peer drawing the same table:
# vantrel-cli report PLAN --pdf, a whole process from start to exit, and
# report_peer.py (Python reportlab: the same ten columns, the heading row
# repeated on every page), timed alternately in one run, wall time.
#
#   bench/report_vs_peer.sh [BUILD_DIR] [RUNS]      (default: build, 3)
#
# Sizes: 1,000, 10,000 and 100,000 groups (the office example's groups over
# and over); RUNS runs each at the first two sizes, one at the last; the
# median is stated. VANTREL_BEFORE_CLI=path/to/an/older/vantrel-cli times
# that program too, at the first two sizes.
# Exits 1, loudly, when 10,000 groups take more than 15 times what 1,000
# take, or when Vantrel takes more than half the peer's time at any size.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(cd "${1:-$here/build}" && pwd)"
runs="${2:-3}"
cli="$build/bin/vantrel-cli"
before="${VANTREL_BEFORE_CLI:-}"
[ -x "$cli" ] || { echo "build first: cmake --build $build --target vantrel-cli" >&2; exit 1; }

# Debian's own interpreter, where Debian's reportlab goes.
python=/usr/bin/python3
if ! "$python" -c 'import reportlab' 2>/dev/null; then
    echo "report_vs_peer: installing python3-reportlab (Debian package)" >&2
    if [ "$(id -u)" = 0 ]; then
        apt-get install -y python3-reportlab >&2
    elif sudo -n true 2>/dev/null; then
        sudo apt-get install -y python3-reportlab >&2
    else
        echo "report_vs_peer: python3-reportlab is missing and cannot be installed (no root, no sudo -n)" >&2
        exit 1
    fi
fi

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$scratch"
peer="$here/bench/report_peer.py"

ms() { # command...: milliseconds from start to exit
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 || { echo "report_vs_peer: failed: $*" >&2; exit 1; }
    end=$(date +%s%N)
    echo $(( (end - start) / 1000000 ))
}
median() {
    sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

echo "load: $(uptime)"
declare -A ours theirs
for groups in 1000 10000 100000; do
    plan="$scratch/plan$groups.vantrel"
    "$python" "$peer" make "$here/examples/office-building.vantrel" "$groups" "$plan"
    n=$runs
    [ "$groups" -ge 100000 ] && n=1
    a=(); b=(); c=()
    for _ in $(seq "$n"); do
        a+=("$(ms "$cli" report "$plan" --pdf "$scratch/ours.pdf")")
        b+=("$(ms "$python" "$peer" draw "$plan" "$scratch/peer.pdf")")
        if [ -n "$before" ] && [ "$groups" -le 10000 ]; then
            c+=("$(ms "$before" report "$plan" --pdf "$scratch/before.pdf")")
        fi
    done
    ours[$groups]=$(printf '%s\n' "${a[@]}" | median)
    theirs[$groups]=$(printf '%s\n' "${b[@]}" | median)
    pages=$(pdfinfo "$scratch/ours.pdf" 2>/dev/null | awk '/^Pages:/ { print $2 }')
    peer_pages=$(pdfinfo "$scratch/peer.pdf" 2>/dev/null | awk '/^Pages:/ { print $2 }')
    line="$groups groups: Vantrel ${ours[$groups]} ms (${a[*]}; $pages pages, table and chart), peer ${theirs[$groups]} ms (${b[*]}; $peer_pages pages, table only)"
    if [ ${#c[@]} -gt 0 ]; then
        line="$line, before $(printf '%s\n' "${c[@]}" | median) ms (${c[*]})"
    fi
    echo "$line"
done
echo "load: $(uptime)"

failed=0
growth=$(awk -v a="${ours[10000]}" -v b="${ours[1000]}" 'BEGIN { printf "%.1f", a / b }')
echo "growth, 10,000 against 1,000 groups: ${growth} times (at most 15)"
if awk -v g="$growth" 'BEGIN { exit !(g > 15) }'; then
    echo "report_vs_peer: FAILED: 10,000 groups take ${growth} times what 1,000 take" >&2
    failed=1
fi
for groups in 1000 10000 100000; do
    share=$(awk -v a="${ours[$groups]}" -v b="${theirs[$groups]}" 'BEGIN { printf "%.2f", a / b }')
    echo "Vantrel / peer at $groups groups: $share (at most 0.5)"
    if awk -v s="$share" 'BEGIN { exit !(s > 0.5) }'; then
        echo "report_vs_peer: FAILED: at $groups groups Vantrel takes $share of the peer's time" >&2
        failed=1
    fi
done
exit $failed
