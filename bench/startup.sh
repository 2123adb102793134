#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures the program's start on a virtual X server of its own: the time from exec to its first
# window on screen (the "Number of Players" dialog), over several runs, and the memory it holds
# once its main window shows an idle board.
#
#   bench/startup.sh [runs]      (default 10; BUILD_DIR picks the build, default build)
#
# One run before the measured ones is not counted: it warms the file cache, so that every
# measured run starts alike.
set -euo pipefail

runs=${1:-10}
build_dir=${BUILD_DIR:-build}
program=$build_dir/app/zintra_win
first_window=$build_dir/bench/first_window
for needed in "$program" "$first_window"; do
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

# Time to the first window.
"$first_window" -- "$program" >/dev/null
for _ in $(seq "$runs"); do
    "$first_window" -- "$program" >>"$work/runs"
done
first_name=$(head -n1 "$work/runs" | cut -d' ' -f3-)
sort -n -k1,1 "$work/runs" | awk -v runs="$runs" -v name="$first_name" '
    { ms[NR] = $1 }
    function at(fraction,   position, below) {
        # Linear interpolation between the nearest ranks.
        position = 1 + (NR - 1) * fraction
        below = int(position)
        return ms[below] + (position - below) * (ms[below + 1 > NR ? NR : below + 1] - ms[below])
    }
    END {
        printf "Start-up to the first window (\"%s\"), %d runs:\n", name, runs
        printf "  median %.1f ms, quartiles %.1f .. %.1f ms, min %.1f ms, max %.1f ms\n",
            at(0.5), at(0.25), at(0.75), ms[1], ms[NR]
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
