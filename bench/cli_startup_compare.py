#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 the Octaval developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""One answer from the shell: octaval-cli against a peer calculator, run alternately.

Each timed run is started with posix_spawn (standard output to /dev/null) and reaped with wait4.
/bin/true runs in the same rotation, so that the cost of starting any process on this machine
can be told apart. Peak memory is taken apart from the timed runs, with GNU time (/usr/bin/time,
Debian package time): a child started by this Python process would inherit its peak.

    cli_startup_compare.py --cli build/release/cli/octaval-cli [--runs 20]
"""
import argparse
import os
import statistics
import subprocess
import sys
import time


def run_once(argv):
    devnull = os.open(os.devnull, os.O_WRONLY)
    try:
        start = time.perf_counter_ns()
        pid = os.posix_spawn(argv[0], argv, os.environ,
                             file_actions=[(os.POSIX_SPAWN_DUP2, devnull, 1)])
        _, status, _ = os.wait4(pid, 0)
        elapsed = time.perf_counter_ns() - start
    finally:
        os.close(devnull)
    if os.waitstatus_to_exitcode(status) not in (0, 1):
        sys.exit(f"{argv[0]} failed with status {status}")
    return elapsed / 1e6  # milliseconds


def peak_mib(argv, runs=5):
    """The largest peak resident memory over a few runs, in MiB, as GNU time reports it."""
    if not os.access("/usr/bin/time", os.X_OK):
        return float("nan")
    peaks = []
    for _ in range(runs):
        result = subprocess.run(["/usr/bin/time", "-f", "%M", *argv], stdout=subprocess.DEVNULL,
                                stderr=subprocess.PIPE, check=False)
        peaks.append(int(result.stderr.split()[-1]) / 1024)
    return max(peaks)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--cli", required=True, help="the octaval-cli program")
    parser.add_argument("--peer", default="/usr/bin/ipcalc-ng", help="the peer program")
    parser.add_argument("--runs", type=int, default=20, help="runs of each program (at least 20)")
    args = parser.parse_args()
    if not os.access(args.peer, os.X_OK):
        sys.exit(f"{args.peer} is not installed (Debian: apt-get install ipcalc-ng)")

    commands = {
        "octaval-cli 10.1.2.3 255.255.0.0": [os.path.abspath(args.cli), "10.1.2.3", "255.255.0.0"],
        "ipcalc-ng --all-info 10.1.2.3/16": [args.peer, "--all-info", "10.1.2.3/16"],
        "true": ["/bin/true"],
    }
    for argv in commands.values():  # warm the page cache
        run_once(argv)
    times = {name: [] for name in commands}
    for _ in range(max(args.runs, 20)):
        for name, argv in commands.items():
            times[name].append(run_once(argv))

    base = statistics.median(times["true"])
    print(f"{args.runs} alternating runs each")
    print(f"{'command':36} {'median ms':>10} {'min ms':>7} {'- true ms':>10} {'peak MiB':>9}")
    for name, argv in commands.items():
        median = statistics.median(times[name])
        print(f"{name:36} {median:10.3f} {min(times[name]):7.3f} {median - base:10.3f} "
              f"{peak_mib(argv):9.2f}")
    ours, peer = (statistics.median(times[n]) for n in list(commands)[:2])
    print(f"octaval-cli / ipcalc-ng, median wall time: {ours / peer:.2f}")


if __name__ == "__main__":
    main()
