#!/usr/bin/env bash
# Files with the real editor under a virtual X server, through its real dialogs: name the
# BoardSet, save it (Save As, then the BoardSet Information dialog) and compare the bytes on disk
# with the format's, open a file from the menu and from the command line.
#   editor_files_test.sh EDITOR X_PROBE
set -euo pipefail
# shellcheck source=desktop_lib.sh
source "$(dirname "$0")/desktop_lib.sh"
expected=$(dirname "$(realpath "$0")")/../data/desktop/named_xy_one_empty_board.bds
cd "$work"

start_editor
# Board > BoardSet Settings takes Tab in the order OK, Cancel, name, author.
keys alt+b s
dialog "BoardSet Information" Tab Tab ctrl+a =Xy Return
title_is Xy "1 of 1"
# File > Save on an untitled BoardSet runs Save As, which adds the extension and shows the
# BoardSet Information dialog before it writes.
keys alt+f s
dialog "Save as a Plinkor 2 BoardSet" ctrl+a "=$work/first" Return
dialog "BoardSet Information" Return
until_true cmp -s "$expected" first.bds || fail "first.bds: $(cmp "$expected" first.bds 2>&1)"

# New leaves changes, so Open asks first; No goes on to open the saved file.
keys alt+f n
title_is "Untitled Board" "1 of 1"
keys alt+f o
dialog "$question" n
dialog "Open a Plinkor 2 BoardSet" ctrl+a "=$work/first.bds" Return
title_is Xy "1 of 1"
leave # nothing unsaved: no question

start_editor first.bds
title_is Xy "1 of 1"
leave
finish "editor files test"
