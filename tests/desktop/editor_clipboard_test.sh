#!/usr/bin/env bash
# The real editor beside other programs' clipboards: an owner that never answers and keeps
# taking the clipboard anew, then boards of the editor's own type, one malformed, one whole.
#   editor_clipboard_test.sh EDITOR X_PROBE
set -euo pipefail
# shellcheck source=desktop_lib.sh
source "$(dirname "$0")/desktop_lib.sh"
cp "$(dirname "$(realpath "$0")")/../data/desktop/twenty_boards.bds" "$work/twenty.bds"
owner() { # the probe's clipboard arguments
    [ -z "${owner:-}" ] || kill "$owner"
    "$probe" clipboard "$@" >"$work/owner" & owner=$! started="$started $!"
    until_true grep -q ready "$work/owner" || fail "no clipboard owner $*"
}
ms() { echo $(($(date +%s%N) / 1000000)); }
within() { # MS WHAT COMMAND...: the command, done within MS milliseconds
    local start
    start=$(ms)
    "${@:3}"
    [ $(($(ms) - start)) -le "$1" ] || fail "$2 took $(($(ms) - start)) ms"
}

start_editor "$work/twenty.bds"
keys ctrl+c # Paste Board is on by the editor's own copy
owner silent
sleep 1 # ten owners come and go
for step in "Next 2" "End 20" "Home 1"; do
    within 1000 "${step% *}" eval "keys ${step% *}; title_is Twenty '${step#* } of 20'"
done
# A paste the owner does not answer says so; the board keeps its one block.
block=$(pixels 30 11)
# shellcheck disable=SC2016 # evaluated when timed
within 1000 "the unanswered paste" eval 'keys ctrl+v; dialog "$question" Return'
owner board 399 2
keys ctrl+v
dialog "$question" Return
expect "the board after refused pastes" "$block" pixels 30 11
owner board 1600 2
keys ctrl+v
# shellcheck disable=SC2016 # evaluated on each try
until_true eval '[ "$(pixels 30 11)" != "$block" ]' || fail "the whole board was not pasted"
leave n
finish "editor clipboard test"
