#!/usr/bin/env bash
# Editing with the real editor under a virtual X server, as a person would: paint with both
# buttons, pick from the palette, press the on-screen buttons and the arrow keys, answer the
# questions; check the screen, the title and the bells.
#   editor_editing_test.sh EDITOR SCREEN_PROBE BELL_WATCH
set -euo pipefail

# shellcheck source=desktop_lib.sh
source "$(dirname "$0")/desktop_lib.sh"

editor=$1
probe=$2
bell_watch=$3
bells=$(mktemp)

"$bell_watch" >"$bells" &
watcher=$!
start_editor "$editor"
trap 'kill $pid $watcher 2>/dev/null || true; rm -f "$bells"' EXIT
eval "$(xdotool getwindowgeometry --shell "$window")"
cx=$X
cy=$((Y + HEIGHT - 400)) # the canvas sits under the menu bar
title() { xdotool getwindowname "$window"; }
pixel() { "$probe" $((cx + $1)) $((cy + $2)); }
at() { xdotool mousemove $((cx + $1)) $((cy + $2)); sleep 0.05; }
click() { at "$1" "$2"; xdotool click "$3"; sleep 0.1; }
press_key() { xdotool key "$@"; sleep 0.15; }
bell_count() { grep -c bell "$bells" || true; }
# Answers the question box that a command opened, with the key of its button.
answer() {
    local box
    box=$(find_window "^BoardSet Editor for Plinkor 2$")
    [ -n "$box" ] || { fail "no question box appeared"; return; }
    xdotool windowfocus --sync "$box"
    xdotool key "$1"
    sleep 0.2
}

xdotool windowfocus --sync "$window"
empty_cell=$(pixel 30 11)
expect_eq "empty cell" "8 8 8" "$empty_cell"

# Left click paints block 8 (orange family); the cell no longer looks empty.
click 25 10 1
[ "$(pixel 30 11)" != "$empty_cell" ] || fail "left click painted nothing"
left_block=$(pixel 30 11)
# A left drag along the row paints the cells it passes.
at 55 40
xdotool mousedown 1
for x in 85 115 145; do at $x 40; done
xdotool mouseup 1
sleep 0.1
expect_eq "dragged cell" "$left_block" "$(pixel 145 41)"
# Right click paints the eraser: the empty cell image, black inside.
click 25 10 3
expect_eq "erased cell" "0 0 0" "$(pixel 30 11)"

# Pick the second palette slot with the left button; the LEFT panel slot shows it.
slot2=$(pixel 62 335)
click 62 335 1
expect_eq "left panel" "$slot2" "$(pixel 505 375)"
click 205 100 1
expect_eq "painted with the pick" "$slot2" "$(pixel 205 100)"

# The status line shows text (white pixels) after moves.
at 300 200
mapfile -t points < <(for x in $(seq 188 3 300); do for y in 380 383 386 389; do
    echo $((cx + x)) $((cy + y))
done; done)
# shellcheck disable=SC2068 # each line is an "X Y" pair to split
"$probe" ${points[@]} | grep -q "255 255 255" || fail "no status text"

# Arrow keys: Left on the first board rings the bell, Right on the last asks to add a board.
before=$(bell_count)
press_key Left
sleep 0.2
[ "$(bell_count)" -gt "$before" ] || fail "no bell at the first board"
expect_eq "title after Left" "Untitled Board - BoardSet Editor for Plinkor 2 - Board: 1 of 1" "$(title)"
xdotool key Right
answer y
expect_eq "title after adding" "Untitled Board - BoardSet Editor for Plinkor 2 - Board: 2 of 2" "$(title)"
expect_eq "new board is empty" "0 0 0" "$(pixel 30 11)"
press_key Left
expect_eq "back on board 1" "Untitled Board - BoardSet Editor for Plinkor 2 - Board: 1 of 2" "$(title)"
expect_eq "board 1 kept" "$slot2" "$(pixel 205 100)"

# On-screen buttons act on release: Copy, then Next, then Paste copies the board across.
click 140 385 1
click 70 385 1
expect_eq "Next button" "Untitled Board - BoardSet Editor for Plinkor 2 - Board: 2 of 2" "$(title)"
click 170 385 1
expect_eq "pasted" "$slot2" "$(pixel 205 100)"
# Clear asks first; No keeps the board.
click 110 385 1
answer n
expect_eq "not cleared" "$slot2" "$(pixel 205 100)"
click 110 385 1
answer y
expect_eq "cleared to the backdrop" "8 8 8" "$(pixel 205 100)"

# Leave through the menu; the changes are unsaved, so Exit asks first and No leaves them.
xdotool windowfocus --sync "$window"
xdotool key alt+f
sleep 0.3
xdotool key e
answer n
expect_exit_zero
finish "editor editing test"
