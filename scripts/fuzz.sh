#!/usr/bin/env bash
# Builds the libFuzzer harnesses (fuzz/) with clang, replays the committed seed corpus, then fuzzes
# each harness for a bounded time. Exits non-zero when any harness crashes or fails a check.
#
#   FUZZ_SECONDS=60 scripts/fuzz.sh     (seconds of fuzzing per harness, default 60; 0 = replay)
#
# New inputs go to a scratch copy in build-fuzz/; the committed corpus is only read. Crashing
# inputs land in build-fuzz/artifacts/<harness>/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${FUZZ_SECONDS:-60}
build="build-fuzz"

# --- What is needed -------------------------------------------------------------------------
bash scripts/install-deps.sh clang libclang-rt-14-dev

# --- Build ----------------------------------------------------------------------------------
CC=clang CXX=clang++ cmake -S fuzz -B "$build" -DCMAKE_BUILD_TYPE= >/dev/null
cmake --build "$build" -j"$(nproc)" --target board_set_reader_fuzzer version1_import_fuzzer \
    text_form_fuzzer

export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export ASAN_OPTIONS=detect_leaks=1

# name, max_len, len_control. The reader's limit covers 43 boards; its checks sit in the first
# bytes, so inputs may grow slowly (libFuzzer's default). The import's limit passes 201 boards,
# and len_control 0 lets any size up to it be tried at once: grown gradually, the sizes around
# 80,400 bytes are not reached in a minute. The text form's limit holds a dozen boards; its
# checks are the same for every board.
fuzzers=(
    "board_set_reader 70000 100"
    "version1_import 82000 0"
    "text_form 16384 100"
)

failed=()
summary=()
for entry in "${fuzzers[@]}"; do
    read -r name max_len len_control <<<"$entry"
    binary=$build/${name}_fuzzer
    seeds=fuzz/corpus/$name
    logs=$build/logs
    artifacts=$build/artifacts/$name/
    mkdir -p "$logs" "$artifacts"

    echo "== $name: replaying $(find "$seeds" -type f | wc -l) seeds"
    # Files as arguments: each runs once, and a failing seed fails the run.
    if ! find "$seeds" -type f -print0 | sort -z |
        xargs -0 -r "$binary" -artifact_prefix="$artifacts" >"$logs/$name-replay.log" 2>&1; then
        tail -n 30 "$logs/$name-replay.log"
        failed+=("$name (seed replay)")
        continue
    fi

    if [ "$seconds" -eq 0 ]; then
        continue
    fi
    echo "== $name: fuzzing for ${seconds} s (max_len $max_len, len_control $len_control)"
    work=$build/corpus/$name
    rm -rf "$work"
    mkdir -p "$work"
    cp -- "$seeds"/* "$work"/
    status=0
    "$binary" "$work" -max_total_time="$seconds" -max_len="$max_len" -len_control="$len_control" \
        -artifact_prefix="$artifacts" -print_final_stats=1 >"$logs/$name.log" 2>&1 || status=$?
    # The final "#N DONE" line carries coverage and exec/s; "Done N runs" the totals.
    grep -E '^#[0-9]+[[:space:]]+DONE' "$logs/$name.log" | tail -n 1 || true
    grep -E '^Done [0-9]+ runs' "$logs/$name.log" | tail -n 1 || true
    if [ "$status" -ne 0 ]; then
        tail -n 40 "$logs/$name.log"
        failed+=("$name (exit $status, inputs in $artifacts)")
        continue
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$logs/$name.log")
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$logs/$name.log")
    summary+=("$name: $runs runs, $rate exec/s")
done

echo "== summary"
for line in "${summary[@]+"${summary[@]}"}"; do
    echo "   $line"
done
if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzz: failed: ${failed[*]}" >&2
    exit 1
fi
echo "fuzz: no crashes, no failed checks"
