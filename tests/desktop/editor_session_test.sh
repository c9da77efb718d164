#!/usr/bin/env bash
# The real editor under a virtual X server, used as a person would: its window and icon, then
# a click that paints, the arrow keys and a question, seen on the screen, in the title and in
# the bells rung.
#   editor_session_test.sh EDITOR X_PROBE
set -euo pipefail
# shellcheck source=desktop_lib.sh
source "$(dirname "$0")/desktop_lib.sh"
"$probe" bells >"$work/bells" & started=$!
until_true grep -q ready "$work/bells" || fail "no bell watch"
start_editor
title_is "Untitled Board" "1 of 1"
expect "fixed" 2 eval "xprop -id $window WM_NORMAL_HINTS | grep -c 'mum size: 640 by $HEIGHT\$'"
icon=$(xprop -id "$window" _NET_WM_ICON)
grep -q "Icon (16 x 16)" <<<"$icon" || fail "no 16 x 16 window icon"
# A frame every 350 ms with no input at all (reading the property tells the editor nothing).
for _ in $(seq 25); do xprop -id "$window" _NET_WM_ICON | md5sum && sleep 0.1; done >"$work/icons"
frames=$(sort -u "$work/icons" | wc -l)
[ "$frames" -ge 5 ] || fail "the icon showed $frames frames in 2.5 s without input"
# A grid line, the backdrop's empty cell, the black status area, the eraser's slot in the panel.
expect "canvas" "39 41 41|8 8 8|0 0 0|39 41 41" pixels 20 4 30 11 300 385 540 368

# The left button paints block 8 (what the buttons paint and pick, and the status line, the
# scenarios of the fake desktop show).
at 25 10 click 1
expect "left click" "232 118 28" pixels 30 11

# Left and Up on the first board ring the bell.
keys Left Up
expect "bells" 2 grep -c bell "$work/bells"

# Changes are unsaved, so Exit asks first; No leaves them.
leave n
finish "editor session test"
