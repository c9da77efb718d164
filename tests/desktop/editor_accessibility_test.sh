#!/usr/bin/env bash
# The editor as a screen reader meets it, through AT-SPI on a session bus of its own: the canvas's
# parts by name, no hidden placeholder, and a cell painted with the keyboard alone, then saved.
#   editor_accessibility_test.sh EDITOR X_PROBE
set -euo pipefail
if [ -z "${BSE_IN_DBUS:-}" ]; then
    export BSE_IN_DBUS=1
    exec dbus-run-session -- bash "$0" "$@"
fi
# shellcheck source=desktop_lib.sh
source "$(dirname "$0")/desktop_lib.sh"
here=$(dirname "$(realpath "$0")")
data=$here/../data/desktop
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
cd "$work"
cp "$data/named_xy_one_empty_board.bds" xy.bds

tree() { /usr/bin/python3 "$here/atspi_tree.py"; }
shows() { tree | grep -Fx "$1" >/dev/null; }
expect_node() { until_true shows "$1" || fail "no node '$1'"; }

start_editor "$work/xy.bds"
expect_node "table | Board 1 | 20 rows, 20 columns"
expect_node "table cell | Column 1, Row 1: empty | "
expect_node "list item | orange brick, left button | selected"
expect_node "label | Right button: eraser | "
expect_node "push button | Next board/Add board | "
! tree | grep "Recent [0-9]" >/dev/null || fail "a hidden recent item shows"

# Edit > Keyboard Painting, two steps, the LEFT block painted; the cursor's cell has the focus.
keys F7 Right Down space
expect_node "table cell | Column 2, Row 2: orange brick | focused"
expect_node "label | Board: 1 - Column: 2, Row: 2 | "
keys ctrl+s
until_true cmp -s "$data/xy_keyboard_painted.bds" xy.bds ||
    fail "xy.bds: $(cmp "$data/xy_keyboard_painted.bds" xy.bds 2>&1)"
leave
finish "editor accessibility test"
