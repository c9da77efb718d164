#!/usr/bin/env bash
# The Windows editor under Wine on a virtual X server with a window manager: --help and
# --version, then used as a person would: started with a file, cells painted with each button and
# a rectangle with Shift, a stroke with the keyboard, Jump to Board by its up-down control, a
# background, the BoardSet's name with a letter outside ASCII, a board copied out through the X
# clipboard and pasted back from it, Save As through the file dialog, the About box, Open refusing
# a name that does not exist and the editor a damaged file, Exit with code 0; the bytes saved
# compared with the committed ones. Then once more at 144 dots per inch: the canvas the same,
# pixel for pixel.
#   windows_session_test.sh WINE EDITOR.EXE
# shellcheck disable=SC2317 # functions called through until_true
set -u
if [ -z "${BSE_IN_XVFB:-}" ]; then
    export BSE_IN_XVFB=1
    exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash "$0" "$@"
fi
wine=$1 editor=$2 failures=0 question="BoardSet Editor for Plinkor 2"
data=$(dirname "$(realpath "$0")")/../data
work=$(mktemp -d)
# A prefix of the run's own, made at the first start; no Mono or Gecko asked for.
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
started=""
trap 'kill $started 2>/dev/null; "${wine}server" -k 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
# Up to 10 s, or as many tries as asked for.
until_true() { for _ in $(seq "${tries:-200}"); do "$@" && return; sleep 0.05; done; false; }
# Wine keeps some windows it hid: only the shown ones count.
window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | grep -m1 .; }
gone() { ! window "$1" >/dev/null; }
title_is() { until_true window "^$1 - $question - Board: $2\$" >/dev/null || fail "no window '$1 ... $2'"; }

openbox >/dev/null 2>&1 & started="$started $!"
# Wine reads the keymap once: the letters typed that it lacks are given spare key codes first.
spare=$(xmodmap -pke | awk 'NF == 3 { print $2; exit }')
xmodmap -e "keycode $spare = egrave Egrave"
xdotool mousemove 0 0 # off the window, so the status line shows the same in both starts

# Starts the editor with the arguments; a start that ended at once is tried again.
start() {
    for _ in 1 2 3; do
        "$wine" "$editor" "$@" &
        pid=$! started="$started $!"
        # Up to 60 s: the prefix is made on the first start.
        main=$(tries=1200 until_true window "$question - Board") && break
        kill -0 "$pid" 2>/dev/null || continue
        break
    done
    [ -n "${main:-}" ] || { fail "no main window"; exit 1; }
    eval "$(xwininfo -id "$main" | awk '/Absolute upper-left X/ {print "X=" $4}
        /Absolute upper-left Y/ {print "Y=" $4} /Width/ {print "W=" $2} /Height/ {print "H=" $2}')"
    cx=$X cy=$((Y + H - 400)) # the canvas under the menu bar
}
keys() { xdotool windowactivate --sync "$main" key "$@"; }
at() { xdotool mousemove $((cx + $1)) $((cy + $2)) "${@:3}"; } # [more of an xdotool chain]
on_cell() { at $((30 * $1 + 5)) $((15 * $2 - 3)) "${@:3}"; } # COLUMN ROW: its middle
winpath() { local path="Z:$1"; echo "${path//\//\\}"; }
canvas() { xwd -silent -id "$main" | tail -c $((640 * 400 * 4)) | md5sum; }
# The canvas once drawn: two looks a moment apart alike.
settled() { local last=""; until [ "$last" = "$(canvas)" ]; do last=$(canvas); sleep 0.3; done; echo "$last"; }
# Waits for the window titled exactly so, gives it keys and text ("=text"), waits for it to close.
dialog() {
    local box step
    box=$(until_true window "^$1\$") || { fail "no window '$1'"; return; }
    xdotool windowactivate --sync "$box"
    for step in "${@:2}"; do
        case $step in =*) xdotool type --delay 20 "${step#=}" ;; *) xdotool key "$step" ;; esac
    done
    until_true gone "^$1\$" || fail "window '$1' stays open"
}

# --help and --version as on Linux, the prefix made on the way.
"$wine" "$editor" --help | grep -q "^Usage: boardset-editor \[options\] \[FILE\]\$" || fail "--help"
"$wine" "$editor" --version | grep -q "^boardset-editor [0-9.]*\$" || fail "--version"

