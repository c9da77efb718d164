#!/usr/bin/env bash
# The editor installed as a desktop sees it: `cmake --install` into a temporary prefix, the
# desktop entry and the AppStream metadata validated, .BDS files known to the MIME database, and
# the command line answered with no display at all, or with one that does not answer; then
# scripts/uninstall.sh, which leaves nothing.
#   install_test.sh BUILD_DIR    install_test.sh --readme (README's run.sh build, then install)
set -euo pipefail
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
share=$prefix/share id=org.example.boardset_editor failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

build=$1
if [ "$1" = --readme ]; then
    cd "$(dirname "$0")/../.." && build=build
    # Without a display it builds, says how to start the editor, and ends with code 2.
    env -u DISPLAY -u WAYLAND_DISPLAY bash scripts/run.sh >/dev/null 2>&1 || [ $? = 2 ]
fi
cmake --install "$build" --prefix "$prefix" >/dev/null
for file in bin/boardset share/doc/boardset-editor/LICENSE \
    share/zsh/site-functions/_boardset; do
    [ -f "$prefix/$file" ] || fail "$file not installed"
done
said=$(groff -ww -z -man "$share"/man/man1/*.1 2>&1) && [ -z "$said" ] || fail "man pages: $said"
# shellcheck source=/dev/null
source "$share/bash-completion/completions/boardset"
COMP_WORDS=(boardset "") COMP_CWORD=1 && _boardset
[ "${COMPREPLY[*]}" = "info check convert render export import merge diff --help --version" ] ||
    fail "bash completion offers '${COMPREPLY[*]}'"
for size in 16 48 256; do
    [ -f "$share/icons/hicolor/${size}x${size}/apps/$id.png" ] || fail "no $size x $size icon"
done
said=$(desktop-file-validate "$share/applications/$id.desktop" 2>&1) && [ -z "$said" ] ||
    fail "desktop entry: $said"
said=$(appstreamcli validate --no-net --pedantic "$share/metainfo/$id.metainfo.xml" 2>&1) &&
    ! grep -qE '^[EWIP]:|successful:' <<<"$said" || fail "metainfo: $said"

# Known by the name without regard to case, and by the header alone.
update-mime-database "$share/mime" 2>/dev/null
update-desktop-database "$share/applications"
printf 'not a BoardSet' >"$prefix/level.BDS"
printf 'BDST\x02\x00\x00\x00' >"$prefix/header"
for file in level.BDS header; do
    found=$(env -u XDG_CURRENT_DESKTOP XDG_DATA_HOME="$share" XDG_DATA_DIRS="$share:/usr/share" \
        xdg-mime query filetype "$prefix/$file")
    [ "$found" = application/x-plinkor2-boardset ] || fail "$file is of type '$found'"
done
found=$(env -u XDG_CURRENT_DESKTOP XDG_DATA_HOME="$share" XDG_DATA_DIRS="$share:/usr/share" \
    xdg-mime query default application/x-plinkor2-boardset)
[ "$found" = "$id.desktop" ] || fail "BoardSets open with '$found'"

# Settings of the environment, arguments, the exit code, and a pattern for stdout and for stderr
# (empty: nothing printed there; "any": anything). A platform of its own needs no display: the
# editor runs until stopped. A Wayland socket cannot be reached without a runtime folder for a
# relative name, or by a name too long for a socket address.
printed() { [ "$2" = any ] || if [ -z "$2" ]; then [ ! -s "$1" ]; else grep -q "$2" "$1"; fi; }
while IFS='|' read -r settings arguments code out err; do
    # shellcheck disable=SC2086 # the settings and arguments are words
    PATH="$prefix/bin:$PATH" env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM $settings \
        boardset-editor $arguments >"$prefix/out" 2>"$prefix/err" && status=0 || status=$?
    [ "$status" = "$code" ] || fail "'$arguments' ended with $status"
    printed "$prefix/out" "$out" || fail "'$arguments' printed '$(cat "$prefix/out")'"
    printed "$prefix/err" "$err" || fail "'$arguments' said '$(cat "$prefix/err")'"
done <<'END'
|--help|0|^Usage: boardset-editor \[options\] \[FILE\]$|
|--version|0|^boardset-editor [0-9]|
|--bogus|2||Unknown option 'bogus'
|a.bds b.bds|2||only one FILE
DISPLAY=:987||2||cannot be reached
||2||no display found
||2||^  xvfb-run -a boardset-editor$
-u XDG_RUNTIME_DIR WAYLAND_DISPLAY=wayland-0||2||Wayland compositor
WAYLAND_DISPLAY=/tmp/a-socket-address-holds-no-name-this-long-a-socket-address-holds-no-name-this-long-a-socket-address-holds-no-name-this-long-||2||Wayland compositor
QT_QPA_PLATFORM=offscreen timeout 3||124||any
END
# The advice to copy names the program as it was started, quoted for the shell.
ln -s "$prefix/bin/boardset-editor" "$prefix/it's mine"
said=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/it's mine" 2>&1) || true
grep -qxF "  xvfb-run -a '$prefix/it'\\''s mine'" <<<"$said" || fail "advice: $said"
# The uninstall leaves none of the installed files, and .BDS files no longer open with the editor.
bash "$(dirname "$0")/../../scripts/uninstall.sh" "$build" >/dev/null
while IFS= read -r file; do [ ! -e "$file" ] || fail "$file is left"; done <"$build/install_manifest.txt"
found=$(env -u XDG_CURRENT_DESKTOP XDG_DATA_HOME="$share" XDG_DATA_DIRS="$share" \
    xdg-mime query default application/x-plinkor2-boardset)
[ -z "$found" ] || fail "after the uninstall, BoardSets open with '$found'"
[ "$failures" = 0 ] && echo "install test passed"
