#!/usr/bin/env bash
# boardset as a user runs it, with no display at all: each error path's message and exit code,
# standard input and output, atomic replacement, and the corpus through check and the text form.
#   cli_test.sh BOARDSET SOURCE_DIR
set -u
boardset=$1
top=$2
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 2
sets=$top/fuzz/corpus/board_set_reader
three=$sets/three_boards_varied
v1=$top/fuzz/corpus/version1_import
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# expect CODE MESSAGE ARGUMENTS...: the exit code and what is said on standard error.
expect() {
    local code=$1 message=$2
    shift 2
    local said
    said=$("$boardset" "$@" 2>&1 >/dev/null)
    local got=$?
    [ "$got" = "$code" ] && [ "$said" = "$message" ] ||
        fail "boardset $*: exit $got, said \"$said\"; want $code, \"$message\""
}

mkdir folder
mkfifo fifo
echo 'x' >bad.json
echo 'old' >kept.bds
"$boardset" export "$three" -o good.json

expect 2 "boardset: frob: no such command; see boardset --help" frob
expect 2 "boardset: info: Unknown option 'x'." info -x "$three"
expect 2 "boardset: info: one FILE only" info "$three" "$three"
expect 2 "boardset: check: no FILE given" check
expect 2 "boardset: export: no output: give -o FILE, or -o - for standard output" export "$three"
expect 2 "boardset: render: --board needs a number from 1 to 200" render "$three" --board 0 -o o.png
expect 2 "boardset: render: --board and --all exclude each other" render "$three" --all --board 2 -o o.png
expect 2 "boardset: $three: there is no board 4: the BoardSet has 3" render "$three" --board 4 -o o.png
expect 2 'boardset: convert: --name: "Ж" cannot be written in Windows-1252' \
    convert "$v1/one_board_known_codes" -o o.bds --name "Ж"
expect 2 "boardset: convert: --author: at most 199 characters" \
    convert "$v1/one_board_known_codes" -o o.bds --author "$(printf '%0200d' 0)"
expect 1 "boardset: missing.bds: could not be opened: No such file or directory" info missing.bds
expect 1 "boardset: folder: is not a regular file, but a folder" export folder -o o.json
expect 1 "boardset: fifo: is not a regular file, but a named pipe" info fifo
expect 1 "boardset: $sets/refused_count_0: refused: the board count is 0, not 1 to 200 at byte 8" \
    render "$sets/refused_count_0" -o o.png
expect 1 "boardset: $v1/refused_399_bytes: holds no whole board: a Plinkor (Ver. 1) board takes 400 bytes" \
    convert "$v1/refused_399_bytes" -o o.bds
expect 1 "boardset: $v1/refused_201_boards: holds 201 boards, but a BoardSet holds at most 200" \
    convert "$v1/refused_201_boards" -o o.bds
expect 1 "boardset: bad.json: refused: line 1: the text form should start with {, found 'x'" \
    import bad.json -o kept.bds
expect 1 "boardset: none/o.bds: could not be written: No such file or directory" \
    import good.json -o none/o.bds
expect 1 "boardset: folder: could not be written: Is a directory" import good.json -o folder
[ "$(cat kept.bds)" = old ] && [ -d folder ] && [ ! -e o.png ] && [ ! -e o.bds ] && [ ! -e o.json ] &&
    [ -z "$(ls -A folder)" ] && [ "$(ls -A | grep -c boardset)" = 0 ] ||
    fail "a refused command left something behind: $(ls -A)"

for command in info check convert render export import; do
    "$boardset" $command --help | head -n 1 | grep -q "^Usage: boardset $command \[options\]" ||
        fail "$command --help"
done
"$boardset" --version | grep -qE '^boardset [0-9]+\.[0-9]+$' || fail "--version"

# Every corpus file as the editor's Open reads it; one refusal makes the exit code 1.
(cd "$sets" && "$boardset" check *) >check.txt
[ $? = 1 ] && cmp -s check.txt "$top/tests/data/cli/check_corpus.txt" || fail "check of the corpus"

"$boardset" info --json "$three" | cmp -s - "$top/tests/data/cli/three_boards_varied_info.json" ||
    fail "info --json"
"$boardset" convert "$v1/one_board_known_codes" -o - --name "Été" --author "A\"B" |
    "$boardset" info - | head -n 4 | tr '\n' '|' |
    grep -qx 'name: Été|author: A"B|boards: 1|board 1: background 0, 382 blocks|' || fail "info"

# Through pipes, and a replaced output is a new file: a hard link keeps the old one.
ln kept.bds link.bds
cat "$three" | "$boardset" export - -o - | "$boardset" import - -o kept.bds &&
    cmp -s kept.bds "$three" && [ "$(cat link.bds)" = old ] || fail "export | import, replacing"
"$boardset" convert "$v1/two_boards_all_codes" -o - | "$boardset" export - -o - |
    cmp -s - "$top/tests/data/cli/two_boards_all_codes.json" || fail "convert"

[ "$failures" = 0 ] || exit 1
echo "all boardset checks passed"
