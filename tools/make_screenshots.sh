#!/usr/bin/env bash
# Draws again every picture in docs/images that README.md and the manuals
# show, from the program as it is built now, in English and, where the
# manual shows one, in Chinese ("-zh" names).
#   tools/make_screenshots.sh            build what it needs, then draw
# Needs xvfb-run, xdotool, ImageMagick's import and pdftoppm (poppler-utils).
#
# Where each picture comes from:
#   render_window --part window (the window at 1200 x 750, driven through its
#   widgets, in the language of setup.xml):
#       bandwidth-tab[-zh].png, encoding-tab[-zh].png, about-menu[-zh].png,
#       update-dialog[-zh].png
#   render_window --part min-size (the window at its smallest, 1024 x 720):
#       min-size-bandwidth[-zh].png (fixed rates), min-size-variable[-zh].png
#       (scene rates), min-size-recording[-zh].png (Recording open),
#       min-size-encoding[-zh].png
#   render_window --part detail (the warehouse example at 1200 x 750):
#       view-section[-zh].png (the View section on a camera short of its
#       level), storage-disks-available[-zh].png, storage-disks-short[-zh].png
#   render_window --part compare (the warehouse example at 1200 x 750):
#       compare-dialog[-zh].png (compared with a copy in H.264),
#       cards-selected[-zh].png (three cards chosen), bulk-edit[-zh].png
#       (Edit selected... of them)
#   render_window --part network (the campus example at 1200 x 750):
#       network-tab[-zh].png (the switch tree), network-problems[-zh].png
#       (the first example with problems, its first one clicked)
#   render_window --part import (the shop example, File > Import groups... of
#   an eight-row table, two rows refused): import-preview[-zh].png
#   render_window --part gauge (the bandwidth column in each gauge state):
#       gauge-{none,0,69.9,70,100,140}[-zh].png
#   render_window --part report, first two pages through pdftoppm:
#       report-page1[-zh].png, report-page2[-zh].png
#   the program itself under Xvfb, driven with xdotool (a 1200 x 750 window
#   at the screen's corner; the clicks below are window coordinates):
#       file-menu[-zh].png         office-building example, the title bar's
#                                  menu open on "Recent plans"
#       storage-section[-zh].png   the same plan on the Storage tab
#       city-plan-scrolled.png     the city example, its list scrolled to the middle
#   the manuals the build renders (help.pdf, help_zh.pdf), first page:
#       manual-page1.png, manual-zh-page1.png
#
# The language is switched through <Translator> in the build's setup.xml,
# which is put back as it was at the end. The program runs with its own
# throw-away settings, data and runtime folders, so neither the user's recent
# plans, a recovery file nor a Vantrel already running change what it shows.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VANTREL_BUILD_DIR:-$here/build}"
bin="$build/bin"
images="$here/docs/images"
setup="$bin/setup.xml"
plans=/tmp/site-plans # shown in the menu of recent plans

for tool in xvfb-run xdotool import pdftoppm; do
    command -v "$tool" >/dev/null || { echo "make_screenshots: $tool is missing" >&2; exit 1; }
done
[ ! -e "$plans" ] || { echo "make_screenshots: $plans is in the way" >&2; exit 1; }

nice -n 10 cmake --build "$build" --parallel 2 --target Vantrel vantrel_examples render_window
scratch="$(mktemp -d /tmp/vantrel-shots.XXXXXX)"
cp "$setup" "$scratch/setup.xml.saved"
mkdir "$plans"
restore() { cp "$scratch/setup.xml.saved" "$setup"; rm -rf "$scratch" "$plans"; }
trap restore EXIT

set_language() { # 0 English, 1 Chinese
    sed -i "s#<Translator><Value>[0-9]*</Value>#<Translator><Value>$1</Value>#" "$setup"
    grep -q "<Translator><Value>$1</Value>" "$setup" || { echo "make_screenshots: cannot set the language in $setup" >&2; exit 1; }
}

render() { # part, output folder
    mkdir -p "$2"
    (cd "$bin" && QT_QPA_PLATFORM=offscreen ./render_window --part "$1" "$2" >/dev/null)
}

