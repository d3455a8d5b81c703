#!/usr/bin/env bash
# Kills the window with SIGKILL N times (default 200) at random moments of
# its start-up on the saved settings, its editing and its close, and checks
# after each kill that each of the two settings files is the version before
# or the complete new one, that the next start takes what they hold, and
# that kolvane then starts on them, exits 0 and keeps their values. Prints
# the kills by phase and what they left; exits non-zero when it found a fault.
# Usage: tests/reliability/kill_test.sh [N] [SEED]
#   BUILD=dir uses another build folder; NO_BUILD=1 uses it as it is (the test suite does).
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${BUILD:-build}
if [ -z "${NO_BUILD:-}" ]; then
    [ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >&2
    cmake --build "$build" --target kolvane_kill_test -j "${JOBS:-2}" >&2
fi
"$build/tests/reliability/kolvane_kill_test" "${1:-200}" ${2:+"$2"} \
    2> >(grep -v 'propagateSizeHints' >&2)
