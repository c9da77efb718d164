#!/usr/bin/env bash
# The board overview of the real editor under a virtual X server: opened on a file of 20 boards,
# a click on board 7, board 3 dragged after board 5, then saved.
#   editor_overview_test.sh EDITOR X_PROBE BOARDSET
set -euo pipefail
# shellcheck source=desktop_lib.sh
source "$(dirname "$0")/desktop_lib.sh"
cd "$work"
row='"...................."' rows=$(printf "$row,%.0s" {1..19})$row
boards=$(for b in {1..20}; do printf '{"background": %d, "rows": [%s]},' "$b" "$rows"; done)
names='"name": "Twenty", "author": "", "brickImagePath": "", "backgroundImagePath": ""'
echo "{$names, \"boards\": [${boards%,}]}" | "$3" import - -o twenty.bds
start_editor twenty.bds
keys ctrl+b
overview=$(until_true visible "^Boards - Twenty\$") || { fail "no overview"; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$overview")"
# Three boards to a row, 158 x 101 pixels each from (8, 8).
xdotool mousemove $((X + 90)) $((Y + 250)) click 1
title_is Twenty "7 of 20"
xdotool mousemove $((X + 400)) $((Y + 45)) mousedown 1 mousemove $((X + 380)) $((Y + 90)) \
    mousemove $((X + 322)) $((Y + 150)) mouseup 1
title_is Twenty "5 of 20"
keys ctrl+s
expect saved "1 2 4 5 3 6" eval "'$3' info twenty.bds | grep -o 'background [0-9]*' | head -6 | cut -d' ' -f2 | paste -sd' '"
leave
finish "editor overview test"