# One run of the real program under Xvfb: starts it on a plan, waits for its
# window (its title names the plan), places it, then runs the given steps and
# ends it.
drive_program() { # plan, steps function, suffix
    local plan="$1" steps="$2" suffix="$3"
    local home="$scratch/home$suffix"
    mkdir -p "$home/config/Vantrel" "$home/data"
    # A few recent plans, in a folder whose name means something to a reader;
    # opening the plan puts it on top of them.
    local recent=""
    for name in warehouse-yard small-shop; do
        cp "$bin/examples/$name.vantrel" "$plans/"
        recent="${recent:+$recent, }$plans/$name.vantrel"
    done
    printf '[General]\nrecentPlans=%s\n' "$recent" >"$home/config/Vantrel/Vantrel.conf"
    cp "$plan" "$plans/"
    plan="$plans/$(basename "$plan")"
    # Its own runtime and temporary folders too: its single-instance lock and
    # socket live there, so a Vantrel running elsewhere neither stops this one
    # nor loses its socket to it.
    mkdir -p -m 700 "$home/runtime"
    XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" \
        XDG_RUNTIME_DIR="$home/runtime" TMPDIR="$home/runtime" \
        xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
            set -euo pipefail
            cd "$1"
            ./Vantrel "$2" &
            program=$!
            window=""
            for _ in $(seq 300); do
                window=$(xdotool search --name "\.vantrel - Vantrel" 2>/dev/null | head -1 || true)
                [ -n "$window" ] && break
                sleep 0.1
            done
            [ -n "$window" ] || { echo "make_screenshots: no window" >&2; kill "$program"; exit 1; }
            xdotool windowmove "$window" 0 0 windowsize "$window" 1200 750
            sleep 1
            shot() { import -window root -crop 1200x750+0+0 +repage "$1"; }
            click() { xdotool mousemove "$1" "$2" click 1; sleep 0.6; }
            hover() { xdotool mousemove "$1" "$2"; sleep 0.8; }
            # The pointer leaves the list after scrolling: a card under it looks chosen.
            scroll_down() { xdotool mousemove "$1" "$2"; for _ in $(seq "$3"); do xdotool click 5; done; xdotool mousemove 250 650; sleep 0.8; }
            '"$(declare -f "$steps")"'
            '"$steps"' "$3" "$4"
            kill "$program"
            wait "$program" 2>/dev/null || true
        ' drive "$bin" "$plan" "$images" "$suffix"
}

# Menu button, then "Recent plans" (after opening a plan, the list holds it).
plan_menu_steps() { # images, suffix
    click 1042 24
    hover 697 172
    shot "$1/file-menu$2.png"
    xdotool key Escape key Escape
    sleep 0.5
    click 55 260
    shot "$1/storage-section$2.png"
}

# The list's scroll bar handle dragged to the middle of its track: group 5,000
# or so of 10,000.
city_steps() { # images, suffix
    sleep 2
    xdotool mousemove 962 110 mousedown 1 sleep 0.3 mousemove 962 250 sleep 0.3 mousemove 962 418 sleep 0.3 mouseup 1
    xdotool mousemove 250 650
    sleep 0.8
    shot "$1/city-plan-scrolled$2.png"
}

for language in 0 1; do
    suffix=""
    [ "$language" = 1 ] && suffix="-zh"
    set_language "$language"
    out="$scratch/render$suffix"

    render window "$out"
    for name in bandwidth-tab encoding-tab about-menu update-dialog; do
        cp "$out/$name.png" "$images/$name$suffix.png"
    done
    render min-size "$out"
    for name in min-size-bandwidth min-size-variable min-size-recording min-size-encoding; do
        cp "$out/$name$suffix.png" "$images/"
    done
    render detail "$out"
    for name in view-section storage-disks-available storage-disks-short; do
        cp "$out/$name$suffix.png" "$images/"
    done
    render compare "$out"
    for name in compare-dialog cards-selected bulk-edit; do
        cp "$out/$name$suffix.png" "$images/"
    done
    render network "$out"
    for name in network-tab network-problems; do
        cp "$out/$name$suffix.png" "$images/"
    done
    render import "$out"
    cp "$out/import-preview$suffix.png" "$images/"
    render gauge "$out"
    for state in none 0 69.9 70 100 140; do
        cp "$out/gauge-$state$suffix.png" "$images/"
    done
    render report "$out"
    for page in 1 2; do
        pdftoppm -f $page -l $page -r 60 -png -singlefile "$out/report$suffix.pdf" "$images/report-page$page$suffix"
    done

    drive_program "$bin/examples/office-building.vantrel" plan_menu_steps "$suffix"
    if [ -z "$suffix" ]; then
        drive_program "$bin/examples/city.vantrel" city_steps ""
    fi
done
cp "$scratch/setup.xml.saved" "$setup"

# The manuals hold the pictures just drawn; their first pages come last.
nice -n 10 cmake --build "$build" --parallel 2 --target vantrel_manual
pdftoppm -f 1 -l 1 -r 60 -png -singlefile "$bin/help.pdf" "$images/manual-page1"
pdftoppm -f 1 -l 1 -r 60 -png -singlefile "$bin/help_zh.pdf" "$images/manual-zh-page1"
echo "make_screenshots: pictures written to $images"
