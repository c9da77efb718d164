#!/usr/bin/env bash
# The real editor under a virtual X server, used as a person would: start it, read its window,
# look at the screen, press keys, leave through the menu.
#   editor_smoke_test.sh EDITOR SCREEN_PROBE
set -euo pipefail

# shellcheck source=desktop_lib.sh
source "$(dirname "$0")/desktop_lib.sh"

editor=$1
probe=$2

start_editor "$editor"
trap 'kill $pid 2>/dev/null || true' EXIT

expect_eq "title" "Untitled Board - BoardSet Editor for Plinkor 2 - Board: 1 of 1" \
    "$(xdotool getwindowname "$window")"

eval "$(xdotool getwindowgeometry --shell "$window")" # X Y WIDTH HEIGHT
expect_eq "client width" 640 "$WIDTH"
menu=$((HEIGHT - 400))
if [ "$menu" -le 10 ] || [ "$menu" -ge 60 ]; then fail "menu bar height $menu"; fi
# Centred on the 1280 x 1024 screen.
expect_eq "x" $((1280 / 2 - WIDTH / 2)) "$X"
expect_eq "y" $((1024 / 2 - HEIGHT / 2)) "$Y"

hints=$(xprop -id "$window" WM_NORMAL_HINTS)
grep -q "minimum size: 640 by $HEIGHT" <<<"$hints" || fail "not fixed in size: $hints"
grep -q "maximum size: 640 by $HEIGHT" <<<"$hints" || fail "not fixed in size: $hints"
xprop -id "$window" _NET_WM_ICON | grep -q "Icon (16 x 16)" || fail "no 16 x 16 window icon"

# Canvas pixels: grid line, the backdrop's empty cell, the black status area, the panel.
cx=$X
cy=$((Y + menu))
read -r -a colours <<<"$("$probe" $((cx + 20)) $((cy + 4)) $((cx + 30)) $((cy + 11)) \
    $((cx + 300)) $((cy + 385)) $((cx + 540)) $((cy + 368)) | tr '\n' ' ')"
expect_eq "grid line" "39 41 41" "${colours[*]:0:3}"
expect_eq "empty cell" "8 8 8" "${colours[*]:3:3}"
expect_eq "status area" "0 0 0" "${colours[*]:6:3}"
expect_eq "eraser in the right slot, border" "39 41 41" "${colours[*]:9:3}"

# The icon animates: within a second the window icon changes.
first_icon=$(xprop -id "$window" _NET_WM_ICON | md5sum)
sleep 0.8
[ "$first_icon" != "$(xprop -id "$window" _NET_WM_ICON | md5sum)" ] || fail "icon does not animate"

# Keys reach the window without harm, then File > Exit ends the program with code 0.
xdotool windowfocus --sync "$window"
xdotool key Left Up # on the first board: bells only
xdotool key alt+f
sleep 0.3
xdotool key e
expect_exit_zero
trap - EXIT

finish "editor smoke test"
