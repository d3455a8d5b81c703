#!/usr/bin/env bash
# Ticks and milliseconds that Read, Verify and Program take against the
# simulated unit, on the window's own 55 ms timer. Figures only.
# Usage: tests/bench/transfer_pace.sh [repeats]   (BUILD=dir to use another build folder)
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${BUILD:-build}
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >&2
cmake --build "$build" --target kolvane_transfer_pace -j "${JOBS:-2}" >&2
QT_QPA_PLATFORM=offscreen "./$build/tests/bench/kolvane_transfer_pace" "$@"
