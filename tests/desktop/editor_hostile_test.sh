#!/usr/bin/env bash
# The real editor against a dead Wayland display, and saving onto a read-only file and onto a
# file with a second name while its settings file is a FIFO.
#   editor_hostile_test.sh EDITOR X_PROBE
set -euo pipefail
# shellcheck source=desktop_lib.sh
source "$(dirname "$0")/desktop_lib.sh"
cd "$work"
cp "$(dirname "$(realpath "$0")")/../data/desktop/named_xy_one_empty_board.bds" ro.bds
cp ro.bds linked.bds && ln linked.bds other.bds && chmod 444 ro.bds && cp ro.bds old.bds

# No compositor answers: the editor's own message and exit code 2, whether chosen or by default.
for settings in "-u DISPLAY" "QT_QPA_PLATFORM=wayland"; do
    # shellcheck disable=SC2086 # the settings are words
    env $settings WAYLAND_DISPLAY=bse-none "$editor" 2>err && status=0 || status=$?
    [ "$status" = 2 ] && grep -q "Wayland compositor" err || fail "$settings: $status $(cat err)"
done

# With a live X server beside it, the editor runs there. A change saved onto the read-only file
# is refused; onto the linked one, both names show it. Settings that are a FIFO stay one.
mkdir -p config/boardset-editor && mkfifo config/boardset-editor/boardset-editor.conf
for file in ro linked; do
    WAYLAND_DISPLAY=bse-none start_editor $file.bds
    keys alt+b s
    dialog "BoardSet Information" Tab Tab ctrl+a =Zw Return
    keys ctrl+s
    if [ $file = ro ]; then dialog "$question" Return && leave n; else leave; fi
done
cmp ro.bds old.bds && [ "$(stat -c %a ro.bds)" = 444 ] || fail "the read-only file changed"
[ -p config/boardset-editor/boardset-editor.conf ] || fail "the settings FIFO was replaced"
cmp linked.bds other.bds && ! cmp -s linked.bds old.bds || fail "the link was broken"
finish "editor hostile paths test"
