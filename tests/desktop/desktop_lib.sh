# shellcheck shell=bash
# Shared by the tests that drive the real editor under a virtual X server, sourced with the
# arguments EDITOR X_PROBE; it re-runs the sourcing script under xvfb-run once. Each check waits
# for its condition, up to 10 s, instead of pausing: a loaded machine may take long for anything.
if [ -z "${BSE_IN_XVFB:-}" ]; then
    export BSE_IN_XVFB=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" bash "$0" "$@"
fi
editor=$1 probe=$2 started="" failures=0 question="BoardSet Editor for Plinkor 2"
work=$(mktemp -d)
export XDG_STATE_HOME=$work/state XDG_CONFIG_HOME=$work/config # their own recovery copies and recent files
trap 'kill $started 2>/dev/null || true; rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
until_true() { for _ in $(seq 200); do "$@" && return; sleep 0.05; done; false; }
prints() { [ "$("${@:2}" 2>&1)" = "$1" ]; }
# Waits for the command to print what is expected.
expect() { until_true prints "$2" "${@:3}" || fail "$1: expected '$2', got '$("${@:3}" 2>&1)'"; }
visible() { xdotool search --onlyvisible --name "$1" 2>/dev/null | grep -m1 .; }
title_is() { expect title "$1 - $question - Board: $2" xdotool getwindowname "$window"; }
at() { xdotool mousemove $((cx + $1)) $((cy + $2)) "${@:3}"; } # [more of an xdotool chain]
keys() { xdotool windowfocus --sync "$window" key "$@"; }
pixels() { "$probe" "$cx" "$cy" "$@" | paste -sd'|'; } # X Y [X Y ...] on the canvas

placed() {
    eval "$(xdotool getwindowgeometry --shell "$window")"
    [ "$WIDTH" = 640 ] && [ "$X" = $((640 - WIDTH / 2)) ] && [ "$Y" = $((512 - HEIGHT / 2)) ]
}
# The editor's window, or nothing once the editor has ended.
window_of_editor() {
    for _ in $(seq 200); do
        visible "$question - Board" && return
        kill -0 "$pid" 2>/dev/null || return 1
        sleep 0.05
    done
    false
}
# Starts the editor; waits for its window, fixed at 640 wide and centred on the 1280 x 1024 screen.
# A start that ends at once is tried again: a loaded Xvfb turns away a few connections.
start_editor() { # [argument...]
    window=""
    for _ in 1 2 3; do
        "$editor" "$@" &
        pid=$! started="$started $!"
        window=$(window_of_editor) || ! kill -0 "$pid" 2>/dev/null || break
        [ -z "$window" ] || break
    done
    [ -n "$window" ] || { fail "no editor window"; exit 1; }
    until_true placed || fail "window of $WIDTH x $HEIGHT at $X, $Y"
    cx=$X cy=$((Y + HEIGHT - 400)) # the canvas sits under the menu bar
}

# Waits for the window titled exactly so, gives it keys and text ("=text"), waits for it to close.
dialog() { # title key-or-=text...
    local box step
    box=$(until_true visible "^$1\$") || { fail "no window '$1'"; return; }
    xdotool windowfocus --sync "$box"
    for step in "${@:2}"; do
        case $step in =*) xdotool type "${step#=}" ;; *) xdotool key "$step" ;; esac
    done
    until_true eval "! visible '^$1\$' >/dev/null" || fail "window '$1' stays open"
}

# File > Exit, answered if asked: the editor ends with code 0.
leave() { # [answer]
    keys alt+f e
    [ -z "${1:-}" ] || dialog "$question" "$1"
    until_true eval '! kill -0 $pid 2>/dev/null' || { fail "runs on after Exit"; return; }
    wait "$pid" || fail "exit code $?"
}

finish() { [ "$failures" = 0 ] && echo "$1 passed"; }
