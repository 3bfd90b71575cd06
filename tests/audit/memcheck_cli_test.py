#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 the Octaval developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""octaval-cli under valgrind's memcheck: no invalid access, no use of undefined values and no
leak on an acceptance-style batch of a few hundred lines (every class and message, conversion
failures, malformed lines, CRLF), nor in the one-address modes.

Run by CTest with OCTAVAL_CLI set to the program. Skipped (77) in the sanitizer build, where
valgrind cannot run the program.
"""
import os
import random
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

CLI = os.environ.get("OCTAVAL_CLI", "")
SKIP = 77

VALGRIND = ["valgrind", "--tool=memcheck", "--error-exitcode=1", "--leak-check=full",
            "--show-leak-kinds=definite,indirect,possible",
            "--errors-for-leak-kinds=definite,indirect,possible", "--track-origins=yes"]

# One press per class and per message, and the conversions that fail.
PRESSES = [
    "10.1.2.3 255.255.0.0", "172.16.5.9 255.255.255.0", "200.1.2.77 255.255.255.224",
    "224.1.2.3 255.255.255.0", "250.1.2.3 255.255.255.0", "0.1.2.3 255.0.0.0",
    "10.1.2.3 255.0.255.0", "150.1.1.1 254.0.0.0", "10.0.1.1 255.255.0.0",
    "10.255.1.1 255.255.0.0", "192.168.1.1 255.255.255.255", "192.168.1.0 255.255.255.0",
    "192.168.1.255 255.255.255.0", "10.1.2.4e4 255.0.0.0", "10.1.2.3 255.0.0.1e9",
    "1e3.2.3.4 255.0.0.0", "-5.1.2.3 255.0.0.0", " 12.1.2.3 255.0.0.0", "1.5.2.3.4 255.0.0.0",
]
FIELD_POOL = ["0", "1", "10", "127", "128", "191", "192", "223", "224", "255", "256", "999", "",
              " ", "1.5", "2.5", "4e4", "1e3", "-1", "-0", "abc", "12x", ".5", "+7", "0x1F", "&H1F",
              "1e400", "1d2", "\u0661", "\xff\xfe", "9" * 400]


def batch_line(press):
    address, mask = press.rsplit(" ", 1)
    return "\t".join(address.split(".", 3) + mask.split(".", 3))


def well_formed_batch(rng):
    """Lines of exactly eight fields: the presses above, then random fields."""
    lines = [batch_line(press) for press in PRESSES]
    lines += ["\t".join(rng.choice(FIELD_POOL) for _ in range(8)) for _ in range(250)]
    return "".join(line + rng.choice(["\n", "\r\n"]) for line in lines).encode("utf-8",
                                                                             "surrogateescape")


def malformed_lines(rng):
    """Lines that a batch must answer with an error, and go on."""
    return [b"", b"\r", b"\t" * 7, b"\t" * 8, b"1\t2\t3", b"1\t2\t3\t4\t5\t6\t7\t8\t9",
            b"10 1 2 3 255 0 0 0", b"1\t2\t3\t4\x00\t5\t6\t7\t8", b"\xff\xfe\xfd",
            b"a" * 100000, b"\t".join([b"1" * 5000] * 8) + b"\t"] + [
        bytes(rng.randrange(256) for _ in range(rng.randrange(1, 60))).replace(b"\n", b" ")
        for _ in range(60)]


class Memcheck(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix="octaval-memcheck-")
        self.rng = random.Random(1102)

    def tearDown(self):
        shutil.rmtree(self.folder, ignore_errors=True)

    def memcheck(self, args, stdin=b""):
        """Runs the program under memcheck; fails on any error that it reports."""
        log = os.path.join(self.folder, "valgrind.log")
        result = subprocess.run([*VALGRIND, f"--log-file={log}", CLI, *args], input=stdin,
                                capture_output=True, timeout=300)
        with open(log) as text:
            report = text.read()
        summary = re.search(r"ERROR SUMMARY: (\d+) errors", report)
        self.assertIsNotNone(summary, report)
        self.assertEqual(summary[1], "0", report)
        # Leaks count as errors above; the one block that libstdc++ keeps for throwing exceptions
        # when memory runs out is still reachable, not lost.
        self.assertRegex(report, "LEAK SUMMARY|All heap blocks were freed")
        return result

    def test_well_formed_batch(self):
        batch = well_formed_batch(self.rng)
        result = self.memcheck(["--batch"], batch)
        # Every line has eight fields: status 0 unless memcheck found an error (then 1).
        self.assertEqual(result.returncode, 0, result.stderr.decode(errors="replace"))
        self.assertEqual(result.stdout.count(b"\n"), batch.count(b"\n"))

    def test_batch_with_malformed_lines(self):
        lines = batch_line(PRESSES[0]).encode().splitlines() + malformed_lines(self.rng)
        lines += well_formed_batch(self.rng).splitlines()[:100]
        self.rng.shuffle(lines)
        # The last line ends without a newline.
        batch = b"\n".join(lines)
        result = self.memcheck(["--batch"], batch)
        self.assertEqual(result.returncode, 1)  # some lines are malformed
        self.assertEqual(result.stdout.count(b"\n"), len(lines))

    def test_one_address_modes(self):
        for args, status in [(["172.16.5.9", "255.255.255.0"], 0), (["--json", "10.1.2.3/20"], 0),
                             (["10.1.2.4e4"], 1), (["--json", "1.2.3"], 2), (["--help"], 0),
                             (["--version"], 0), (["--bogus"], 2)]:
            with self.subTest(args=args):
                self.assertEqual(self.memcheck(args).returncode, status)


if __name__ == "__main__":
    if os.environ.get("OCTAVAL_SANITIZE", "").upper() in ("ON", "1", "TRUE", "YES"):
        print("SKIPPED: valgrind cannot run a program built with AddressSanitizer "
              "(OCTAVAL_SANITIZE is ON); the sanitizers check this build instead", flush=True)
        sys.exit(SKIP)
    if not CLI or not os.access(CLI, os.X_OK):
        sys.exit(f"OCTAVAL_CLI must name the built program (got {CLI!r})")
    if shutil.which("valgrind") is None:
        sys.exit("valgrind is not installed (Debian package valgrind; scripts/install-deps)")
    unittest.main(verbosity=2)
