#!/usr/bin/env bash
# How long `kolvane-cli program` and its verify take against the simulated
# unit, beside what the wire allows: three exchanges of 2 x 52 bytes at
# 57600 baud, 10 bits a byte. The simulator answers as fast as the pty goes;
# with --slow it holds each answer for about one exchange's wire time,
# which is what a real line costs. Figures only.
# Usage: tests/bench/cli_program_pace.sh [runs]   (BUILD=dir for another build folder)
set -euo pipefail
cd "$(dirname "$0")/../.."
runs=${1:-15}
build=${BUILD:-build}
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >&2
cmake --build "$build" --target kolvane-cli kolvane-unit-sim -j "${JOBS:-2}" >&2
cli=$build/cli/kolvane-cli
sim=$build/sim/kolvane-unit-sim
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT

measure() { # label, simulator options...
    local label=$1
    shift
    "$sim" --link "$work/unit" "$@" >/dev/null &
    local simpid=$!
    for _ in $(seq 50); do [ -e "$work/unit" ] && break; sleep 0.1; done
    "$cli" --port "$work/unit" read -o "$work/a.ign" 2>/dev/null
    # Two tunes taken in turn, so every run really changes the unit.
    sed 's/^LIMITER .*/LIMITER       100 /' "$work/a.ign" >"$work/b.ign"
    for i in $(seq "$runs"); do
        local file=$work/a.ign
        [ $((i % 2)) -eq 0 ] || file=$work/b.ign
        local start end
        start=$(date +%s%N)
        "$cli" --json --port "$work/unit" program "$file" >"$work/run$i.json" 2>/dev/null
        end=$(date +%s%N)
        echo "$(( (end - start) / 1000 ))" >"$work/wall$i"
    done
    kill "$simpid"
    wait "$simpid" 2>/dev/null || true
    python3 - "$label" "$work" "$runs" <<'PY'
import json, statistics, sys
label, work, runs = sys.argv[1], sys.argv[2], int(sys.argv[3])
results = [json.load(open(f"{work}/run{i}.json")) for i in range(1, runs + 1)]
assert all(r["status"] == 0 for r in results), "a run failed"
program = statistics.median(r["timing_ms"]["program"] for r in results)
read = statistics.median(r["timing_ms"]["read"] for r in results)
wall = statistics.median(int(open(f"{work}/wall{i}").read()) for i in range(1, runs + 1)) / 1000
wire = 3 * 2 * 52 * 10 / 57600 * 1000
print(f"{label:28} program+verify {program:7.1f} ms   read first {read:6.1f} ms   "
      f"whole command {wall:6.1f} ms   (wire limit for program+verify {wire:.1f} ms, median of {runs})")
PY
}

measure "simulator, unpaced"
measure "simulator, --slow 18 (wire)" --slow 18
