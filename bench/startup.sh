#!/usr/bin/env bash
# How long Qorvane takes to start, against two yardsticks measured in the same run on the same
# virtual X server (Xvfb): an empty Qt window of the same size, and the plainest Qt program that
# shows what Qorvane shows at start (a splash window with its picture and texts, then a window of
# the same size with a menu bar and text: bench/startup/plain_window.cpp). Each is timed from its
# start until its main window is drawn for the first time (and, beside it, until that window is
# mapped). The three run in turn, round after round, each round in another order, so a machine
# that slows down or speeds up meanwhile weighs on all of them; the medians of PAIRS runs each
# are printed, and Qorvane's ratios to both.
#
#     bench/startup.sh [PAIRS]      (PAIRS: at least 10, 15 when not given)
#
# Qorvane starts on a small Half-Life installation made for the run (eight mods with their bot
# libraries, a few player models) with a registry file of its own, from a copy of the program
# folder: nothing of the user's settings is read or written.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
pairs="${1:-15}"
if ! [[ "$pairs" =~ ^[0-9]+$ ]] || [ "$pairs" -lt 10 ]; then
    echo "usage: bench/startup.sh [PAIRS]   (PAIRS: a whole number, at least 10)" >&2
    exit 2
fi

if [ -z "${QORVANE_STARTUP_INSIDE_XVFB:-}" ]; then
    command -v xvfb-run >/dev/null || { echo "bench/startup.sh needs Xvfb (xvfb-run)" >&2; exit 1; }
    "$here/scripts/build" --target qorvane empty_window plain_window startup_timer >/dev/null
    export QORVANE_STARTUP_INSIDE_XVFB=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp -noreset" "$0" "$pairs"
fi

build="$here/build/default"
timer="$build/bench/startup_timer"
empty="$build/bench/empty_window"
plain="$build/bench/plain_window"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# The installation: the game, mods whose buttons show (a folder, and a bot library where the
# mod has a bot selector), player models.
hl="$work/hl"
mkdir -p "$hl"
touch "$hl/hl.exe"
chmod +x "$hl/hl.exe"
for lib in cstrike/bocbot/boc_bot.dll opera/dlls/akimbot.dll tfc/dlls/abot.dll \
           gearbox/dlls/akimbot.dll DoD/dlls/sturmbot.dll valve/dlls/akimbot.dll; do
    mkdir -p "$hl/$(dirname "$lib")"
    touch "$hl/$lib"
done
mkdir -p "$hl/goldeneye" "$hl/scihunt"
for model in gordon barney gman helmet; do
    mkdir -p "$hl/valve/models/player/$model"
    touch "$hl/valve/models/player/$model/$model.mdl"
done
export QORVANE_REGISTRY="$work/registry.ini"
printf '[HKEY_LOCAL_MACHINE\\SOFTWARE\\Kovu Inc.\\QOR]\nHLPath=%s\nHLExe=hl.exe\n' "$hl" \
    > "$QORVANE_REGISTRY"
cp -r "$build/qorvane" "$work/program"
program="$work/program/qorvane"

# One run: "mapped_ms painted_ms width height cpu_ms".
measure() {
    "$timer" --timeout 20 -- "$@" 2>>"$work/errors.txt" || { grep -v XDG_RUNTIME_DIR "$work/errors.txt" >&2; exit 1; }
}

# Warm-up (caches, fonts), and the size the yardsticks take.
read -r _ _ width height _ < <(measure "$program")
measure "$empty" "$width" "$height" >/dev/null
measure "$plain" "$width" "$height" >/dev/null

run() {   # run NAME: one measurement of that program, appended to its file
    case "$1" in
        program) measure "$program" >> "$work/program.txt" ;;
        empty) measure "$empty" "$width" "$height" >> "$work/empty.txt" ;;
        plain) measure "$plain" "$width" "$height" >> "$work/plain.txt" ;;
    esac
}
: > "$work/program.txt"
: > "$work/empty.txt"
: > "$work/plain.txt"
# Each round starts with another of the three, so that a machine growing busier (or quieter)
# over a round does not favour the one that always ran first.
orders=("program empty plain" "empty plain program" "plain program empty")
for round in $(seq "$pairs"); do
    for name in ${orders[$(( (round - 1) % 3 ))]}; do
        run "$name"
    done
done

median() {   # median of column $1 of file $2
    awk -v c="$1" '{ print $c }' "$2" | sort -g | awk '{ v[NR] = $1 }
        END { if (NR == 0) print "nan"; else if (NR % 2) print v[(NR + 1) / 2];
              else printf "%.2f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
pair_median() {   # median over the rounds of Qorvane's figure in column $1 divided by file $2's
    paste "$work/program.txt" "$2" | awk -v c="$1" '{ print $c / $(c + 5) }' | sort -g |
        awk '{ v[NR] = $1 } END { printf "%.2f", NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
printf 'Start-up on Xvfb, %s x %s window, median of %s runs of each program\n' \
    "$width" "$height" "$(wc -l < "$work/program.txt")"
for figure in "2 first drawn" "1 mapped" "5 CPU time"; do
    set -- $figure
    column=$1
    shift
    p=$(median "$column" "$work/program.txt")
    e=$(median "$column" "$work/empty.txt")
    w=$(median "$column" "$work/plain.txt")
    printf '  %-11s Qorvane %7.2f ms   empty Qt window %7.2f ms   plain splash and window %7.2f ms\n' \
        "$*:" "$p" "$e" "$w"
    printf '  %-11s Qorvane against the empty window %sx (median of the rounds: %sx), against the plain program %sx (%sx)\n' \
        "" "$(awk -v p="$p" -v e="$e" 'BEGIN { printf "%.2f", p / e }')" "$(pair_median "$column" "$work/empty.txt")" \
        "$(awk -v p="$p" -v w="$w" 'BEGIN { printf "%.2f", p / w }')" "$(pair_median "$column" "$work/plain.txt")"
done
