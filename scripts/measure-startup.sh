#!/usr/bin/env bash
# Measures how long the editor takes from exec until its window is mapped, and how much memory it
# holds once settled, against a bare Qt window with a menu bar, both under a private Xvfb.
# Goal: start-up at most 1.2 times the bare window's, resident memory at most 40 MB.
# Idle CPU, side by side with the bare window animating the same icon frames: at most 1.3 times.
#
#   scripts/measure-startup.sh [--runs N] [--rounds R] [--editor PATH] [--bare-twice]
#
#   --runs N      timed runs per program and round (default 5)
#   --rounds R    rounds; each times the bare window, then the editor (default 3). Alternating
#                 keeps a burst of load elsewhere on the machine from landing on one side only.
#   --editor P    time this binary instead of building the editor
#   --bare-twice  time the bare window in the editor's place, to check the measurement itself
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD

max_ratio=1.2
max_rss_mb=40

runs=5
rounds=3
editor=""
bare_twice=0
while [ $# -gt 0 ]; do
    case "$1" in
        --runs) runs=$2; shift 2 ;;
        --rounds) rounds=$2; shift 2 ;;
        --editor) editor=$(realpath "$2"); shift 2 ;;
        --bare-twice) bare_twice=1; shift ;;
        -h | --help) sed -n '2,13s/^# \{0,1\}//p' "$0"; exit 0 ;;
        *) echo "measure-startup: unknown argument: $1" >&2; exit 2 ;;
    esac
done

# --- What is needed -------------------------------------------------------------------------
bash scripts/install-deps.sh libxdamage-dev

# --- Building, in Release -------------------------------------------------------------------
jobs=$(nproc)
configured=0
if cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DBSE_TESTS=OFF -DBSE_BENCHMARKS=ON \
        >/dev/null; then
    configured=1
fi
[ "$configured" -eq 1 ] || { echo "measure-startup: configuring failed" >&2; exit 1; }
cmake --build build-bench -j"$jobs" --target bare_window map_timer
tools=build-bench/bench/startup
map_timer=$repo/$tools/map_timer
bare=$repo/$tools/bare_window

if [ "$bare_twice" -eq 1 ]; then
    editor=$bare
elif [ -z "$editor" ]; then
    if [ "$configured" -eq 0 ] || ! cmake --build build-bench -j"$jobs" --target boardset-editor; then
        echo "measure-startup: the editor did not build; see above." >&2
        echo "  Time another binary with --editor PATH, or check the measurement with --bare-twice." >&2
        exit 1
    fi
    editor=$repo/build-bench/boardset-editor
fi

# --- A private X server -----------------------------------------------------------------------
work=$(mktemp -d)
xvfb_pid=""

# Something else on the machine may take the server down mid-run; each round then gets a new one.
stop_xvfb() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
        xvfb_pid=""
    fi
}
# kill -0 alone would take a dead server, not yet waited for, as alive.
xvfb_alive() {
    [ -n "$xvfb_pid" ] && [ -r "/proc/$xvfb_pid/status" ] &&
        ! grep -q '^State:[[:space:]]*Z' "/proc/$xvfb_pid/status" 2>/dev/null
}
cleanup() {
    stop_xvfb
    rm -rf "$work"
}
trap cleanup EXIT

export XAUTHORITY=$work/Xauthority
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb
unset SESSION_MANAGER WAYLAND_DISPLAY # the desktop's, not this server's

start_xvfb() {
    local number cookie
    cookie=$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')
    rm -f "$XAUTHORITY"
    for number in $(seq 57 99); do
        if [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ]; then
            continue
        fi
        xauth -q -f "$XAUTHORITY" add ":$number" . "$cookie" 2>/dev/null
        # -noreset: a server resetting as one program leaves can turn the next one away.
        Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp -noreset -auth "$XAUTHORITY" \
            >"$work/xvfb.log" 2>&1 &
        xvfb_pid=$!
        for _ in $(seq 100); do
            if ! xvfb_alive; then
                break # lost a race for this number
            fi
            if xdpyinfo -display ":$number" >/dev/null 2>&1; then
                export DISPLAY=":$number"
                echo "Xvfb on $DISPLAY"
                return 0
            fi
            sleep 0.1
        done
        stop_xvfb
    done
    echo "measure-startup: could not start Xvfb; its last words:" >&2
    cat "$work/xvfb.log" >&2
    exit 1
}

# --- Measuring ------------------------------------------------------------------------------
measure() { # name program
    echo "--- $1"
    "$map_timer" --runs "$runs" -- "$2" | tee "$work/$1.round"
}
measure_round() {
    measure bare "$bare" || return 1
    measure editor "$editor" || return 1
    cat "$work/bare.round" >>"$work/bare.txt"
    cat "$work/editor.round" >>"$work/editor.txt"
}

