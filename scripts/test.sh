#!/usr/bin/env bash
# Installs what is needed, fuzzes the file readers for a bounded time, builds with
# AddressSanitizer and UndefinedBehaviorSanitizer, runs every test, and builds once in Release
# with warnings as errors, packaged for Debian and installed; then the Windows programs, tested
# under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
bash scripts/fuzz.sh

cmake -S . -B build-check -DCMAKE_BUILD_TYPE=Debug -DBSE_SANITIZE=ON -DBSE_BENCHMARKS=ON >/dev/null
cmake --build build-check -j"$(nproc)"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export ASAN_OPTIONS=detect_leaks=1
export LSAN_OPTIONS=suppressions="$PWD/tests/lsan.supp":print_suppressions=0
ctest --test-dir build-check --output-on-failure -j"$(nproc)"

# Once more optimised, with warnings as errors: gcc's optimiser warns about code that a Debug
# build passes. Building is the check; the tests ran above.
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS=-Werror \
    -DBSE_BENCHMARKS=ON >/dev/null
cmake --build build-release -j"$(nproc)"

# The Debian package of that Release build: lintian, then installed with apt-get, run, and purged.
bash tests/desktop/package_test.sh build-release

# README's install sequence on a clean prefix: run.sh's build (no display), then cmake --install.
bash tests/desktop/install_test.sh --readme

# Windows: the core, boardset.exe and the Win32 editor cross-built with MinGW-w64 and warnings as
# errors; their tests run under Wine in a prefix made once here (no Mono or Gecko asked for), the
# editor's end to end on Xvfb with openbox in a prefix of its own; the zip made and listed.
bash scripts/install-deps.sh g++-mingw-w64-x86-64-posix wine64 wine libz-mingw-w64-dev \
    openbox fonts-wine xclip x11-xserver-utils x11-apps
export WINEPREFIX="$PWD/build-win/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake >/dev/null
cmake --build build-win -j"$(nproc)"
wineboot -i >/dev/null 2>&1 # the prefix's first start would speak on the tests' standard error
ctest --test-dir build-win --output-on-failure
