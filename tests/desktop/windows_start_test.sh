#!/usr/bin/env bash
# The Windows editor under Wine on a virtual X server: it starts with its window, the canvas under
# a menu bar, opens a dialog from its template through the menu's keys, and ends with code 0 on
# Ctrl+Q. Arguments: WINE EDITOR.EXE
set -u
if [ -z "${BSE_IN_XVFB:-}" ]; then
    export BSE_IN_XVFB=1
    exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash "$0" "$@"
fi
wine=$1 editor=$2 failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
# Up to 30 s: a fresh Wine prefix is made on the first start.
until_true() { for _ in $(seq 600); do "$@" && return; sleep 0.05; done; false; }
window() { xdotool search --name "$1" 2>/dev/null | grep -m1 .; }
gone() { ! window "$1" >/dev/null; }

"$wine" "$editor" &
pid=$!
trap 'kill $pid 2>/dev/null' EXIT
main=$(until_true window "^Untitled Board - BoardSet Editor for Plinkor 2 - Board: 1 of 1\$") ||
    { fail "no main window"; exit 1; }
eval "$(xwininfo -id "$main" | awk '/Absolute upper-left X/ {print "X=" $4} /Absolute upper-left Y/ {print "Y=" $4}
                                    /Width/ {print "W=" $2} /Height/ {print "H=" $2}')"
[ "$W" = 640 ] && [ "$H" -gt 400 ] || fail "a window of $W x $H: no 640 x 400 canvas under a menu bar"
# Without a window manager a window takes the keys once clicked: the status line, which paints
# nothing.
focus() { xdotool mousemove $((X + 600)) $((Y + H - 10)) click 1; }
focus
xdotool key alt+b Down Down Down Down Return
until_true window "^Jump to Board\$" >/dev/null || fail "no Jump to Board dialog"
xdotool key Escape
until_true gone "^Jump to Board\$" || fail "the dialog stayed open"
focus
xdotool key ctrl+q
wait $pid
code=$?
trap - EXIT
[ "$code" = 0 ] || fail "exit code $code"
exit $failures
