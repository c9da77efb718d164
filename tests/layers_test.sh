#!/usr/bin/env bash
# Each folder of src/ includes headers only from the folders it may use: the ones below it.
set -u
cd "$(dirname "$0")/../src" || exit 2
declare -A may=(
    [base]="base" [io]="base io" [model]="base model"
    [format]="base model format" [view]="base model view" [png]="base model view png"
    [platform]="base io model view platform"
    [editor]="base io model format view platform editor"
    [shell]="base io model format view platform editor shell"
    [frontend]="base io model view platform frontend"
    [qt]="base io model format view png platform editor shell frontend qt"
    [win32]="base io model format view png platform editor shell frontend win32"
    [cli]="base io model format view png platform cli"
    [app]="base io model format view png platform editor shell frontend qt win32 app"
)
status=0
for folder in *; do
    [ -n "${may[$folder]+set}" ] || { echo "src/$folder has no place among the layers"; status=1; continue; }
    while IFS=: read -r file used; do
        [[ " ${may[$folder]} " == *" $used "* ]] || { echo "$file uses $used/"; status=1; }
    done < <(grep -rHoE '^#include "[a-z_]+/' "$folder" | sed -E 's/#include "([a-z_]+)\//\1/')
done
exit $status
