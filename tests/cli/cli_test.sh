#!/usr/bin/env bash
# boardset as a user runs it, with no display at all: runs each "$ " line of the transcript in a
# scratch folder (with the corpus folders as sets/ and v1/) and compares what it prints, on
# stdout (indented) and stderr ("! "), and its exit code when not 0 with the transcript.
# BSE_SKIP, a regular expression, leaves out the commands it matches and what they print.
#   [BSE_TRANSCRIPT=NAME.txt] [BSE_SKIP=REGEX] cli_test.sh BOARDSET SOURCE_DIR [--update]
set -u
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
export LC_ALL=C.UTF-8 # the order of ls and of *
program=$1 golden=$2/tests/data/cli/${BSE_TRANSCRIPT:-transcript.txt}
boardset() { "$program" "$@"; }
# Making device nodes takes root; elsewhere a transcript that makes them is skipped (77).
grep -q '^\$ .*mknod' "$golden" && [ "$(id -u)" != 0 ] && echo "mknod needs root: skipped" && exit 77
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
mkdir "$out/run" && cd "$out/run" || exit 2
ln -s "$2/fuzz/corpus/board_set_reader" sets && ln -s "$2/fuzz/corpus/version1_import" v1
while IFS= read -r line <&3; do
    case $line in '$ '*) ;; '#'* | '') echo "$line" && continue ;; *) continue ;; esac
    [ -n "${BSE_SKIP:-}" ] && grep -qE "$BSE_SKIP" <<<"$line" && continue
    echo "$line"
    eval "${line#\$ }" </dev/null >"$out/stdout" 2>"$out/stderr"
    code=$?
    sed 's/^/  /' "$out/stdout" && sed 's/^/! /' "$out/stderr"
    [ "$code" = 0 ] || echo "exit $code"
done 3<"$golden" >"$out/transcript.txt"
[ -z "${BSE_SKIP:-}" ] && { [ "${3:-}" = --update ] || [ "${BSE_UPDATE_GOLDEN:-}" = 1 ]; } &&
    cp "$out/transcript.txt" "$golden"
if [ -n "${BSE_SKIP:-}" ]; then
    awk -v skip="$BSE_SKIP" '/^\$ / { left = $0 ~ skip } /^(#|$)/ { left = 0 } !left' "$golden" \
        >"$out/golden.txt" && golden=$out/golden.txt
fi
diff -u "$golden" "$out/transcript.txt" && echo "boardset's transcript matches"
