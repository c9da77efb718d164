# shellcheck shell=bash
# Shared by the tests that drive the real editor under a virtual X server; sourced, not run.
# Re-runs the sourcing script under xvfb-run once, then offers the helpers below.

if [ -z "${BSE_IN_XVFB:-}" ]; then
    export BSE_IN_XVFB=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" bash "$0" "$@"
fi

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
expect_eq() { # what expected actual
    if [ "$2" != "$3" ]; then fail "$1: expected '$2', got '$3'"; fi
}

# The first visible window whose title matches, waiting up to five seconds; empty if none.
find_window() { # title pattern
    local found=""
    for _ in $(seq 300); do # up to 15 s: a loaded machine starts slowly
        found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
        [ -n "$found" ] && break
        sleep 0.05
    done
    echo "$found"
}

# Starts the editor in the background: sets pid and window, or fails the test at once.
start_editor() { # editor [argument...]
    "$@" &
    pid=$!
    window=$(find_window "BoardSet Editor for Plinkor 2 - Board")
    [ -n "$window" ] || { echo "FAIL: no editor window appeared" >&2; exit 1; }
    sleep 0.3
}

# Expects the editor to end within five seconds with exit code 0.
expect_exit_zero() {
    local status=0
    for _ in $(seq 100); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.05
    done
    if kill -0 "$pid" 2>/dev/null; then
        fail "still running after File > Exit"
    else
        wait "$pid" || status=$?
        expect_eq "exit code" 0 "$status"
    fi
}

# Ends the test: 1 when anything failed.
finish() { # name
    if [ "$failures" -ne 0 ]; then
        exit 1
    fi
    echo "$1 passed"
}
