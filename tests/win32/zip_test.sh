#!/bin/sh
# The Windows zip made by `cpack -G ZIP` holds, in one folder, the two programs, LICENSE, README and
# the guide with its pictures, and nothing else. Arguments: CPACK BUILD_DIR SOURCE_DIR
set -eu
cpack=$1 build=$2 source=$3
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$build" && "$cpack" -G ZIP -B "$out" >/dev/null)
zip=$(ls "$out"/boardset-editor-*-windows-x64.zip)
cmake -E tar tf "$zip" | sed -n 's|^boardset-editor-[^/]*-windows-x64/||p' | grep -v '/$' | sort >"$out/listed"
{
    printf '%s\n' LICENSE README.md boardset-editor.exe boardset.exe docs/guide.md
    (cd "$source" && ls docs/images/*.png)
} | sort >"$out/expected"
diff "$out/expected" "$out/listed"
