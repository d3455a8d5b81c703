#!/usr/bin/env bash
# Processor and memory use of the program while it polls the simulated unit.
# Figures only. Usage: tests/bench/idle_usage.sh [seconds]   (after `make build`)
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${1:-30}
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} ./build/app/kolvane --demo >/dev/null 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
sleep 3 # start-up is not idle
hz=$(getconf CLK_TCK)
cpu() { awk '{print $14 + $15}' "/proc/$1/stat"; }
sim=$(pgrep -P "$pid" -f kolvane-unit-sim)
p0=$(cpu "$pid"); s0=$(cpu "$sim")
sleep "$seconds"
p1=$(cpu "$pid"); s1=$(cpu "$sim")
share() { awk -v t="$1" -v hz="$hz" -v s="$seconds" 'BEGIN { printf "%.2f", 100 * t / hz / s }'; }
echo "kolvane:          $(share $((p1 - p0)))% of one core over ${seconds} s"
echo "kolvane-unit-sim: $(share $((s1 - s0)))% of one core over ${seconds} s"
echo "kolvane resident: $(awk '/VmRSS/ {print $2, $3}' "/proc/$pid/status"), peak $(awk '/VmHWM/ {print $2, $3}' "/proc/$pid/status")"
