# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# Sourced by scripts that show the program on a private X server of their own: the screenshot,
# the start-up benchmark and the package test. Not run by itself.
#
#   start_virtual_display WORK_DIR [WIDTHxHEIGHT]   starts Xvfb, exports DISPLAY, sets xvfb_pid
#   stop_process PID                                 ends a background process (if any) and reaps it
#   end_display_session                              for `trap ... EXIT`: stops $program_pid and
#                                                    $xvfb_pid, removes the folder $work

# Xvfb picks a free display and writes its number once it accepts connections. -noreset keeps
# the server as it is when its last client leaves: otherwise a program that connects while
# the server resets behind a departing xdotool is told there is no display.
start_virtual_display() {
    local work=$1 screen=${2:-1280x1024}
    Xvfb -displayfd 3 -screen 0 "${screen}x24" -nolisten tcp -noreset 3>"$work/display" \
        >/dev/null 2>&1 &
    xvfb_pid=$!
    local _
    for _ in $(seq 400); do
        [ -s "$work/display" ] && break
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.05
    done
    if [ ! -s "$work/display" ]; then
        echo "Xvfb did not start" >&2
        return 1
    fi
    DISPLAY=:$(head -n1 "$work/display")
    export DISPLAY
    # Qt wants a private runtime folder and complains on every start without one.
    export XDG_RUNTIME_DIR=$work/runtime
    mkdir -m 700 "$XDG_RUNTIME_DIR"
}

stop_process() {
    local pid=$1
    [ -n "$pid" ] || return 0
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

end_display_session() {
    stop_process "${program_pid:-}"
    stop_process "${xvfb_pid:-}"
    rm -rf "${work:?}"
}
