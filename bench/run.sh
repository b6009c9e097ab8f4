#!/usr/bin/env bash
# Measures the folder walk against its floor, in one run:
#   the walk over a generated tree (wall time per listed entry, CPU, memory),
#   the pauses alone, and the platform's own cost of the same listing and
#   attribute work without pauses (Wine's attrib -r /s /d on a fresh copy).
#   bench/run.sh [ENTRIES...]   (default: 1000 10000)
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
cd "$here/.."
bash scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target WalkBench >/dev/null
source scripts/wine-env.sh
ensure_prefix
start_server
trap stop_server EXIT

work=$(mktemp -d)
trap 'stop_server; chmod -R u+w "$work"; rm -rf "$work"' EXIT

# A tree of about N listed entries: folders of 100 entries each ("." and ".."
# included), every file read-only.
make_tree() {
    local dir=$1 entries=$2 folders f
    folders=$(( (entries + 99) / 100 ))
    mkdir -p "$dir"
    for ((f = 0; f < folders; f++)); do
        mkdir "$dir/folder$f"
        (cd "$dir/folder$f" && touch $(seq -f 'file%g.txt' 1 97))
    done
    chmod -R a-w "$dir"/folder*/*
}

bench=build/bench/WalkBench.exe
for entries in "${@:-1000 10000}"; do
    for n in $entries; do
        make_tree "$work/walk$n" "$n"
        cp -a "$work/walk$n" "$work/attrib$n"
        wine attrib /? >/dev/null 2>&1 </dev/null   # warm start, not measured
        t0=$(date +%s.%N)
        wine attrib -r /s /d "$(win_path "$work/attrib$n")\\*" >/dev/null 2>&1 </dev/null
        t1=$(date +%s.%N)
        wine cmd /c exit >/dev/null 2>&1 </dev/null
        t2=$(date +%s.%N)
        wine cmd /c exit >/dev/null 2>&1 </dev/null
        t3=$(date +%s.%N)
        left=$(find "$work/attrib$n" -type f ! -perm -u+w | wc -l)
        out=$(wine "$bench" "$(win_path "$work/walk$n")" 2>&1 </dev/null)
        left_walk=$(find "$work/walk$n" -type f ! -perm -u+w | wc -l)
        python3 - "$n" "$t0" "$t1" "$t2" "$t3" "$left" "$left_walk" <<PY
import sys
n, t0, t1, t2, t3, left, left_walk = sys.argv[1:]
attrib = float(t1) - float(t0) - (float(t3) - float(t2))  # less one program start
r = dict(line.split() for line in """$out""".strip().splitlines())
entries = int(r["entries"]); wall = float(r["wall_s"]); pause = float(r["pause_ms"]) / 1000
floor = entries * pause + attrib
print(f"tree of {entries} listed entries (asked for {n})")
print(f"  walk:       {wall:.3f} s, {float(r['per_entry_ms']):.3f} ms per entry, files left read-only: {left_walk}")
print(f"  pauses:     {entries * pause:.3f} s ({pause * 1000:.3f} ms each)")
print(f"  platform:   {attrib:.3f} s (attrib -r /s /d, files left read-only: {left})")
print(f"  floor:      {floor:.3f} s; walk / floor = {wall / floor:.3f} (goal <= 1.05)")
print(f"  CPU:        {float(r['cpu_s']):.3f} s = {float(r['cpu_share']):.3f} of a core (goal <= 0.1)")
print(f"  peak memory: working set {r['peak_working_set_kib']} KiB, private {r['peak_private_kib']} KiB")
PY
    done
done
