#!/usr/bin/env bash
# Files with the real editor under a virtual X server, through its real dialogs: name the
# BoardSet, save it (Save As with the BoardSet Information dialog), compare the bytes on disk
# with the format written out by hand, and open damaged and foreign files.
#   editor_files_test.sh EDITOR
set -euo pipefail

# shellcheck source=desktop_lib.sh
source "$(dirname "$0")/desktop_lib.sh"

editor=$1
work=$(mktemp -d)

cd "$work"
start_editor "$editor"
trap 'kill $pid 2>/dev/null || true; rm -rf "$work"' EXIT

# Types into the dialog whose title matches, then presses Return. Tabs first when asked: the
# BoardSet Information dialog takes Tab in the order OK, Cancel, name, author.
answer_dialog() { # title text [tabs]
    local dialog
    dialog=$(find_window "$1")
    [ -n "$dialog" ] || { fail "no dialog '$1'"; return; }
    xdotool windowfocus --sync "$dialog"
    sleep 0.2
    for _ in $(seq "${3:-0}"); do xdotool key Tab; done
    if [ -n "$2" ]; then
        xdotool key ctrl+a
        xdotool type --delay 5 "$2"
    fi
    xdotool key Return
    sleep 0.3
}

title() { xdotool getwindowname "$window"; }
menu() { # the key of the menu, then of its item
    xdotool windowfocus --sync "$window"
    xdotool key "alt+$1"
    sleep 0.2
    xdotool key "$2"
    sleep 0.3
}

# Board > BoardSet Settings: the name is typed into the first field.
menu b s
answer_dialog "^BoardSet Information$" "Xy" 2
expect_eq "title" "Xy - BoardSet Editor for Plinkor 2 - Board: 1 of 1" "$(title)"

# File > Save on an untitled BoardSet runs Save As; the default extension is added, then the
# BoardSet Information dialog is shown before the write.
menu f s
answer_dialog "^Save as a Plinkor 2 BoardSet$" "$work/first"
answer_dialog "^BoardSet Information$" ""
[ -f "$work/first.bds" ] || fail "Save As wrote no first.bds"

# The bytes: header, one board, the four strings with their stored lengths, 01 00 00 00 00 and
# one empty board record of 1604 zero bytes.
{
    printf 'BDST\x02\x00\x00\x00'
    printf '\x01\x00\x00\x00'
    printf '\x22\x00\x00\x00%s\x00' 'X:\Plinkor\Boards\TollanBrick.img'
    printf '\x27\x00\x00\x00%s\x00' 'X:\Plinkor\Boards\TollanBackground.img'
    printf '\x03\x00\x00\x00Xy\x00'
    printf '\x08\x00\x00\x00Unknown\x00'
    printf '\x01\x00\x00\x00\x00'
    head -c 1604 /dev/zero
} >"$work/expected.bds"
if ! cmp -s "$work/expected.bds" "$work/first.bds"; then
    fail "first.bds differs from the format: $(cmp "$work/expected.bds" "$work/first.bds" 2>&1 || true)"
fi

# A damaged file (cut inside the strings) and a foreign one are refused through the real dialog.
head -c 30 "$work/first.bds" >"$work/cut.BDS"
printf 'hello, world' >"$work/note.BDS"
for bad in cut.BDS note.BDS; do
    menu f o
    answer_dialog "^Open a Plinkor 2 BoardSet$" "$work/$bad"
    box=$(find_window "^BoardSet Editor for Plinkor 2$")
    if [ -z "$box" ]; then
        fail "no refusal for $bad"
    else
        xdotool windowfocus --sync "$box"
        xdotool key Return
        sleep 0.3
    fi
    expect_eq "title after $bad" "Xy - BoardSet Editor for Plinkor 2 - Board: 1 of 1" "$(title)"
done

# The saved file opens again: New leaves changes, so Open asks first; No goes on.
menu f n
expect_eq "after New" "Untitled Board - BoardSet Editor for Plinkor 2 - Board: 1 of 1" "$(title)"
menu f o
box=$(find_window "^BoardSet Editor for Plinkor 2$")
[ -n "$box" ] || fail "Open asked nothing after New"
xdotool windowfocus --sync "$box"
xdotool key n
sleep 0.3
answer_dialog "^Open a Plinkor 2 BoardSet$" "$work/first.bds"
expect_eq "after Open" "Xy - BoardSet Editor for Plinkor 2 - Board: 1 of 1" "$(title)"

# Nothing is left unsaved, so Exit ends at once with code 0.
menu f e
expect_exit_zero

# A file named on the command line opens at start-up.
start_editor "$editor" first.bds
expect_eq "started with first.bds" "Xy - BoardSet Editor for Plinkor 2 - Board: 1 of 1" "$(title)"
menu f e
expect_exit_zero
finish "editor files test"
