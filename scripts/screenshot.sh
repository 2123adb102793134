#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the README's picture of a game in progress from the program itself: on a virtual X
# server of its own it starts the program with a fixed seed, answers the "Number of Players"
# dialog and plays a fixed run of moves with the keys, then saves the main window as a PNG.
# The same seed and the same moves give the same picture, so it can be made afresh for every
# release and only changes when the program's looks do.
#
#   scripts/screenshot.sh [OUTPUT]      (default: doc/screenshot.png of this source tree)
#
# BUILD_DIR picks the build (default build); ZINTRA_WIN and GRAB_WINDOW, when set, name the
# program and the grab tool (tools/grab_window) themselves. SCREEN (default 1280x1024) and
# SCALE (Qt's scale factor, default 1) picture the game on another screen, e.g. SCREEN=640x480,
# or SCREEN=1280x1024 SCALE=2 for a high-density one.
set -euo pipefail

# A deal that, with the moves below, leaves a wild card on a row and a "+2" card just drawn,
# so that the picture shows both kinds of special card among the colours.
readonly seed=4
readonly players=3

# Each move is one step: on the deck to draw, or on a row to place the drawn card there or,
# with no card drawn, to take the row. Player #1 begins; a player who has taken a row sits the
# round out, and the next round begins with the player after the one who took the last row.
readonly moves=(
    # Round 1.
    deck row1 # #1 draws and places
    deck row2 # #2
    deck row3 # #3
    deck row1 # #1
    deck row2 # #2
    row1      # #3 takes row 1
    deck row3 # #1
    row2      # #2 takes row 2
    row3      # #1, the last one left, takes row 3
    # Round 2, begun by #2.
    deck row1 # #2
    deck row2 # #3
    deck row1 # #1
    deck row3 # #2
    deck row1 # #3 fills row 1
    row1      # #1 takes it
    deck row2 # #2
    deck      # #3 draws, and the picture shows the card waiting to be placed
)

# How long any one step may take before the script gives up on it.
readonly patience_seconds=20

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=${BUILD_DIR:-$root/build}
program=${ZINTRA_WIN:-$build_dir/app/zintra_win}
grab_window=${GRAB_WINDOW:-$build_dir/tools/grab_window}
output=${1:-$root/doc/screenshot.png}

fail() {
    echo "screenshot.sh: $*" >&2
    exit 1
}

for needed in "$program" "$grab_window"; do
    [ -x "$needed" ] || fail "$needed is missing; build first (make build)"
done
for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (make deps)"
done

# shellcheck source=scripts/virtual-display.sh
source "$root/scripts/virtual-display.sh"
work=$(mktemp -d)
xvfb_pid=
program_pid=
trap end_display_session EXIT
# Turned into an exit so that the cleanup runs however the script is stopped.
trap 'exit 130' INT
trap 'exit 143' TERM

# Whatever the desktop of whoever runs this prefers must not reach the picture: no scaling,
# style or theme of theirs, and none of their own fonts or settings.
unset QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE QT_SCALE_FACTOR \
    QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR QT_FONT_DPI QT_ENABLE_HIGHDPI_SCALING \
    WAYLAND_DISPLAY XDG_CURRENT_DESKTOP DESKTOP_SESSION XDG_CONFIG_HOME XDG_DATA_HOME \
    XDG_CACHE_HOME
export HOME=$work/home
mkdir "$HOME"
# The screen's size bounds the main window's, so it is fixed too.
screen=${SCREEN:-1280x1024}
scale=${SCALE:-1}
[[ $screen =~ ^[1-9][0-9]*x[1-9][0-9]*$ ]] || fail "SCREEN must be WIDTHxHEIGHT, not $screen"
[[ $scale =~ ^[1-9]$ ]] || fail "SCALE must be a whole number from 1 to 9, not $scale"
start_virtual_display "$work" "$screen" || fail "Xvfb did not start"
if [ "$scale" != 1 ]; then
    export QT_SCALE_FACTOR=$scale
fi

"$program" --seed "$seed" >"$work/program.log" 2>&1 &
program_pid=$!

# The id of the first window on show whose name matches `pattern`, once there is one. Looked
# for again and again rather than with `search --sync`: a window that goes away while xdotool
# looks at it (the dialog, as the main window comes) makes xdotool give up at once.
wait_for_window() {
    local pattern=$1 id=
    for _ in $(seq $((patience_seconds * 20))); do
        id=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n1) || true
        [ -n "$id" ] && break
        sleep 0.05
    done
    [ -n "$id" ] || fail "no window named $pattern showed; the program said: $(cat "$work/program.log")"
    echo "$id"
}

# A press and a release at `x`,`y` of `window`.
click() {
    xdotool mousemove --window "$1" "$2" "$3" mousedown 1 mouseup 1
}

# The dialog is laid out in dialog units (res/Dialogs.cpp): its template is 186 by 90 of them,
# and a unit is a quarter of the font's average character width across and an eighth of its
# height down, both whole pixels. The size the dialog shows at gives them away.
dialog=$(wait_for_window '^Number of Players$')
read -r dialog_width dialog_height < <(xdotool getwindowgeometry --shell "$dialog" |
    awk -F= '$1 == "WIDTH" { w = $2 } $1 == "HEIGHT" { h = $2 } END { print w, h }')
[ -n "$dialog_height" ] || fail "the dialog's size could not be read"
click_dialog_units() {
    local x_units=$1 y_units=$2 x y
    read -r x y < <(awk -v w="$dialog_width" -v h="$dialog_height" -v ux="$x_units" \
        -v uy="$y_units" 'BEGIN {
            char_width = int(4 * w / 186 + 0.5); char_height = int(8 * h / 90 + 0.5)
            print int(ux * char_width / 4 + 0.5), int(uy * char_height / 8 + 0.5)
        }')
    click "$dialog" "$x" "$y"
}
# The radio buttons for 2 to 5 players stand at these left edges, 36 units down and 10 high; a
# click just inside the left edge hits the button itself. OK is 50 by 14 at (66, 60).
radio_left_units=(37 65 92 117)
click_dialog_units $((radio_left_units[players - 2] + 4)) 41
click_dialog_units 91 67

main=$(wait_for_window '^Zintra_win$')

# Each move is played with its key, which the board takes exactly as a click at the middle of
# the deck's or the row's place: Space for the deck, a row's number for the row. Keys find their
# place whatever the screen's size or scale, where a click would have to work it out.
play_move() {
    case $1 in
    deck) xdotool windowfocus --sync "$main" key space ;;
    row[1-5]) xdotool windowfocus --sync "$main" key "${1#row}" ;;
    *) fail "no place on the board called $1" ;;
    esac
}

# Every move changes the board; a move that does not has missed it, or made a move the rules
# refuse (whose box would now stand in the way), and the picture would not be the one meant.
"$grab_window" --timeout "$patience_seconds" "$main" "$work/board-0.png" ||
    fail "the main window could not be read"
step=0
for move in "${moves[@]}"; do
    play_move "$move"
    step=$((step + 1))
    "$grab_window" --timeout "$patience_seconds" --changed-from "$work/board-$((step - 1)).png" \
        "$main" "$work/board-$step.png" ||
        fail "move $step (on $move) did not change the board"
done

mkdir -p "$(dirname "$output")"
cp "$work/board-$step.png" "$output"
echo "screenshot.sh: $output: $players players, seed $seed, ${#moves[@]} moves"
