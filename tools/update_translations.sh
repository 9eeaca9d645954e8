#!/usr/bin/env bash
# Brings translations/*.ts up to date with the texts in the sources.
#
#   tools/update_translations.sh            update all eight files
#   LUPDATE=/path/to/lupdate tools/update_translations.sh
#
# Each part of the program has its own pair of files, one per language:
#   src/Vantrel/** (code and .ui forms) -> translations/Vantrel_{en,zh}.ts
#   src/Fenwork/**                      -> translations/Fenwork_{en,zh}.ts
#   src/Sarnet/**                       -> translations/Sarnet_{en,zh}.ts
#   names shown from data/ (scenes, link types, storage choices)
#                                       -> translations/VantrelData_{en,zh}.ts
#
# The data names are keys the tables are looked up by and plans store; what
# the user reads is their translation in the context "DataNames". They are
# extracted from the shipped data files by tools/data_names.py (python3),
# in their own pair of files, since lupdate drops from the other files every
# text the code does not hold.
#
# Existing translations are kept; texts that left the code are dropped
# (-no-obsolete); new texts arrive as unfinished and must be translated in
# both files before the test tst_Translations passes again. No line numbers
# are written (-locations none), so moving code does not touch these files.
# The .qm files are compiled by the build (translations/CMakeLists.txt).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

find_lupdate() {
    if [[ -n "${LUPDATE:-}" ]]; then
        echo "$LUPDATE"
        return
    fi
    local candidate
    for candidate in /usr/lib/qt6/bin/lupdate \
                     "$(qtpaths6 --query QT_HOST_BINS 2>/dev/null || true)/lupdate" \
                     "$(command -v lupdate6 || true)" \
                     "$(command -v lupdate || true)"; do
        if [[ -x "$candidate" ]] && "$candidate" -version 2>/dev/null | grep -q ' 6\.'; then
            echo "$candidate"
            return
        fi
    done
    echo "update_translations.sh: no Qt 6 lupdate found (Debian: apt-get install qt6-l10n-tools)" >&2
    exit 1
}

lupdate_bin="$(find_lupdate)"
cd "$root"

for prefix in Vantrel Fenwork Sarnet; do
    for pair in en:en_US zh:zh_CN; do
        suffix="${pair%%:*}"
        language="${pair##*:}"
        ts="translations/${prefix}_${suffix}.ts"
        echo "== $ts"
        "$lupdate_bin" -silent -no-obsolete -locations none \
            -source-language en_US -target-language "$language" \
            "src/$prefix" -ts "$ts"
        total=$(grep -c '<message' "$ts" || true)
        unfinished=$(grep -c 'type="unfinished"' "$ts" || true)
        echo "   $total messages, $unfinished unfinished"
    done
done

python3 tools/data_names.py data translations/VantrelData_en.ts translations/VantrelData_zh.ts
