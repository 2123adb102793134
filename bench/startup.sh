#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures the program's start on a virtual X server of its own, side by side with the
# toolkit's floor (bench/BareDialog.cpp, a bare Qt program that shows a dialog like the game's
# first one and nothing else): the time from exec to the first window on screen (the "Number
# of Players" dialog) and the memory each holds at that moment, over several runs of each,
# interleaved so that both see the same load; then the memory the program holds once its main
# window shows an idle board.
#
#   bench/startup.sh [runs]      (default 20; BUILD_DIR picks the build, default build)
#
# One run of each before the measured ones is not counted: it warms the file cache, so that
# every measured run starts alike.
set -euo pipefail

runs=${1:-20}
build_dir=${BUILD_DIR:-build}
program=$build_dir/app/zintra_win
bare=$build_dir/bench/bare_dialog
first_window=$build_dir/bench/first_window
for needed in "$program" "$bare" "$first_window"; do
    if [ ! -x "$needed" ]; then
        echo "startup.sh: $needed is missing; build first (make build)" >&2
        exit 1
    fi
done
if ! [[ $runs =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: bench/startup.sh [runs]" >&2
    exit 2
fi

# shellcheck source=scripts/virtual-display.sh
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/virtual-display.sh"
work=$(mktemp -d)
xvfb_pid=
program_pid=
trap end_display_session EXIT

start_virtual_display "$work" 1280x1024 || exit 1
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

# Time to the first window, each run a pair: which of the two goes first alternates.
"$first_window" -- "$bare" >/dev/null
"$first_window" -- "$program" >/dev/null
for run in $(seq "$runs"); do
    if ((run % 2 == 1)); then
        "$first_window" -- "$bare" >>"$work/bare"
        "$first_window" -- "$program" >>"$work/program"
    else
        "$first_window" -- "$program" >>"$work/program"
        "$first_window" -- "$bare" >>"$work/bare"
    fi
done
first_name=$(head -n1 "$work/program" | cut -d' ' -f4-)
# Lines "<bare ms> <bare KiB> <program ms> <program KiB>", one per pair.
paste -d' ' <(cut -d' ' -f1,2 "$work/bare") <(cut -d' ' -f1,2 "$work/program") | awk \
    -v runs="$runs" -v name="$first_name" '
    function median(values, count,   sorted, i, j, swap) {
        for (i = 1; i <= count; ++i) sorted[i] = values[i]
        for (i = 2; i <= count; ++i)
            for (j = i; j > 1 && sorted[j - 1] > sorted[j]; --j) {
                swap = sorted[j]; sorted[j] = sorted[j - 1]; sorted[j - 1] = swap
            }
        return count % 2 ? sorted[(count + 1) / 2] : (sorted[count / 2] + sorted[count / 2 + 1]) / 2
    }
    { bareMs[NR] = $1; bareKib[NR] = $2; ms[NR] = $3; kib[NR] = $4; ratio[NR] = $3 / $1 }
    END {
        printf "Start-up to the first window (\"%s\"), %d interleaved runs of each:\n", name, runs
        printf "  bare Qt dialog   median %6.1f ms, VmRSS %5.1f MiB\n",
            median(bareMs, NR), median(bareKib, NR) / 1024
        printf "  zintra_win       median %6.1f ms, VmRSS %5.1f MiB\n",
            median(ms, NR), median(kib, NR) / 1024
        printf "  zintra_win / bare: time %.2fx (median of the pairs %.2fx), VmRSS %.2fx\n",
            median(ms, NR) / median(bareMs, NR), median(ratio, NR),
            median(kib, NR) / median(bareKib, NR)
    }'

# Memory with the main window up and idle. The dialog is answered with Return (two players).
"$program" &
program_pid=$!
dialog=$(timeout 20 xdotool search --sync --onlyvisible --name '^Number of Players$' | head -n1)
xdotool windowfocus --sync "$dialog" key Return
timeout 20 xdotool search --sync --onlyvisible --name '^Zintra_win$' >/dev/null
# Long enough for the first paints and for Qt's caches to settle.
sleep 2
rss_kb=$(awk '/^VmRSS:/ { print $2 }' "/proc/$program_pid/status")
pss_kb=$(awk '/^Pss:/ { print $2 }' "/proc/$program_pid/smaps_rollup")
pss_anon_kb=$(awk '/^Pss_Anon:/ { print $2 }' "/proc/$program_pid/smaps_rollup")
awk -v rss="$rss_kb" -v pss="$pss_kb" -v anon="$pss_anon_kb" 'BEGIN {
    printf "Idle memory with the main window shown:\n"
    printf "  VmRSS %.1f MiB, Pss %.1f MiB (of which anonymous %.1f MiB)\n",
        rss / 1024, pss / 1024, anon / 1024
}'
