#!/usr/bin/env bash
# The real editor under a virtual X server, used as a person would: its window and icon, then
# painting with both buttons, picking from the palette, the arrow keys and the questions, seen on
# the screen, in the title and in the bells rung.
#   editor_session_test.sh EDITOR X_PROBE
set -euo pipefail
# shellcheck source=desktop_lib.sh
source "$(dirname "$0")/desktop_lib.sh"
"$probe" bells >"$work/bells" & started=$!
until_true grep -q ready "$work/bells" || fail "no bell watch"
start_editor
title_is "Untitled Board" "1 of 1"
[ $((HEIGHT - 400)) -gt 10 ] && [ $((HEIGHT - 400)) -lt 60 ] || fail "menu bar $((HEIGHT - 400))"
expect "fixed" 2 eval "xprop -id $window WM_NORMAL_HINTS | grep -c 'mum size: 640 by $HEIGHT\$'"
icon=$(xprop -id "$window" _NET_WM_ICON)
grep -q "Icon (16 x 16)" <<<"$icon" || fail "no 16 x 16 window icon"
until_true eval '[ "$(xprop -id "$window" _NET_WM_ICON)" != "$icon" ]' ||
    fail "the icon does not animate"
# A grid line, the backdrop's empty cell, the black status area, the eraser's slot in the panel.
expect "canvas" "39 41 41|8 8 8|0 0 0|39 41 41" pixels 20 4 30 11 300 385 540 368

# The left button paints block 8, also along a drag; the right one paints the eraser (black).
block8="232 118 28" slot2="236 204 40"
at 25 10 click 1
expect "left click" "$block8" pixels 30 11
at 55 40 mousedown 1
for x in 85 115 145; do at $x 40 && expect "dragged to $x" "$block8" pixels $x 41; done
xdotool mouseup 1
at 25 10 click 3
expect "right click" "0 0 0" pixels 30 11
# The left button picks the second palette slot for the LEFT panel slot and paints with it.
at 62 335 click 1
expect "left panel" "$slot2" pixels 505 375
at 205 100 click 1
expect "painted with the pick" "$slot2" pixels 205 100
# Moves show in the status line: white text somewhere.
# shellcheck disable=SC2034 # read by the eval below
text=$(for x in $(seq 188 3 300); do echo "$x 380 $x 383 $x 386 $x 389"; done)
at 300 200
until_true eval 'pixels $text | grep -q "255 255 255"' || fail "no status text"

# Left and Up on the first board ring the bell; Right on the last asks to add a board.
keys Left Up
expect "bells" 2 grep -c bell "$work/bells"
keys Right
dialog "$question" y
title_is "Untitled Board" "2 of 2"
expect "new board" "0 0 0" pixels 30 11
keys Left
title_is "Untitled Board" "1 of 2"
expect "board 1 kept" "$slot2" pixels 205 100

# Changes are unsaved, so Exit asks first; No leaves them.
leave n
finish "editor session test"
