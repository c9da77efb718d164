#!/usr/bin/env bash
# Unsaved work survives a killed editor; a file replaced by another program shows at once.
#   editor_recovery_test.sh EDITOR X_PROBE BOARDSET
set -euo pipefail
# shellcheck source=desktop_lib.sh
source "$(dirname "$0")/desktop_lib.sh"
cd "$work"

cp "$(dirname "$(realpath "$0")")/../data/desktop/named_xy_one_empty_board.bds" open.bds
start_editor open.bds
at 100 100 click 1
painted=$(pixels 100 100)
until_true eval 'ls "$XDG_STATE_HOME"/boardset-editor/recovery/*.recovery' && kill -9 "$pid"
# The killed editor's window lingers until the X server notices; the next start must not find it.
wait "$pid" 2>/dev/null || true
until_true eval "! visible '$question - Board' >/dev/null" || fail "the killed editor's window stays"
# The copy of the file named is offered; Yes brings the painted cell back.
start_editor open.bds
dialog "$question" Return
expect restored "$painted" pixels 100 100
head -c 800 /dev/zero >two.brd # two boards of version 1
"$3" convert two.brd -o two.bds
mv two.bds open.bds
dialog "$question" Return # reload, losing the restored changes
title_is "Untitled Board" "1 of 2"
leave
finish "editor recovery test"
