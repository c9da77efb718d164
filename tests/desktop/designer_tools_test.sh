#!/usr/bin/env bash
# The designer's tools in the real editor, seen on the screen: a Shift-drag rectangle, a Ctrl-click
# fill and a middle-click pick.
#   designer_tools_test.sh EDITOR X_PROBE
set -euo pipefail
# shellcheck source=desktop_lib.sh
source "$(dirname "$0")/desktop_lib.sh"
start_editor
block8="232 118 28" empty="8 8 8"
at 25 10 keydown shift mousedown 1 && at 115 40 && xdotool mouseup 1 keyup shift
expect "rectangle" "$block8|$block8|$block8|$empty|$empty" pixels 30 11 55 41 115 41 145 41 115 56
at 300 200 keydown ctrl click 3 keyup ctrl
expect "fill" "$block8|0 0 0|0 0 0" pixels 115 41 145 41 600 290
at 55 25 keydown shift click 2 keyup shift
expect "pick" "$block8" pixels 550 375
leave n
finish "designer tools test"
