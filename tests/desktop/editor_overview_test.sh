#!/usr/bin/env bash
# The board overview of the real editor under a virtual X server: opened on a file of 20 boards
# (board k has background k and k cells of its own block), a click on board 7, board 3 dragged
# after board 5, then saved; where it opens, and again after it was moved.
#   editor_overview_test.sh EDITOR X_PROBE
set -euo pipefail
# shellcheck source=desktop_lib.sh
source "$(dirname "$0")/desktop_lib.sh"
data=$(dirname "$(realpath "$0")")/../data/desktop
cp "$data/twenty_boards.bds" "$work/twenty.bds"
start_editor "$work/twenty.bds"
keys ctrl+b
overview=$(until_true visible "^Boards - Twenty\$") || { fail "no overview"; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$overview")"
# Neither side of the centred main window has room: the corner that covers the least of the grid.
[ $((X + WIDTH)),$((Y + HEIGHT)) = 1280,1024 ] || fail "overview at $X, $Y"
# Three boards to a row, 158 x 101 pixels each from (8, 8).
xdotool mousemove $((X + 90)) $((Y + 250)) click 1
title_is Twenty "7 of 20"
xdotool mousemove $((X + 400)) $((Y + 45)) mousedown 1 mousemove $((X + 380)) $((Y + 90)) \
    mousemove $((X + 322)) $((Y + 150)) mouseup 1
title_is Twenty "5 of 20"
keys ctrl+s
until_true cmp -s "$data/twenty_boards_3_after_5.bds" "$work/twenty.bds" || fail "saved bytes"
# Closed and opened again, it is where it was put.
xdotool windowmove --sync "$overview" 40 60
keys ctrl+b
until_true eval '! visible "^Boards - Twenty\$" >/dev/null' || fail "overview stays open"
keys ctrl+b
place() {
    eval "$(xdotool getwindowgeometry --shell "$(visible "^Boards - Twenty\$")")" && echo "$X,$Y"
}
expect "overview opened again" 40,60 place
leave
finish "editor overview test"