echo "$rounds rounds of $runs timed runs per program, after one warm-up run per round"
load_before=$(cut -d' ' -f1-3 /proc/loadavg)
start_xvfb
for round in $(seq "$rounds"); do
    echo "=== round $round of $rounds"
    attempt=1
    until measure_round; do
        # A server on its way down may still exist but no longer answers.
        if xvfb_alive && xdpyinfo >/dev/null 2>&1; then
            echo "measure-startup: timing failed; see above." >&2
            exit 1
        fi
        if [ "$attempt" -ge 3 ]; then
            echo "measure-startup: the X server keeps going away; giving up." >&2
            exit 1
        fi
        attempt=$((attempt + 1))
        echo "measure-startup: Xvfb on $DISPLAY went away; repeating the round on a new one." >&2
        stop_xvfb
        start_xvfb
        echo "=== round $round of $rounds, attempt $attempt"
    done
done

# Idle: CPU time over 5 s of the two programs running side by side once settled, from the
# scheduler's nanosecond count; three runs, the median taken.
cpu_us() { echo $(($(cut -d' ' -f1 "/proc/$1/schedstat" 2>/dev/null || echo 0) / 1000)); }
bare_idle=() editor_idle=()
while [ "${#bare_idle[@]}" -lt 3 ]; do
    "$bare" >/dev/null 2>&1 &
    bare_pid=$!
    "$editor" >/dev/null 2>&1 &
    editor_pid=$!
    sleep 2
    b0=$(cpu_us "$bare_pid") e0=$(cpu_us "$editor_pid")
    sleep 5
    b=$(($(cpu_us "$bare_pid") - b0)) e=$(($(cpu_us "$editor_pid") - e0))
    # A start the server turned away ends at once; that run is made again.
    if kill "$bare_pid" "$editor_pid" 2>/dev/null && [ "$b" -gt 0 ] && [ "$e" -gt 0 ]; then
        bare_idle+=("$b") editor_idle+=("$e")
    fi
    wait "$bare_pid" "$editor_pid" 2>/dev/null || true
done
median3() { printf '%s\n' "$@" | sort -n | sed -n 2p; }
idle_ms=("$(median3 "${bare_idle[@]}")" "$(median3 "${editor_idle[@]}")")
idle_line=$(awk -v b="${idle_ms[0]}" -v e="${idle_ms[1]}" -v max=1.3 'BEGIN {
    printf "idle CPU per 5 s: bare %.1f ms, editor %.1f ms, ratio %.2f, limit %.1f: %s",
           b / 1000, e / 1000, e / b, max, e / b <= max ? "within" : "OVER" }')

# Median and minimum of one figure over every timed run: "median min count".
statistics() { # name key
    grep '^run ' "$work/$1.txt" | grep -o "$2=[0-9.]*" | cut -d= -f2 | sort -n |
        awk '{ v[NR] = $1 }
             END {
                 if (NR == 0) { print "n/a n/a 0"; exit }
                 m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
                 printf "%.1f %.1f %d\n", m, v[1], NR
             }'
}
summary() { # name -> sets map_median map_min rss hwm paint
    local count
    read -r map_median map_min count < <(statistics "$1" map_ms)
    read -r rss _ _ < <(statistics "$1" rss_mb)
    read -r hwm _ _ < <(statistics "$1" hwm_mb)
    read -r paint _ paints < <(statistics "$1" paint_ms)
    if [ "$paints" -ne "$count" ]; then
        paint="n/a" # some runs saw no paint; a median of the rest would flatter
    fi
    total_runs=$count
}

summary bare
bare_median=$map_median bare_min=$map_min
echo
echo "=== $total_runs timed runs each (memory in MiB, after settling 300 ms)"
printf '%-11s median_ms=%s min_ms=%s median_rss_mb=%s median_hwm_mb=%s median_paint_ms=%s\n' \
    "bare:" "$map_median" "$map_min" "$rss" "$hwm" "$paint"
summary editor
printf '%-11s median_ms=%s min_ms=%s median_rss_mb=%s median_hwm_mb=%s median_paint_ms=%s\n' \
    "editor:" "$map_median" "$map_min" "$rss" "$hwm" "$paint"
echo "(bare: $bare)"
echo "(editor: $editor)"
# Other work on the machine widens the spread; this tells whether there was any.
echo "(load average before: $load_before, after: $(cut -d' ' -f1-3 /proc/loadavg))"
if [ "$bare_twice" -eq 1 ]; then
    echo "(the bare window stood in for the editor: the ratio shows the measurement's own spread)"
fi

awk -v bm="$bare_median" -v bn="$bare_min" -v em="$map_median" -v en="$map_min" \
    -v rss="$rss" -v hwm="$hwm" -v max_ratio="$max_ratio" -v max_rss="$max_rss_mb" 'BEGIN {
        ratio = em / bm
        printf "start-up ratio editor/bare: median %.2f (min %.2f), limit %.2f: %s\n",
               ratio, en / bn, max_ratio, ratio <= max_ratio ? "within" : "OVER"
        printf "editor resident memory: %.1f MiB (peak %.1f), limit %d MB: %s\n",
               rss, hwm, max_rss, rss * 1.048576 <= max_rss ? "within" : "OVER"
    }'
echo "$idle_line"
