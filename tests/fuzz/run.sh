#!/usr/bin/env bash
# Builds the fuzz targets with clang in build-fuzz/ and runs each for SECONDS
# (default 60), printing its executions and whether it found a failure. New
# inputs collect in build-fuzz/fuzz-work/<target>/, a failing input beside
# them; keep a failing input in tests/fuzz/corpus/<name>/ once it is fixed.
set -uo pipefail

seconds=${1:-60}
case $seconds in '' | *[!0-9]*) echo "usage: $0 [SECONDS]" >&2; exit 2 ;; esac
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$root/build-fuzz
# target:corpus folder under tests/fuzz/corpus
targets=("ign_reader_fuzz:ign")

compiler=$(command -v clang++) || { echo "clang++ is missing: apt-get install clang" >&2; exit 1; }
mkdir -p "$build"
cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER="$compiler" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKOLVANE_FUZZ=ON >"$build/configure.log" 2>&1 || { cat "$build/configure.log" >&2; exit 1; }
names=()
for entry in "${targets[@]}"; do names+=("${entry%%:*}"); done
# Two jobs at most: the machine is shared.
cmake --build "$build" -j2 --target "${names[@]}" >"$build/build.log" 2>&1 ||
    { tail -n 40 "$build/build.log" >&2; exit 1; }

failed=0
for entry in "${targets[@]}"; do
    target=${entry%%:*}
    work=$build/fuzz-work/$target
    mkdir -p "$work/new"
    log=$work/last-run.log
    dict=()
    [ -f "$root/tests/fuzz/${entry##*:}.dict" ] && dict=(-dict="$root/tests/fuzz/${entry##*:}.dict")
    "$build/tests/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 "${dict[@]}" \
        -artifact_prefix="$work/" "$work/new" "$root/tests/fuzz/corpus/${entry##*:}" >"$log" 2>&1
    status=$?
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    if [ "$status" -eq 0 ]; then
        echo "$target: ${executions:-?} executions in ${seconds} s, no failure"
    else
        failed=1
        echo "$target: FAILED after ${executions:-?} executions (exit $status); see $log"
        grep -h -m 3 -E '^(==[0-9]+==ERROR|SUMMARY|ign reader:)|Test unit written to' "$log"
    fi
done
exit $failed
