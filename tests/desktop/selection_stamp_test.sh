#!/usr/bin/env bash
# Parts of boards in the real editor: on a file of 20 boards (board k has k blocks of its own in
# the first row), a part of board 7 selected and copied, stamped twice on board 8, a block then
# replaced on every board, and the file saved.
#   selection_stamp_test.sh EDITOR X_PROBE
set -euo pipefail
# shellcheck source=desktop_lib.sh
source "$(dirname "$0")/desktop_lib.sh"
data=$(dirname "$(realpath "$0")")/../data/desktop
cp "$data/twenty_boards.bds" "$work/twenty.bds"
start_editor "$work/twenty.bds"
keys Right Right Right Right Right Right
title_is Twenty "7 of 20"
at 25 10 keydown ctrl+shift mousedown 1 && at 115 25 && xdotool mouseup 1 keyup ctrl+shift
block=$(pixels 30 11)
keys ctrl+c Right
title_is Twenty "8 of 20"
keys ctrl+v
at 325 85 click 1 && at 85 190 click 1 && xdotool click 3
expect "stamps" "$block|$block" pixels 330 86 90 191
# Block 9 (the eighth in the lists) becomes block 3 (the second) on every board.
keys ctrl+h
dialog "Replace Block" Down Tab Home Down Down Tab Right Return
keys ctrl+s
until_true cmp -s "$data/twenty_boards_stamped_replaced.bds" "$work/twenty.bds" || fail "saved bytes"
leave
finish "selection and stamp test"
