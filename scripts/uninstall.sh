#!/usr/bin/env bash
# Undoes `cmake --install BUILD_DIR --prefix PREFIX`: removes every file that install_manifest.txt
# lists and the editor's own folders once empty, then tells the desktop's two databases.
#   scripts/uninstall.sh [BUILD_DIR]     (default build)
set -euo pipefail
manifest=${1:-build}/install_manifest.txt
[ -f "$manifest" ] || { echo "uninstall: $manifest: not found; nothing was installed from there" >&2; exit 1; }
share=""
while IFS= read -r file; do
    case $file in */share/applications/*.desktop) share=${file%/applications/*} ;; esac
    rm -f -- "$file"
    folder=$(dirname -- "$file")
    while [[ $folder == */*boardset* ]] && rmdir -- "$folder" 2>/dev/null; do
        folder=$(dirname -- "$folder")
    done
done <"$manifest"
if [ -n "$share" ]; then
    update-mime-database "$share/mime"
    update-desktop-database "$share/applications"
fi
echo "uninstalled the files of $manifest"
