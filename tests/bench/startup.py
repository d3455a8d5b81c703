#!/usr/bin/env python3
"""Time from starting kolvane to the first paint of its window, and its peak
memory, beside a minimal Qt Widgets window with 150 labels started the same
way (the floor no Qt program beats). Figures only.
Usage: tests/bench/startup.py [runs]   (BUILD=dir for another build folder)"""
import os, statistics, subprocess, sys, tempfile, time

root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
build = os.path.join(root, os.environ.get("BUILD", "build"))
runs = int(sys.argv[1]) if len(sys.argv) > 1 else 15
subprocess.run(["cmake", "--build", build, "-j", os.environ.get("JOBS", "2"), "--target",
                "kolvane", "kolvane_startup_floor"], check=True, stdout=subprocess.DEVNULL)


def measure(command):
    times, peaks = [], []
    for _ in range(runs):
        with tempfile.TemporaryDirectory() as config:
            env = dict(os.environ, KOLVANE_STARTUP_PROBE="1", XDG_CONFIG_HOME=config,
                       QT_QPA_PLATFORM=os.environ.get("QT_QPA_PLATFORM", "offscreen"))
            start = time.monotonic_ns() / 1e6
            done = subprocess.run(command, env=env, capture_output=True, text=True, timeout=60)
        probe = [l for l in done.stderr.splitlines() if l.startswith("first_paint_monotonic_ms=")]
        if not probe:
            sys.exit(f"{command[0]} printed no probe line:\n{done.stderr}")
        fields = dict(f.split("=") for f in probe[0].split())
        times.append(float(fields["first_paint_monotonic_ms"]) - start)
        peaks.append(int(fields["peak_kib"]) / 1024)
    return statistics.median(times), min(times), statistics.median(peaks)


# A pseudo-terminal that nothing answers on: the port opens as an adapter's
# would, and no device of the machine is probed.
master, slave = os.openpty()
program = measure([os.path.join(build, "app", "kolvane"), "--port", os.ttyname(slave)])
floor = measure([os.path.join(build, "tests", "bench", "kolvane_startup_floor")])
for name, (median, best, peak) in (("kolvane", program), ("150-label floor", floor)):
    print(f"{name:16} first paint {median:7.1f} ms (best {best:6.1f})   peak memory {peak:6.1f} MiB")
print(f"ratio            time {program[0] / floor[0]:.2f}x   memory {program[2] / floor[2]:.2f}x"
      f"   (median of {runs} runs each)")
