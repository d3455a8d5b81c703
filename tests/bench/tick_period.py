#!/usr/bin/env python3
"""The real tick period of the running program, measured from outside.

Starts build/app/kolvane offscreen on a pseudo-terminal of its own and plays
a unit that answers every monitor request. The program polls every sixth
tick, so the time between requests divided by six is one tick. Figures only.

Usage: tests/bench/tick_period.py [seconds]   (after `make build`)
"""
import os
import select
import statistics
import subprocess
import sys
import time
import tty

FRAME = 52
MONITOR_REQUEST = 0x30
PROGRAM_VERSION = 72


def monitor_answer():
    frame = bytearray(FRAME)
    frame[0] = 0xB0
    frame[50] = PROGRAM_VERSION
    check = 0xFF
    for byte in frame[:51]:
        check ^= byte
    frame[51] = check
    return bytes(frame)


def main():
    seconds = float(sys.argv[1]) if len(sys.argv) > 1 else 20.0
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
    program = os.path.join(root, "build", "app", "kolvane")
    master, slave = os.openpty()
    tty.setraw(slave)
    device = os.ttyname(slave)
    env = dict(os.environ, QT_QPA_PLATFORM=os.environ.get("QT_QPA_PLATFORM", "offscreen"))
    child = subprocess.Popen([program, "--port", device], env=env,
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    answer = monitor_answer()
    pending = b""
    requests = []
    try:
        end = time.monotonic() + seconds + 3
        while time.monotonic() < end:
            ready, _, _ = select.select([master], [], [], 0.5)
            if not ready:
                continue
            pending += os.read(master, 4096)
            while len(pending) >= FRAME:
                frame, pending = pending[:FRAME], pending[FRAME:]
                if frame[0] == MONITOR_REQUEST:
                    requests.append(time.monotonic())
                    os.write(master, answer)
    finally:
        child.terminate()
        child.wait(timeout=10)
    # The first seconds are start-up, not the steady beat.
    steady = [t for t in requests if t >= requests[0] + 3] if requests else []
    gaps = [b - a for a, b in zip(steady, steady[1:])]
    if len(gaps) < 10:
        print("too few monitor requests to measure (%d)" % len(requests))
        return 1
    ticks = [gap / 6 * 1000 for gap in gaps]
    print("monitor requests: %d over %.1f s" % (len(steady), steady[-1] - steady[0]))
    print("tick period: mean %.2f ms, median %.2f ms, min %.2f ms, max %.2f ms (nominal 55 ms)"
          % (statistics.mean(ticks), statistics.median(ticks), min(ticks), max(ticks)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
