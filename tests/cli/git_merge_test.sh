#!/usr/bin/env bash
# A real `git merge` of two branches that changed different boards of one BoardSet, with
# README's git lines: it ends clean, with the bytes of tests/data/cli/git_merged.bds, and the
# text diff's hunk names its board.
#   git_merge_test.sh BOARDSET SOURCE_DIR
set -eu
boardset=$1 source=$2
repo=$(mktemp -d)
trap 'rm -rf "$repo"' EXIT
cd "$repo"
git init -q -b main && git config user.name Tester && git config user.email tester@example.org
git config merge.boardset.driver "'$boardset' merge %O %A %B"
git config diff.boardset.textconv "'$boardset' export -o -"
git config diff.boardset.xfuncname '^ *("board": [0-9]+)'
printf '*.bds diff=boardset merge=boardset\n*.BDS diff=boardset merge=boardset\n' >.gitattributes
"$boardset" export "$source/fuzz/corpus/board_set_reader/three_boards_varied" -o set.json
"$boardset" import set.json -o levels.bds
git add . && git commit -qm base
git checkout -qb theirs && sed '72s/"./"9/' set.json | "$boardset" import - -o levels.bds
git commit -qam "board 3 painted"
git checkout -q main && sed '11s/"./"7/' set.json | "$boardset" import - -o levels.bds
git commit -qam "board 1 painted"
git merge -q --no-edit theirs
[ "${BSE_UPDATE_GOLDEN:-}" = 1 ] && cp levels.bds "$source/tests/data/cli/git_merged.bds"
cmp levels.bds "$source/tests/data/cli/git_merged.bds"
git diff HEAD^ | grep '^@@ ' | tee hunks
grep -qx '@@ -69,7 +69,7 @@ "board": 3' hunks
echo "git merged the boards cleanly"
