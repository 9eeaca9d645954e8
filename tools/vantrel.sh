#!/usr/bin/env bash
# Sets up, builds and then runs Vantrel or its tests on Debian 12.
#   tools/vantrel.sh run    build and start the program
#   tools/vantrel.sh test   build and run the whole test suite
#   tools/vantrel.sh sanitize   build with AddressSanitizer and
#                           UndefinedBehaviorSanitizer (in build-asan/) and
#                           run the whole suite under them
#   tools/vantrel.sh package   build the Debian package (build/vantrel_*.deb),
#                           lint it, install it and start what it installed
#                           (tools/check_package.sh)
# Missing Debian packages are installed with apt-get (through sudo when not
# root). Every step is idempotent: a second call only rebuilds what changed.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VANTREL_BUILD_DIR:-$here/build}"
asan_build="${VANTREL_ASAN_BUILD_DIR:-$here/build-asan}"
mode="${1:-}"

# zlib1g-dev: libxlsxwriter links zlib, and its -dev package does not bring it.
# rapidjson-dev: the plan reader, headers only, so the package needs nothing more.
# libzip-dev: opens the workbooks groups are imported from.
# python3-pil: openpyxl, which the report test reads workbooks with, sees their
# pictures only with it, and --no-install-recommends leaves it out.
packages=(cmake ninja-build g++ pkg-config
          qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools
          qt6-l10n-tools qt6-translations-l10n libgl-dev
          libbenchmark-dev fonts-noto-cjk fonts-droid-fallback fonts-dejavu-core fonts-liberation2
          libxlsxwriter-dev zlib1g-dev rapidjson-dev libzip-dev poppler-utils python3-openpyxl python3-pil
          clang libclang-rt-14-dev)
# Only the package check needs these: the Debian tools that build and lint the
# package, the validators of its desktop files and a virtual screen.
package_tools=(lintian dpkg-dev appstream desktop-file-utils shared-mime-info
               xvfb xauth)

usage() {
    echo "usage: $0 run|test|sanitize|package" >&2
    exit 2
}

install_missing_packages() {
    local missing=()
    for pkg in "${packages[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing missing packages: ${missing[*]}"
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || { echo "Need root or sudo to install: ${missing[*]}" >&2; exit 1; }
        sudo="sudo"
    fi
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# A compiler cache, when there is one, makes a second build of the same
# sources (the sanitized one, a rebuild after a pull) cheap.
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

build_all() {
    local dir="${1:-$build}"
    shift || true
    if [ ! -f "$dir/build.ninja" ]; then
        cmake -S "$here" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@"
    fi
    cmake --build "$dir" --parallel "$(nproc)"
}

case "$mode" in
    run)
        install_missing_packages
        build_all
        cd "$build/bin"
        exec ./Vantrel
        ;;
    test)
        install_missing_packages
        build_all
        cd "$build"
        QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)"
        # Again without any font that has Arial's metrics: what the suite
        # checks must not depend on the fonts a machine happens to have.
        echo "Running the suite again without Arial-compatible fonts"
        FONTCONFIG_FILE="$here/tests/fonts/without-arial-metrics.conf" \
            QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)"
        ;;
    sanitize)
        install_missing_packages
        # The benchmarks measure speed, which a sanitized build does not have.
        build_all "$asan_build" -DVANTREL_SANITIZE=address,undefined -DVANTREL_BUILD_BENCH=OFF
        cd "$asan_build"
        # Any finding ends the test that made it, so the test fails. Leaks of
        # the system libraries beneath Qt are listed, with reasons, in
        # tools/sanitizer/lsan.supp; the project's own code has no entry.
        ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:detect_odr_violation=2:abort_on_error=0" \
            LSAN_OPTIONS="suppressions=$here/tools/sanitizer/lsan.supp:print_suppressions=0" \
            UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1" \
            QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)" --timeout 600
        ;;
    package)
        install_missing_packages "${package_tools[@]}"
        build_all
        rm -f "$build"/vantrel_*.deb
        (cd "$build" && cpack -G DEB)
        "$here/tools/check_package.sh" "$build"/vantrel_*.deb
        ;;
    *)
        usage
        ;;
esac
