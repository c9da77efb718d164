#!/usr/bin/env bash
# Times boardset as a whole process (Release build, hyperfine) and checks the limits:
#   check of a 200-board file (320,929 bytes)   at most 3 x cat of the same file
#   render --all of 200 boards                  at most 1 s
#   export, import of 200 boards                at most 20 ms each
#   merge of three 200-board files, diff of two  at most 10 ms each (beside cat of the same files)
#   bench/cli/measure.sh [BUILD_DIR]     (default build-cli-bench)
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build-cli-bench}

bash scripts/install-deps.sh hyperfine
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DBSE_TESTS=OFF -DBSE_TOOLS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target boardset >/dev/null
boardset=$PWD/$build/boardset

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
# 200 boards full of every kind of block, no two rows alike: the most a sheet has to compress.
awk -v chars='.123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefg' 'BEGIN {
    print "{\n  \"name\": \"Untitled Board\",\n  \"author\": \"Unknown\","
    print "  \"brickImagePath\": \"X:\\\\Plinkor\\\\Boards\\\\TollanBrick.img\","
    print "  \"backgroundImagePath\": \"X:\\\\Plinkor\\\\Boards\\\\TollanBackground.img\","
    printf "  \"boards\": ["
    for (b = 0; b < 200; b++) {
        printf "%s\n    {\n      \"background\": %d,\n      \"rows\": [\n", b ? "," : "", b % 21
        for (r = 0; r < 20; r++) {
            row = ""
            for (c = 0; c < 20; c++) {
                row = row substr(chars, 1 + (b * 7 + r * 13 + c * 31 + (r * c) % 11) % 43, 1)
            }
            printf "        \"%s\"%s\n", row, r < 19 ? "," : ""
        }
        printf "      ]\n    }"
    }
    print "\n  ]\n}"
}' >boards.json
"$boardset" import boards.json -o boards.bds
size=$(stat -c %s boards.bds)
[ "$size" = 320929 ] || { echo "the 200-board file has $size bytes, not 320929"; exit 1; }
# Two sides of it for git's merge driver: board 10 painted, board 150's background changed.
"$boardset" export boards.bds -o numbered.json
sed '247s/"./"7/' numbered.json | "$boardset" import - -o ours.bds
sed '3883s/: .*/: 9,/' numbered.json | "$boardset" import - -o theirs.bds

hyperfine -N --warmup 5 --min-runs 30 --export-json times.json \
    -n cat "cat boards.bds" \
    -n version "$boardset --version" \
    -n check "$boardset check boards.bds" \
    -n render-all "$boardset render --all boards.bds -o sheet.png" \
    -n export "$boardset export boards.bds -o out.json" \
    -n import "$boardset import boards.json -o out.bds"
# The merge writes into OURS: each run starts from a fresh copy (one preparation per command);
# diff ends with 1, as the files differ.
hyperfine -N -i --warmup 5 --min-runs 30 --export-json compare.json \
    --prepare "cp ours.bds merged.bds" --prepare true --prepare true --prepare true \
    -n merge "$boardset merge boards.bds merged.bds theirs.bds" \
    -n cat-three "cat boards.bds ours.bds theirs.bds" \
    -n diff "$boardset diff boards.bds ours.bds" \
    -n cat-two "cat boards.bds ours.bds"
"$boardset" diff boards.bds merged.bds || true
echo "sheet: $(stat -c %s sheet.png) bytes"

# Judged by the median: on a machine shared with other builds the mean carries their bursts.
python3 - times.json compare.json <<'PY'
import json, sys
runs = {r["command"]: r for f in sys.argv[1:] for r in json.load(open(f))["results"]}
def ms(name, key): return runs[name][key] * 1000
ok = True
ratio = ms("check", "median") / ms("cat", "median")
print(f"check / cat        {ratio:6.2f} x   (limit 3 x; means {ms('check', 'mean'):.1f} / {ms('cat', 'mean'):.1f} ms)")
ok &= ratio <= 3
for name, limit in (("version", None), ("cat", None), ("render-all", 1000), ("export", 20),
                    ("import", 20), ("merge", 10),
                    ("diff", 10), ("cat-three", None), ("cat-two", None)):
    median = ms(name, "median")
    print(f"{name:18} {median:6.1f} ms  (limit {limit or '-'} ms; mean {ms(name, 'mean'):.1f} ms)")
    ok &= limit is None or median <= limit
sys.exit(0 if ok else 1)
PY
