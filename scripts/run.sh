#!/usr/bin/env bash
# Installs what is needed, builds the editor and `boardset` (all that `cmake --install build`
# installs) and starts the editor.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DBSE_TESTS=OFF -DBSE_TOOLS=OFF >/dev/null
cmake --build build -j"$(nproc)"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found (DISPLAY is not set). The editor is built; start it on a desktop," >&2
    echo "or without one under a virtual X server:" >&2
    echo "  xvfb-run -a -s '-screen 0 1024x768x24' build/boardset-editor" >&2
    exit 2
fi
exec build/boardset-editor
