#!/usr/bin/env python3
"""Where the main thread's time goes until the first paint, sampled.

    bench/startup_profile.py BUILD_DIR [BUILD_DIR...] [--runs N]

Starts each build's Vantrel and its bare Qt window N times (default 8) to
the first paint under Xvfb and `perf record` (4,000 samples a second, call
stacks unwound with DWARF), and prints, per program, the main thread's
sampled milliseconds per start: the dynamic loader before `main`, at first
calls of a function and while loading plug-ins, page faults, the rest of
the kernel, and the rest of user space by library; and, from starts traced
apart with the scheduler's switches, the median time the main thread spent
off its core. Sampling costs time of
its own, so the figures compare programs of one run, not clocks.

Needs perf (Debian: linux-perf) and xvfb-run; perf may need
kernel.perf_event_paranoid at 1 or lower, or root.
"""

import collections
import os
import re
import shutil
import subprocess
import sys
import tempfile

RATE = 4000
# A row apart: the median of separate starts traced with the scheduler's
# switches, not a share of the samples.
OFF_CORE = "off its core (median of the starts, traced apart)"


def classify(frames):
    """The bucket of one sample of the main thread, from its call stack."""
    # perf lists functions inlined into the sampled one as frames of their
    # own; the library is that of the first real frame.
    top = next((f for f in frames if f[1] != "inlined"), frames[0])
    if "[kernel" in top[1] or top[1] == "[unknown]" and top[0].startswith("ffff"):
        stack = " ".join(f[0] for f in frames)
        if "asm_exc_page_fault" in stack:
            return "kernel: page faults"
        return "kernel: the rest"
    if "ld-linux" in top[1]:
        stack = " ".join(f[0] for f in frames)
        if "_dl_runtime_resolve" in stack or "_dl_fixup" in stack:
            return "loader: at first calls"
        if "dl_open_worker" in stack or "_dl_open" in stack or "dlopen" in stack:
            return "loader: plug-ins"
        return "loader: before main"
    return "user: " + os.path.basename(top[1])


def samples(data):
    out = subprocess.run(["perf", "script", "-F", "tid,ip,sym,dso", "-i", data],
                         capture_output=True, text=True, check=True).stdout
    main = None
    for block in out.split("\n\n"):
        lines = [l.strip() for l in block.strip().split("\n") if l.strip()]
        if not lines:
            continue
        tid = int(lines[0].split()[0])
        main = tid if main is None else main
        if tid != main:
            continue
        frames = []
        for line in lines[1:]:
            m = re.match(r"([0-9a-f]+) (.*) \((.*)\)$", line)
            if m:
                frames.append((m.group(2), m.group(3)))
        if frames:
            yield frames


def off_core_ms(data):
    """How long the main thread was off its core: waiting for a lock, the
    display server or a free core."""
    out = subprocess.run(["perf", "script", "-F", "tid,time,trace", "-i", data],
                         capture_output=True, text=True, check=True).stdout
    main = None
    left = None
    total = 0.0
    for line in out.splitlines():
        m = re.match(r"\s*(\d+)\s+([\d.]+):\s+prev_comm=.* prev_pid=(\d+) .*==> next_comm=.* next_pid=(\d+)", line)
        if not m:
            continue
        when, prev, nxt = float(m.group(2)), int(m.group(3)), int(m.group(4))
        main = prev if main is None else main
        if prev == main:
            left = when
        elif nxt == main and left is not None:
            total += when - left
            left = None
    return total * 1000.0


def profile(programs, runs, env):
    """Sampled ms per start for each program; the programs take turns, so a
    change of the machine's speed touches them alike."""
    buckets = [collections.Counter() for _ in programs]
    waits = [[] for _ in programs]
    with tempfile.TemporaryDirectory() as folder:
        data = os.path.join(folder, "perf.data")
        for _ in range(runs):
            for index, program in enumerate(programs):
                subprocess.run(["perf", "record", "-q", "-F", str(RATE), "--call-graph", "dwarf,8192",
                                "-o", data, program], env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL, check=False)
                for frames in samples(data):
                    buckets[index][classify(frames)] += 1
                subprocess.run(["perf", "record", "-q", "-e", "sched:sched_switch", "-o", data, program],
                               env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
                waits[index].append(off_core_ms(data))
    results = [{name: count * 1000.0 / RATE / runs for name, count in counts.items()} for counts in buckets]
    for result, times in zip(results, waits):
        times.sort()
        result[OFF_CORE] = times[len(times) // 2]
    return results


def main(args):
    runs = 8
    if "--runs" in args:
        at = args.index("--runs")
        runs = int(args[at + 1])
        del args[at:at + 2]
    if not args:
        print(__doc__, file=sys.stderr)
        return 2
    if not os.environ.get("VANTREL_PROFILE_INNER"):
        for tool in ("perf", "xvfb-run"):
            if not shutil.which(tool):
                print(f"startup_profile.py needs {tool}", file=sys.stderr)
                return 1
        env = dict(os.environ, VANTREL_PROFILE_INNER="1")
        return subprocess.call(["xvfb-run", "-a", "-s", "-screen 0 1280x800x24", sys.executable,
                                os.path.abspath(__file__), "--runs", str(runs)] + args, env=env)
    with tempfile.TemporaryDirectory() as scratch:
        env = dict(os.environ, VANTREL_EXIT_AFTER_FIRST_PAINT="1",
                   XDG_DATA_HOME=os.path.join(scratch, "data"), XDG_CONFIG_HOME=os.path.join(scratch, "config"),
                   XDG_RUNTIME_DIR=os.path.join(scratch, "runtime"))
        for name in ("data", "config", "runtime"):
            os.mkdir(os.path.join(scratch, name), 0o700)
        programs = [(os.path.join(args[0], "bin", "bare_window"), "bare window")]
        programs += [(os.path.join(build, "bin", "Vantrel"), build) for build in args]
        results = list(zip([label for _, label in programs], profile([p for p, _ in programs], runs, env)))
    names = sorted({n for _, r in results for n in r}, key=lambda n: -max(r.get(n, 0) for _, r in results))
    print(f"Main thread to the first paint, sampled ms per start ({runs} starts each, {RATE} samples/s)")
    print()
    print("| What | " + " | ".join(label for label, _ in results) + " |")
    print("|---|" + "---|" * len(results))
    print("| all | " + " | ".join(f"{sum(v for n, v in r.items() if n != OFF_CORE):.1f}" for _, r in results) + " |")
    for name in names:
        if max(r.get(name, 0) for _, r in results) >= 0.1:
            print(f"| {name} | " + " | ".join(f"{r.get(name, 0):.2f}" for _, r in results) + " |")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
