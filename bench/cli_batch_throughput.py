#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 the Octaval developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Batch throughput of octaval-cli: presses per second over generated lines.

Generates a fixed mix of valid and invalid batch lines (the same for a given --lines and
--seed), then runs `octaval-cli --batch` over it several times, its answers going to /dev/null,
and reports the best and the median run in lines per second of wall time and of CPU time (on a
machine shared with other work, CPU time tells what one core does).

    cli_batch_throughput.py --cli build/release/cli/octaval-cli [--lines 1000000]
    cli_batch_throughput.py --generate FILE [--lines N]     # only write the input
"""
import argparse
import os
import random
import statistics
import subprocess
import sys
import tempfile
import time

PREFIX_MASKS = [[(0xFF00 >> max(0, min(8, n - 8 * k))) & 0xFF for k in range(4)]
                for n in range(33)]


def octets(values):
    return [str(v) for v in values]


def valid_press(rng):
    first = rng.choice([rng.randint(1, 126), rng.randint(128, 191), rng.randint(192, 223)])
    natural = 8 if first < 128 else 16 if first < 192 else 24
    mask = PREFIX_MASKS[rng.randint(natural, 32)]
    return octets([first, rng.randint(0, 255), rng.randint(0, 255), rng.randint(0, 255)]) + \
        octets(mask)


def class_d_or_e(rng):
    return octets([rng.randint(224, 255), rng.randint(0, 255), rng.randint(0, 255),
                   rng.randint(0, 255)]) + octets(PREFIX_MASKS[rng.choice([24, 28, 32])])


def illegal_address(rng):
    first = rng.choice([0, rng.randint(256, 999)])
    return octets([first, 1, 2, rng.randint(0, 300)]) + octets(PREFIX_MASKS[24])


def illegal_mask(rng):
    return octets([rng.randint(1, 223), 1, 2, 3]) + \
        octets([255, rng.randint(0, 255), rng.randint(0, 255), rng.randint(0, 255)])


def mask_versus_class(rng):
    return octets([rng.randint(1, 223), 1, 2, 3]) + octets(PREFIX_MASKS[rng.randint(0, 7)])


def odd_texts(rng):
    plain = valid_press(rng)
    fields = list(plain)
    for i in rng.sample(range(8), rng.randint(1, 3)):
        fields[i] = rng.choice([f"&H{int(plain[i]):X}", f" {plain[i]} ", "", "1.5", "-1",
                                f"{plain[i]}e0", "x", "1e400", "&O17", "1d2"])
    return fields


def malformed(rng):
    return [rng.choice(["", "10.1.2.3", "a b c", "\t".join(["1"] * rng.randint(2, 12))])]


KINDS = [(valid_press, 45), (class_d_or_e, 5), (illegal_address, 8), (illegal_mask, 10),
         (mask_versus_class, 5), (odd_texts, 17), (malformed, 10)]


def generate(lines, seed, out):
    rng = random.Random(seed)
    makers = [maker for maker, weight in KINDS for _ in range(weight)]
    presses = 0
    for _ in range(lines):
        fields = rng.choice(makers)(rng)
        presses += len(fields) == 8
        ending = "\r\n" if rng.random() < 0.05 else "\n"
        out.write(("\t".join(fields) + ending).encode())
    return presses


def run_batch(cli, path):
    with open(path, "rb") as stdin, open(os.devnull, "wb") as devnull:
        start = time.perf_counter()
        pid = os.posix_spawn(cli, [cli, "--batch"], os.environ,
                             file_actions=[(os.POSIX_SPAWN_DUP2, stdin.fileno(), 0),
                                           (os.POSIX_SPAWN_DUP2, devnull.fileno(), 1)])
        _, status, usage = os.wait4(pid, 0)
        wall = time.perf_counter() - start
    if os.waitstatus_to_exitcode(status) not in (0, 1):
        sys.exit(f"octaval-cli --batch failed with status {status}")
    return wall, usage.ru_utime + usage.ru_stime


def peak_mib(cli, path):
    """Peak resident memory of one run, as GNU time (/usr/bin/time) reports it: a child started
    by this Python process would inherit its peak."""
    if not os.access("/usr/bin/time", os.X_OK):
        return float("nan")
    with open(path, "rb") as stdin:
        result = subprocess.run(["/usr/bin/time", "-f", "%M", cli, "--batch"], stdin=stdin,
                                stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, check=False)
    return int(result.stderr.split()[-1]) / 1024


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--cli", help="the octaval-cli program")
    parser.add_argument("--generate", metavar="FILE", help="only write the generated input")
    parser.add_argument("--lines", type=int, default=1_000_000)
    parser.add_argument("--seed", type=int, default=2024)
    parser.add_argument("--repeat", type=int, default=5)
    args = parser.parse_args()

    if args.generate:
        with open(args.generate, "wb") as out:
            presses = generate(args.lines, args.seed, out)
        print(f"{args.lines} lines ({presses} presses) written to {args.generate}")
        return
    if not args.cli:
        parser.error("--cli or --generate is needed")

    with tempfile.NamedTemporaryFile(suffix=".tsv") as input_file:
        presses = generate(args.lines, args.seed, input_file)
        input_file.flush()
        size = os.path.getsize(input_file.name)
        print(f"input: {args.lines} lines, {presses} of them presses of 8 fields, "
              f"{size / 2**20:.1f} MiB")
        cli = os.path.abspath(args.cli)
        runs = [run_batch(cli, input_file.name) for _ in range(args.repeat)]
        peak = peak_mib(cli, input_file.name)
    walls = sorted(r[0] for r in runs)
    cpus = sorted(r[1] for r in runs)
    print(f"runs: {args.repeat}; peak memory {peak:.1f} MiB")
    for label, values in (("wall", walls), ("cpu", cpus)):
        best, median = values[0], statistics.median(values)
        print(f"{label:4}: best {best:.3f} s = {args.lines / best:,.0f} lines/s "
              f"({presses / best:,.0f} presses/s); median {median:.3f} s = "
              f"{args.lines / median:,.0f} lines/s")


if __name__ == "__main__":
    main()
