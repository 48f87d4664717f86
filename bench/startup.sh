#!/usr/bin/env bash
# How long Qorvane takes to start, against an empty Qt window of the same size measured in the
# same run on the same virtual X server (Xvfb): from the start of the program until its main
# window is drawn for the first time (and, beside it, until that window is mapped). The two run
# in turn, pair after pair (each pair in the other order than the one before), so a machine that
# slows down or speeds up meanwhile weighs on both;
# the medians of PAIRS runs each are printed, and their ratio.
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
    "$here/scripts/build" --target qorvane empty_window startup_timer >/dev/null
    export QORVANE_STARTUP_INSIDE_XVFB=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp -noreset" "$0" "$pairs"
fi

build="$here/build/default"
timer="$build/bench/startup_timer"
empty="$build/bench/empty_window"
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

# Warm-up (caches, fonts), and the size the empty window takes.
read -r _ _ width height _ < <(measure "$program")
measure "$empty" "$width" "$height" >/dev/null

: > "$work/program.txt"
: > "$work/empty.txt"
# The pairs alternate which of the two runs first, so that a machine growing busier (or
# quieter) over a pair does not favour the one that always ran first.
for pair in $(seq "$pairs"); do
    if [ $((pair % 2)) -eq 1 ]; then
        measure "$program" >> "$work/program.txt"
        measure "$empty" "$width" "$height" >> "$work/empty.txt"
    else
        measure "$empty" "$width" "$height" >> "$work/empty.txt"
        measure "$program" >> "$work/program.txt"
    fi
done

median() {   # median of column $1 of file $2
    awk -v c="$1" '{ print $c }' "$2" | sort -g | awk '{ v[NR] = $1 }
        END { if (NR == 0) print "nan"; else if (NR % 2) print v[(NR + 1) / 2];
              else printf "%.2f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
runs_program=$(wc -l < "$work/program.txt")
runs_empty=$(wc -l < "$work/empty.txt")
printf 'Start-up on Xvfb, %s x %s window, median of %s runs of the program and %s of the empty window\n' \
    "$width" "$height" "$runs_program" "$runs_empty"
for figure in "2 first drawn" "1 mapped" "5 CPU time"; do
    set -- $figure
    column=$1
    shift
    p=$(median "$column" "$work/program.txt")
    e=$(median "$column" "$work/empty.txt")
    ratio=$(awk -v p="$p" -v e="$e" 'BEGIN { printf "%.2f", p / e }')
    pair_ratio=$(paste "$work/program.txt" "$work/empty.txt" |
                 awk -v c="$column" '{ print $c / $(c + 5) }' | sort -g |
                 awk '{ v[NR] = $1 } END { printf "%.2f", NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }')
    printf '  %-11s Qorvane %7.2f ms   empty Qt window %7.2f ms   ratio %sx (median of the pairs: %sx)\n' \
        "$*:" "$p" "$e" "$ratio" "$pair_ratio"
done
