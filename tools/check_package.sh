#!/usr/bin/env bash
# Checks a built Vantrel Debian package the way a user meets it:
#   tools/check_package.sh build/vantrel_<version>_<arch>.deb
# lintian (no error allowed), the desktop entry and metainfo validators, the
# file list; then the package is installed (dpkg -i as root, else unpacked
# into a temporary root) and the installed program answers --version,
# vantrel-cli computes an example, and the window opens an example plan under
# Xvfb in English and, with the user's own setup.xml, in Chinese. A user who
# is not root imports scenes into the read-only install. At the end the
# machine is as it was: the package removed, the user and folders gone.
set -euo pipefail

deb="$(realpath "${1:?usage: $0 vantrel_<version>_<arch>.deb}")"
work="$(mktemp -d)"
chmod 755 "$work"
installed_here=0
made_user=""
checker=vantrel-check

cleanup() {
    if [ "$installed_here" = 1 ]; then
        echo "--- removing the package"
        dpkg --purge vantrel >/dev/null
    fi
    if [ -n "$made_user" ]; then
        userdel "$made_user" 2>/dev/null || true
    fi
    chmod -R u+w "$work" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "package check FAILED: $*" >&2
    exit 1
}

echo "--- $(basename "$deb"): $(du -k "$deb" | cut -f1) KiB"
dpkg-deb -I "$deb" | sed -n '/Package:/,$p'
echo "--- lintian"
lintian --fail-on error --display-info "$deb" || fail "lintian reports errors"
echo "--- files"
dpkg-deb -c "$deb" | awk '{print $1, $6, $7, $8}'

dpkg-deb -x "$deb" "$work/unpacked"
desktop-file-validate "$work/unpacked/usr/share/applications/org.vantrel.vantrel.desktop" \
    || fail "desktop entry"
appstreamcli validate --no-net "$work/unpacked/usr/share/metainfo/org.vantrel.vantrel.metainfo.xml" \
    || fail "metainfo"
for size in 16x16 32x32 48x48 256x256; do
    [ -f "$work/unpacked/usr/share/icons/hicolor/$size/apps/vantrel.png" ] || fail "no $size icon"
done

# Installed for real where we may and nothing is there yet; otherwise the
# unpacked tree stands in for /, made read-only as the real one is to users.
if [ "$(id -u)" -eq 0 ] && ! dpkg-query -W -f='${Status}' vantrel 2>/dev/null | grep -q "install ok installed"; then
    echo "--- dpkg -i"
    installed_here=1
    if ! dpkg -i "$deb"; then
        DEBIAN_FRONTEND=noninteractive apt-get -f install -y -qq
    fi
    dpkg-query -W -f='${Status}\n' vantrel | grep -q "install ok installed" || fail "dpkg -i"
    root=""
else
    echo "--- unpacked into $work/unpacked (not root, or a vantrel package is already installed)"
    root="$work/unpacked"
    chmod -R a-w "$root/usr/lib/vantrel"
fi
bin="$root/usr/bin"
lib="$root/usr/lib/vantrel"
example="$lib/examples/small-shop.vantrel"
[ -f "$example" ] || fail "no example plans in $lib/examples"

# Every run gets a home of its own: what a run leaves there stays out of the
# user's real one, and a Vantrel someone else runs on this machine does not
# count as this one's running instance. runner, when set, runs it as another
# user.
runner=()
make_home() {
    mkdir -p "$1"
    mkdir -p -m 700 "$1/runtime"
}
run_env() {
    local home="$1"
    shift
    "${runner[@]}" env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY -u XDG_CONFIG_HOME -u XDG_DATA_HOME \
        XDG_RUNTIME_DIR="$home/runtime" HOME="$home" "$@"
}

echo "--- vantrel --version, --help; vantrel-cli --help, totals"
make_home "$work/home"
version="$(run_env "$work/home" "$bin/vantrel" --version)"
echo "$version"
[[ "$version" =~ ^Vantrel\ v[0-9] ]] || fail "vantrel --version printed: $version"
run_env "$work/home" "$bin/vantrel" --help | grep -q -- "--version" || fail "vantrel --help"
run_env "$work/home" "$bin/vantrel-cli" --help | grep -q "totals PLAN" || fail "vantrel-cli --help"
totals="$(run_env "$work/home" "$bin/vantrel-cli" totals "$example")"
echo "$totals"
[[ "$totals" == *'"channels":'* ]] || fail "vantrel-cli totals"

