#!/usr/bin/env bash
# Makes the guide's pictures, docs/images/*.png, from the real program under a virtual X server:
# the main window with a painted board, each dialog, a rectangle being dragged, the overview of a
# BoardSet of 20 boards, and a sheet drawn by `boardset render --all`.
# Run it again when the look changes.
#   scripts/screenshots.sh [BUILD_DIR]    (default build; it builds the two programs there)
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${BSE_IN_XVFB:-}" ]; then
    bash scripts/install-deps.sh x11-apps netpbm
    [ -f "${1:-build}/CMakeCache.txt" ] || cmake -S . -B "${1:-build}" -DCMAKE_BUILD_TYPE=Release
    cmake --build "${1:-build}" -j"$(nproc)" --target boardset-editor boardset
    export BSE_IN_XVFB=1
    exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" bash "$0" "$@"
fi
build=$(realpath "${1:-build}") images=$PWD/docs/images
work=$(mktemp -d)
pid=""
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
# Settings of this run stay out of the user's.
export XDG_CONFIG_HOME=$work/config XDG_STATE_HOME=$work/state

# BoardSets written in the text form: a pyramid, a frame, stripes, a checker board and a diamond,
# in the palette's blocks, and again in others after every five boards.
rows() { # board: prints its 20 rows
    local r c line
    for ((r = 0; r < 20; r++)); do
        line=""
        for ((c = 0; c < 20; c++)); do line+=$("$1" "$r" "$c"); done
        printf '"%s"' "$line"
        [ "$r" = 19 ] || printf ','
    done
}
frame() { if (($1 == 0 || $1 == 19 || $2 == 0 || $2 == 19)); then printf 'C'; elif (($1 > 6 && $1 < 13 && $2 > 6 && $2 < 13)); then printf '7'; else printf '.'; fi; }
pyramid() { local d=$(($2 < 10 ? 9 - $2 : $2 - 10)); if (($1 >= 4 + d && $1 < 16)); then printf '%s' "${blocks:$((($1 - 4) % 8)):1}"; else printf '.'; fi; }
stripes() { if (($1 % 3 == 0)); then printf '%s' "${blocks:$(($1 / 3)):1}"; else printf '.'; fi; }
checker() { if ((($1 / 2 + $2 / 2) % 2 == 0 && $1 < 12)); then printf 'P'; else printf '.'; fi; }
diamond() { local d=$((($1 < 10 ? 9 - $1 : $1 - 10) + ($2 < 10 ? 9 - $2 : $2 - 10))); if ((d < 9)); then printf '%s' "${blocks:$((d % 4 + 9)):1}"; else printf '.'; fi; }
patterns=(pyramid frame stripes checker diamond)
all_blocks=123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefg
board_set() { # name count file
    local n round
    {
        printf '{"name":"%s","author":"A. Designer",' "$1"
        printf '"brickImagePath":"X:\\\\Plinkor\\\\Boards\\\\TollanBrick.img",'
        printf '"backgroundImagePath":"X:\\\\Plinkor\\\\Boards\\\\TollanBackground.img","boards":['
        for ((n = 0; n < $2; n++)); do
            [ "$n" = 0 ] || printf ','
            round=$((n / 5)) && blocks=${all_blocks:$((round * 6)):16}
            printf '{"background":%d,"rows":[%s]}' "$n" "$(rows "${patterns[n % 5]}")"
        done
        printf ']}\n'
    } >"$work/$3.json"
    "$build/boardset" import "$work/$3.json" -o "$work/$3.bds"
}
board_set "Guide Boards" 5 guide
board_set "Twenty Boards" 20 twenty
"$build/boardset" render "$work/guide.bds" --all -o "$images/sheet.png"

until_true() { for _ in $(seq 200); do "$@" && return; sleep 0.05; done; false; }
newest() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null | grep -vx "$main" | tail -1; }
shoot() { xwd -silent -id "$1" | xwdtopnm 2>/dev/null | pnmtopng >"$images/$2.png"; }
# Opens a dialog with the keys given, photographs it, and closes it with Escape.
dialog() { # name key...
    xdotool windowfocus --sync "$main" key "${@:2}"
    local box
    box=$(until_true newest) || { echo "screenshots: no window for $1" >&2; exit 1; }
    sleep 0.5 # drawn
    shoot "$box" "$1"
    xdotool windowfocus --sync "$box" key Escape
    # shellcheck disable=SC2016 # evaluated on each try
    until_true eval '[ -z "$(newest)" ]'
}

# The file dialog starts where the editor started.
mkdir "$work/boards" && mv "$work/guide.bds" "$work/boards" && cd "$work/boards"

start() { # file name
    "$build/boardset-editor" "$1" &
    pid=$!
    main=$(until_true xdotool search --onlyvisible --name "$2") ||
        { echo "screenshots: no editor window" >&2; exit 1; }
    eval "$(xdotool getwindowgeometry --shell "$main")"
}
start guide.bds 'Guide Boards'
# The pointer over the palette shows its hint in the status line; the first board is drawn.
xdotool mousemove $((X + 100)) $((Y + HEIGHT - 55))
sleep 1
shoot "$main" main-window
dialog jump-dialog alt+b Down Down Down Down Return
dialog background-dialog alt+b g
dialog settings-dialog alt+b s
dialog open-dialog ctrl+o
dialog about-dialog alt+a

# A rectangle from column 3, row 2 to column 12, row 4, the button still down; Escape takes it back.
top=$((Y + HEIGHT - 400))
xdotool windowfocus --sync "$main" mousemove $((X + 95)) $((top + 26)) keydown shift mousedown 1 \
    keyup shift mousemove $((X + 250)) $((top + 40)) mousemove $((X + 365)) $((top + 56))
sleep 1
shoot "$main" rectangle
xdotool key Escape mouseup 1
kill "$pid"
wait "$pid" || true

start "$work/twenty.bds" 'Twenty Boards'
xdotool windowfocus --sync "$main" key ctrl+b
overview=$(until_true xdotool search --onlyvisible --name '^Boards - Twenty Boards$') ||
    { echo "screenshots: no overview" >&2; exit 1; }
sleep 1
shoot "$overview" overview
echo "screenshots: $(ls "$images")"
