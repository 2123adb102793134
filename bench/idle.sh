#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures what the program costs while a game is on screen and nothing happens: the CPU time
# it uses and how often it wakes up (voluntary context switches, all its threads together) over
# a stretch of idle time, side by side with xclock and the bare Qt dialog of bench/ on the same
# virtual X server in the same run. xclock is the yardstick of a program that sleeps until it
# has something to do; the bare dialog shows what the toolkit does on its own while idle.
#
#   bench/idle.sh [seconds]      (default 60; BUILD_DIR picks the build, default build)
set -euo pipefail

seconds=${1:-60}
build_dir=${BUILD_DIR:-build}
program=$build_dir/app/zintra_win
bare=$build_dir/bench/bare_dialog
for needed in "$program" "$bare"; do
    if [ ! -x "$needed" ]; then
        echo "idle.sh: $needed is missing; build first (make build)" >&2
        exit 1
    fi
done
if ! command -v xclock >/dev/null; then
    echo "idle.sh: xclock is missing (Debian's x11-apps)" >&2
    exit 1
fi
if ! [[ $seconds =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: bench/idle.sh [seconds]" >&2
    exit 2
fi

# shellcheck source=scripts/virtual-display.sh
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/virtual-display.sh"
work=$(mktemp -d)
xvfb_pid=
program_pid=
clock_pid=
bare_pid=
trap 'stop_process "$clock_pid"; stop_process "$bare_pid"; end_display_session' EXIT

start_virtual_display "$work" 1280x1024 || exit 1
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

# The game, with the dialog answered (two players) and the board shown.
"$program" &
program_pid=$!
dialog=$(timeout 20 xdotool search --sync --onlyvisible --name '^Number of Players$' | head -n1)
xdotool windowfocus --sync "$dialog" key Return
timeout 20 xdotool search --sync --onlyvisible --name '^Zintra_win$' >/dev/null
xclock 2>/dev/null &
clock_pid=$!
timeout 20 xdotool search --sync --onlyvisible --class '^XClock$' >/dev/null
"$bare" &
bare_pid=$!
timeout 20 xdotool search --sync --onlyvisible --pid "$bare_pid" >/dev/null
# The pointer out of both windows' way, and time for the first paints to settle.
xdotool mousemove 1270 1010
sleep 2

# "<voluntary context switches> <CPU ticks>" of a process: the switches summed over its
# threads, user and system time from its stat (fields 14 and 15, after the command name).
sample() {
    local pid=$1 switches=0 count
    for status in /proc/"$pid"/task/*/status; do
        count=$(awk '/^voluntary_ctxt_switches:/ { print $2 }' "$status" 2>/dev/null || true)
        switches=$((switches + ${count:-0}))
    done
    local stat
    stat=$(<"/proc/$pid/stat")
    # shellcheck disable=SC2086 # the fields after ") " split on purpose
    set -- ${stat##*) }
    echo "$switches $((${12} + ${13}))"
}

read -r program_switches program_ticks < <(sample "$program_pid")
read -r clock_switches clock_ticks < <(sample "$clock_pid")
read -r bare_switches bare_ticks < <(sample "$bare_pid")
sleep "$seconds"
read -r program_switches_after program_ticks_after < <(sample "$program_pid")
read -r clock_switches_after clock_ticks_after < <(sample "$clock_pid")
read -r bare_switches_after bare_ticks_after < <(sample "$bare_pid")

hertz=$(getconf CLK_TCK)
# One line of the table: a name, its CPU ticks and its switches over the stretch.
report() {
    awk -v name="$1" -v ticks="$2" -v switches="$3" -v hertz="$hertz" \
        'BEGIN { printf "  %-10s %9.0f ms %24d\n", name, ticks * 1000 / hertz, switches }'
}
printf 'Idle for %d s with the board on screen, side by side with xclock and a bare Qt dialog:\n' \
    "$seconds"
printf '  %-10s %12s %24s\n' "" "CPU time" "voluntary ctx switches"
report zintra_win $((program_ticks_after - program_ticks)) \
    $((program_switches_after - program_switches))
report xclock $((clock_ticks_after - clock_ticks)) $((clock_switches_after - clock_switches))
report bare_qt $((bare_ticks_after - bare_ticks)) $((bare_switches_after - bare_switches))
