#!/usr/bin/env bash
# Builds the fuzz targets with clang in build-fuzz/ and runs each for SECONDS
# (default 60), printing its executions and whether it found a failure; name
# targets after SECONDS to run only those. New inputs collect in
# build-fuzz/fuzz-work/<target>/, a failing input beside them; keep a failing
# input in tests/fuzz/corpus/<name>/ once it is fixed.
set -uo pipefail

usage="usage: $0 [SECONDS [TARGET...]]"
seconds=${1:-60}
case $seconds in '' | *[!0-9]*) echo "$usage" >&2; exit 2 ;; esac
shift $(($# > 0 ? 1 : 0))
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$root/build-fuzz
# target:corpus folder under tests/fuzz/corpus (and its .dict beside this script)
all=("ign_reader_fuzz:ign" "settings_reader_fuzz:settings" "image_copy_fuzz:image_copy"
     "link_machine_fuzz:link_machine" "direct_link_fuzz:direct_link" "cli_options_fuzz:cli")
targets=()
for entry in "${all[@]}"; do
    wanted=$(($# == 0))
    for name in "$@"; do [ "$name" = "${entry%%:*}" ] && wanted=1; done
    [ "$wanted" = 1 ] && targets+=("$entry")
done
[ ${#targets[@]} -gt 0 ] && [ ${#targets[@]} -ge $# ] ||
    { echo "$usage; targets: ${all[*]%%:*}" >&2; exit 2; }

compiler=$(command -v clang++) || { echo "clang++ is missing: apt-get install clang" >&2; exit 1; }
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
mkdir -p "$build"
cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER="$compiler" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKOLVANE_FUZZ=ON "${launcher[@]}" >"$build/configure.log" 2>&1 ||
    { cat "$build/configure.log" >&2; exit 1; }
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
        grep -h -m 3 -E '^(==[0-9]+==ERROR|SUMMARY)| invariant: |Test unit written to' "$log"
    fi
done
exit $failed
