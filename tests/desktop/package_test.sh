#!/usr/bin/env bash
# The Debian package as a newcomer gets it: `cpack -G DEB` in a Release build, lintian without an
# error (its warnings printed), `apt-get install ./...deb`, the installed programs answer, then
# `apt-get remove --purge` leaves none of its files behind. Installs into the system itself.
#   package_test.sh BUILD_DIR     (a Release build)
set -euo pipefail
build=$(realpath "$1")
sudo="" && [ "$(id -u)" = 0 ] || sudo=sudo
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && rm -f boardset-editor_*.deb && cpack -G DEB >/dev/null 2>&1)
deb=$(echo "$build"/boardset-editor_*_"$(dpkg --print-architecture)".deb)
[ -f "$deb" ] || fail "no package: $deb"
lintian --fail-on error "$deb" || fail "lintian reports errors"
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub("^\\.", "", $6); print $6 }' >"$work/files"
id=org.example.boardset_editor
for file in /usr/bin/boardset /usr/bin/boardset-editor \
    /usr/share/applications/$id.desktop /usr/share/mime/packages/$id.xml \
    /usr/share/metainfo/$id.metainfo.xml /usr/share/icons/hicolor/48x48/apps/$id.png \
    /usr/share/man/man1/boardset.1.gz /usr/share/man/man1/boardset-editor.1.gz \
    /usr/share/bash-completion/completions/boardset /usr/share/zsh/site-functions/_boardset \
    /usr/share/doc/boardset-editor/copyright /usr/share/doc/boardset-editor/changelog.gz; do
    grep -qx "$file" "$work/files" || fail "$file is not in the package"
done
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "no dependency on Qt found"
# NEWS.md, the AppStream releases and the package's version tell the same history.
source=$(dirname "$0")/../..
news=$(grep -oP '^## \K[0-9.]+' "$source/NEWS.md" | xargs)
releases=$(grep -oP '<release version="\K[0-9.]+' "$source"/data/*.metainfo.xml | xargs)
[ "$news" = "$releases" ] && [ "${news%% *}" = "$(dpkg-deb -f "$deb" Version)" ] ||
    fail "NEWS.md has $news, the AppStream file $releases, the package $(dpkg-deb -f "$deb" Version)"

DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "$deb" >/dev/null
[ "$(command -v boardset)" = /usr/bin/boardset ] || fail "boardset is $(command -v boardset)"
/usr/bin/boardset --version
env -u DISPLAY -u WAYLAND_DISPLAY /usr/bin/boardset-editor --help | head -n 1
/usr/bin/boardset render "$source/fuzz/corpus/board_set_reader/three_boards_varied" \
    -o "$work/board.png" || fail "render cannot draw"
DEBIAN_FRONTEND=noninteractive $sudo apt-get remove --purge -y -qq boardset-editor >/dev/null
while IFS= read -r file; do [ ! -e "$file" ] || fail "$file is left"; done <"$work/files"
[ ! -e /usr/share/doc/boardset-editor ] || fail "a folder is left"
! dpkg-query -W boardset-editor 2>/dev/null || fail "dpkg still knows boardset-editor"
echo "the package installs, runs and goes without a trace"
