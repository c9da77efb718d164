#!/usr/bin/env bash
# Unsaved work survives a killed editor; a file replaced by another program shows at once.
#   editor_recovery_test.sh EDITOR X_PROBE BOARDSET
set -euo pipefail
# shellcheck source=desktop_lib.sh
source "$(dirname "$0")/desktop_lib.sh"
data=$(dirname "$(realpath "$0")")/../data/desktop
cd "$work"

start_editor
at 100 100 click 1
painted=$(pixels 100 100)
until_true eval 'ls "$XDG_STATE_HOME"/boardset-editor/recovery/*.recovery' || fail "no copy"
kill -9 "$pid"
start_editor
dialog "$question" Return
expect restored "$painted" pixels 100 100
leave n

cp "$data/named_xy_one_empty_board.bds" open.bds
start_editor open.bds
rows=$(printf '"....................",%.0s' {1..19})'"...................."'
"$3" export open.bds -o - | sed "s/\"Xy\"/\"Two\"/; s/\"boards\": \[/&{\"background\": 5, \"rows\": [$rows]},/" |
    "$3" import - -o two.bds
mv two.bds open.bds
title_is Two "1 of 2"
leave
finish "editor recovery test"