cp "$data/desktop/twenty_boards.bds" "$work/twenty.bds"
{ printf XXXX && tail -c +5 "$work/twenty.bds"; } >"$work/damaged.bds"
start "$(winpath "$work/twenty.bds")"
title_is Twenty "1 of 20"
[ "$W" = 640 ] || fail "a window $W wide: no 640 x 400 canvas"
at96=$(settled)

# The right button erases the block of cell 1, 1, the left paints cell 3, 1; Shift and a drag
# with the left button, the rectangle 2, 3 to 5, 6.
on_cell 1 1 click 3
on_cell 3 1 click 1
xdotool keydown shift
on_cell 2 3 mousedown 1
on_cell 4 5
on_cell 5 6 mouseup 1
xdotool keyup shift
# Keyboard Painting (F7): the cursor from cell 1, 1 down to row 10, Space held over three cells.
keys F7 Down Down Down Down Down Down Down Down Down
xdotool keydown space
keys Right Right
xdotool keyup space
keys F7

# Board > Jump to..., the up-down control's Up twice: board 3; its background 7. A dialog's
# first stop is its OK button, then Cancel, then the edit.
keys alt+b Down Down Down Down Return
dialog "Jump to Board" Tab Tab Up Up Return
title_is Twenty "3 of 20"
keys alt+b g
dialog "Pick Board Background" Tab Tab ctrl+a =7 Return
# Its cells copied out, read as rows of text by another program, pasted back onto board 2 from it.
keys ctrl+c
# shellcheck disable=SC2016 # evaluated on each try
until_true eval '[ "$(xclip -o -selection clipboard 2>/dev/null | wc -l)" = 20 ]' ||
    fail "the clipboard holds no board of 20 rows"
xclip -o -selection clipboard >"$work/rows"
xclip -i -selection clipboard "$work/rows" & started="$started $!"
keys Prior
title_is Twenty "2 of 20"
keys ctrl+v

keys alt+b s
dialog "BoardSet Information" Tab Tab ctrl+a "=Crème" Return
# File > Save As... through the file dialog, a path typed; the information is shown before writing.
keys alt+f Down Down Down Return
dialog "Save as a Plinkor 2 BoardSet" ctrl+a "=$(winpath "$work/saved")" Return
dialog "BoardSet Information" Return
until_true cmp -s "$data/win32/session_saved.bds" "$work/saved.bds" ||
    fail "saved.bds: $(cmp "$data/win32/session_saved.bds" "$work/saved.bds" 2>&1)"
title_is "Crème" "2 of 20"

# About, closed by a click on its picture.
keys alt+a
about=$(until_true window "^Who done it!\$") || fail "no About box"
eval "$(xwininfo -id "$about" | awk '/Absolute upper-left X/ {print "AX=" $4} /Absolute upper-left Y/ {print "AY=" $4}')"
xdotool mousemove $((AX + 100)) $((AY + 100)) click 1
until_true gone "^Who done it!\$" || fail "the About box stays open"
# File > Open: a name that does not exist is refused by the dialog itself, in a box without a
# title, and the dialog stays; a damaged file is refused by the editor and changes nothing.
keys alt+f o
box=$(until_true window "^Open a Plinkor 2 BoardSet\$") || fail "no Open dialog"
xdotool windowactivate --sync "$box" key ctrl+a type --delay 20 "$(winpath "$work/none.bds")"
xdotool key Return
untitled() {
    local each
    for each in $(xdotool search --onlyvisible --name '^$'); do
        xprop -id "$each" WM_CLASS | grep -q '"boardset-editor.exe"' && return
    done
    false
}
until_true untitled || fail "the Open dialog takes a name that does not exist"
xdotool key Return
dialog "Open a Plinkor 2 BoardSet" ctrl+a "=$(winpath "$work/damaged.bds")" Return
dialog "$question" Return
title_is "Crème" "2 of 20"
keys alt+f e
wait "$pid"
code=$?
[ "$code" = 0 ] || fail "exit code $code"

# At 150 % the canvas is drawn pixel for pixel as at 100 %, under a taller menu bar.
"$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
before=$H
xdotool mousemove 0 0
start "$(winpath "$data/desktop/twenty_boards.bds")"
[ "$H" -gt "$before" ] || fail "the menu bar did not grow at 144 dots per inch"
[ "$(settled)" = "$at96" ] || fail "the canvas differs at 144 dots per inch"
keys ctrl+q
wait "$pid" || fail "exit code $?"
exit $failures