# The window: opens the plan, finds its data and manual, and reports them at
# its first paint.
start_window() {
    local home="$1" language="$2"
    shift 2
    local line
    line="$(run_env "$home" "$@" VANTREL_EXIT_AFTER_FIRST_PAINT=1 \
        xvfb-run -a -s "-screen 0 1280x800x24" "$bin/vantrel" "$example" 2>"$work/stderr")" \
        || { cat "$work/stderr" >&2; fail "the installed program did not start"; }
    echo "$line"
    python3 - "$line" "$example" "$language" "$lib" <<'PY' || fail "the start report"
import json, os, sys
report = json.loads(sys.argv[1])
plan = json.load(open(sys.argv[2], encoding="utf-8"))
problems = []
if report["groups"] != len(plan["groups"]):
    problems.append("groups %s, the plan has %d" % (report["groups"], len(plan["groups"])))
if "small-shop" not in report["title"]:
    problems.append("title %r does not name the plan" % report["title"])
if report["dataProblems"] != 0:
    problems.append("%d data problems" % report["dataProblems"])
if not (report["manual"].startswith(sys.argv[4]) and os.path.isfile(report["manual"])):
    problems.append("manual %r" % report["manual"])
if report["language"] != sys.argv[3]:
    problems.append("language %s" % report["language"])
if problems:
    sys.exit("; ".join(problems))
PY
}

echo "--- the installed window, in English"
start_window "$work/home" en
echo "--- in Chinese, by the user's own setup.xml"
mkdir -p "$work/home/.config/Vantrel/Vantrel"
sed 's|<Translator><Value>0</Value>|<Translator><Value>1</Value>|' "$lib/setup.xml" \
    > "$work/home/.config/Vantrel/Vantrel/setup.xml"
start_window "$work/home" zh

# A user who may not write to the program's folder imports the scene
# template: the scenes land in the user's data folder and the next start
# reads them from there.
as_user=()
if [ "$(id -u)" -eq 0 ]; then
    if ! id "$checker" >/dev/null 2>&1; then
        useradd --no-create-home --home-dir "$work/user" --shell /usr/sbin/nologin "$checker" \
            && made_user="$checker" || true
    fi
    if id "$checker" >/dev/null 2>&1 && [ -n "$made_user" ]; then
        as_user=(runuser -u "$checker" --)
    else
        echo "--- no user to check the read-only install with: skipped"
    fi
fi
if [ "$(id -u)" -ne 0 ] || [ ${#as_user[@]} -gt 0 ]; then
    echo "--- a user without write access imports scenes"
    make_home "$work/user"
    printf '%s\n' "Scene,Encoding,Resolution,Recommended Bitrate(kbps),Picture Path" \
        'Hospital,H.265,720P(1280x720),1204,D:\scene\hospital_720p.png' \
        'Hospital,H.264,1080P(1920x1080),2048,D:\scene\hospital_1080p.png' > "$work/user/Template.csv"
    [ ${#as_user[@]} -gt 0 ] && chown -R "$checker" "$work/user"
    before="$(find "$lib" | sort | md5sum)"
    runner=("${as_user[@]}")
    imported="$(run_env "$work/user" "$bin/vantrel-cli" import-scenes "$work/user/Template.csv")" \
        || fail "import-scenes as a user"
    echo "$imported"
    [[ "$imported" == *"\"folder\":\"$work/user/.local/share/Vantrel/Vantrel/\""* ]] || fail "import went elsewhere"
    grep -q "^Hospital,H.265,720P(1280x720),1204," "$work/user/.local/share/Vantrel/Vantrel/Scene.csv" \
        || fail "imported table"
    [ "$(find "$lib" | sort | md5sum)" = "$before" ] || fail "the import changed $lib"
    echo "--- the window, started by that user with the imported scenes"
    start_window "$work/user" en
    run_env "$work/user" "$bin/vantrel-cli" restore-scenes >/dev/null \
        || fail "restore-scenes as a user"
    cmp -s "$lib/SceneShipped/Scene.csv" "$work/user/.local/share/Vantrel/Vantrel/Scene.csv" \
        || fail "restored table"
    echo "imported and restored in $work/user/.local/share/Vantrel/Vantrel"
fi
echo "=== package check passed"
