#!/usr/bin/env bash
# The window on a noisy, slow line for SECONDS (default 600): the simulated
# unit puts stray bytes before some of its answers and holds every answer
# back, while the window polls and runs Read, Program and Verify over and
# over with edits between them. Prints how the commands ended, the monitor
# answers and any difference between the unit and the window; exits
# non-zero when it found a fault.
# Usage: tests/reliability/noisy_line.sh [SECONDS] [--stray-percent P] [--slow MS] [--seed N]
#   BUILD=dir uses another build folder; NO_BUILD=1 uses it as it is (the test suite does).
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${BUILD:-build}
seconds=${1:-600}
[ $# -gt 0 ] && shift
if [ -z "${NO_BUILD:-}" ]; then
    [ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >&2
    cmake --build "$build" --target kolvane_noisy_line -j "${JOBS:-2}" >&2
fi
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=offscreen \
    "$build/tests/reliability/kolvane_noisy_line" "$seconds" "$@" \
    2> >(grep -v 'propagateSizeHints' >&2)
