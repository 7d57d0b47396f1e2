#!/usr/bin/env python3
"""The game's start and end against a minimal Qt Widgets program, whole processes.

usage: bench/startup.py [build folder] [pairs]

Both programs run under one Xvfb server of 1920 x 1080 in alternating pairs, after a
warm-up, so that whatever else the machine does weighs on both alike. Each program is
measured twice over, and each run must print "first paint 1920x1080" (the window it
painted, at the screen's size) or the benchmark stops:
  first paint   QUENNA2_QUIT_AFTER_START=paint: from the process's start until it ends
                right after its main window's first paint (it ends on the spot, tearing
                nothing down);
  start-to-exit QUENNA2_QUIT_AFTER_START=exit: the window closed right after its first
                paint through File > Exit's handler (the minimal program closes its
                window), and the program ending as it always does.
For each, the medians of the wall time, the CPU time (user + system) and the peak
memory (resident set), and the game's ratio to the minimal program.
Needs: Xvfb, and a build configured with -DQUENNA2_BENCH=ON.
"""

import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

WARM_UP = 2
SCREEN = "1920x1080x24"
SCREEN_SIZE = "1920x1080"


def start_xvfb():
    """An X server of its own, on a display number away from those that others take."""
    for number in range(140, 240):
        if os.path.exists(f"/tmp/.X{number}-lock"):
            continue
        read, write = os.pipe()
        server = subprocess.Popen(
            ["Xvfb", f":{number}", "-displayfd", str(write), "-screen", "0", SCREEN,
             "-nolisten", "tcp", "-noreset"],
            pass_fds=[write], stderr=subprocess.DEVNULL)
        os.close(write)
        with os.fdopen(read) as ready:
            if ready.readline().strip() == str(number):
                return server, f":{number}"
        server.wait()
    sys.exit("Xvfb did not start")


def run(program, mode, environment):
    """One run: wall seconds, CPU seconds, peak resident MiB."""
    env = dict(environment, QUENNA2_QUIT_AFTER_START=mode)
    start = time.perf_counter()
    with tempfile.TemporaryFile() as output, tempfile.TemporaryFile() as errors:
        child = subprocess.Popen([program], env=env, stdout=output, stderr=errors)
        _, status, usage = os.wait4(child.pid, 0)
        wall = time.perf_counter() - start
        output.seek(0)
        said = output.read().decode(errors="replace")
        errors.seek(0)
        if status != 0:
            sys.exit(f"{program} (QUENNA2_QUIT_AFTER_START={mode}) ended with wait status "
                     f"{status}:\n{errors.read().decode(errors='replace')}")
    # The check that a run measured what it claims: the program painted its main window,
    # at the size of the screen, before it ended.
    if f"first paint {SCREEN_SIZE}" not in said:
        sys.exit(f"{program} (QUENNA2_QUIT_AFTER_START={mode}) ended without reporting "
                 f"the first paint of a {SCREEN_SIZE} window; it said: {said!r}")
    return wall, usage.ru_utime + usage.ru_stime, usage.ru_maxrss / 1024


def main():
    build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build")
    pairs = int(sys.argv[2]) if len(sys.argv) > 2 else 15
    game = os.path.join(build, "quenna2")
    minimal = os.path.join(build, "bench", "quenna2_minimal_window")
    for program in (game, minimal):
        if not os.access(program, os.X_OK):
            sys.exit(f"{program} is missing: build with -DQUENNA2_BENCH=ON")
    if shutil.which("Xvfb") is None:
        sys.exit("Xvfb is missing (apt-get install xvfb)")

    scratch = tempfile.mkdtemp(prefix="quenna2-startup-")
    runtime = os.path.join(scratch, "runtime")
    os.makedirs(runtime, mode=0o700)
    server, display = start_xvfb()
    # A scratch home keeps the player's own settings and saved games out of it.
    environment = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "DISPLAY": display,
                   "HOME": scratch, "XDG_RUNTIME_DIR": runtime,
                   "QT_QPA_PLATFORM": "xcb"}
    try:
        results = {}
        for mode in ("paint", "exit"):
            for _ in range(WARM_UP):
                run(game, mode, environment)
                run(minimal, mode, environment)
            runs = {"game": [], "minimal": []}
            for _ in range(pairs):
                runs["game"].append(run(game, mode, environment))
                runs["minimal"].append(run(minimal, mode, environment))
            results[mode] = runs
    finally:
        server.terminate()
        server.wait()
        shutil.rmtree(scratch, ignore_errors=True)

    load = os.getloadavg()
    print(f"Whole processes under Xvfb {SCREEN}, medians of {pairs} alternating pairs "
          f"(load average {load[0]:.2f} {load[1]:.2f} {load[2]:.2f})")
    print(f"{'':34}{'game':>10}{'minimal':>10}{'ratio':>8}")
    titles = {"paint": "start to first paint", "exit": "start to exit (File > Exit)"}
    for mode, runs in results.items():
        for index, (what, unit, scale) in enumerate(
                (("wall", "ms", 1000), ("CPU", "ms", 1000), ("peak memory", "MiB", 1))):
            game_median = statistics.median(r[index] for r in runs["game"]) * scale
            minimal_median = statistics.median(r[index] for r in runs["minimal"]) * scale
            label = f"{titles[mode]}, {what}" if index == 0 else f"  {what}"
            print(f"{label:34}{game_median:8.1f}{unit:>2}{minimal_median:8.1f}{unit:>2}"
                  f"{game_median / minimal_median:7.2f}x")


if __name__ == "__main__":
    main()
