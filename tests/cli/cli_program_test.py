#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 the Octaval developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Tests of the octaval-cli program as a shell user and a script see it.

Run by CTest with OCTAVAL_CLI set to the program and OCTAVAL_VERSION_DISPLAY to its version.
"""
import json
import os
import random
import select
import subprocess
import unittest

CLI = os.environ["OCTAVAL_CLI"]
VERSION = os.environ["OCTAVAL_VERSION_DISPLAY"]

RESULT_KEYS = ["network", "broadcast", "class", "networkLine", "subnetLine", "hostLine",
               "firstSubnet", "lastSubnet", "status"]
OCTET_KEYS = {"network", "broadcast", "firstSubnet", "lastSubnet"}

# One press per status message: the address, the mask and the message.
STATUS_CASES = [
    ("10.1.2.3", "255.255.0.0", "OK"),
    ("0.1.2.3", "255.0.0.0", "Illegal IP address"),
    ("10.1.2.3", "255.0.255.0", "Illegal subnet mask"),
    ("150.1.1.1", "254.0.0.0", "Illegal subnet mask versus network class"),
    ("10.0.1.1", "255.255.0.0", "Illegal subnet (all zeros) or use subnet-zero"),
    ("10.255.1.1", "255.255.0.0", "Illegal subnet (all ones)"),
    ("192.168.1.1", "255.255.255.255", "No host(s)"),
    ("192.168.1.0", "255.255.255.0", "Illegal host ip address (all zeros = network)"),
    ("192.168.1.255", "255.255.255.0", "Illegal host ip address (all ones = broadcast)"),
]


def run(args, stdin=b"", **kwargs):
    return subprocess.run([CLI, *args], input=stdin, capture_output=True, timeout=120, **kwargs)


def batch_line(address, mask):
    return ("\t".join(address.split(".") + mask.split(".")) + "\n").encode()


def check_result_object(test, obj):
    test.assertEqual(list(obj), RESULT_KEYS)
    for key in RESULT_KEYS:
        if key in OCTET_KEYS:
            test.assertEqual(len(obj[key]), 4)
            test.assertTrue(all(isinstance(text, str) for text in obj[key]))
        else:
            test.assertIsInstance(obj[key], str)


class OptionsTest(unittest.TestCase):
    def test_version(self):
        result = run(["--version"])
        self.assertEqual(result.returncode, 0)
        self.assertEqual(result.stdout.decode(), f"octaval-cli {VERSION}\n")
        self.assertEqual(result.stderr, b"")

    def test_help(self):
        result = run(["--help"])
        self.assertEqual(result.returncode, 0)
        self.assertTrue(result.stdout.startswith(b"Usage: octaval-cli"), result.stdout)
        self.assertIn(b"--batch", result.stdout)
        self.assertEqual(result.stderr, b"")

    def test_usage_errors(self):
        cases = [
            ([], "missing ADDRESS"),
            (["10.1.2"], "ADDRESS '10.1.2' has 3 parts; expected four parts joined by dots"),
            (["10.1.2.3", "255.255.0"], "MASK '255.255.0' has 3 parts"),
            (["10.1.2.3/40"], "prefix length '/40' is not a whole number from 0 to 32"),
            (["--bogus"], "unknown option '--bogus'"),
            (["-5.1.2.3"], "an ADDRESS that begins with '-' goes after '--'"),
            (["--batch", "1.2.3.4"], "--batch reads standard input and takes no ADDRESS"),
            (["1.2.3.4", "255.0.0.0", "x"], "too many operands (3)"),
        ]
        for args, message in cases:
            with self.subTest(args=args):
                result = run(args)
                self.assertEqual(result.returncode, 2)
                self.assertEqual(result.stdout, b"")
                stderr = result.stderr.decode()
                self.assertTrue(stderr.startswith("octaval-cli: "), stderr)
                self.assertIn(message, stderr)
                self.assertTrue(stderr.endswith("Try 'octaval-cli --help' for more information.\n"))


class OnePressTest(unittest.TestCase):
    def test_exit_status_follows_the_status_message(self):
        for address, mask, message in STATUS_CASES:
            with self.subTest(message=message):
                result = run([address, mask])
                self.assertEqual(result.returncode, 0 if message == "OK" else 1)
                self.assertEqual(result.stdout.decode().splitlines()[-1], message)
                self.assertEqual(result.stderr, b"")

    def test_json_is_one_object_with_the_boxes_texts(self):
        for address, mask, message in STATUS_CASES:
            with self.subTest(message=message):
                result = run(["--json", address, mask])
                self.assertEqual(result.stdout.count(b"\n"), 1)
                obj = json.loads(result.stdout)
                check_result_object(self, obj)
                self.assertEqual(obj["status"], message)
                self.assertEqual(result.returncode, 0 if message == "OK" else 1)

    def test_prefix_forms_and_natural_mask_agree(self):
        expected = run(["--json", "172.16.5.9", "255.255.240.0"]).stdout
        self.assertEqual(run(["--json", "172.16.5.9/20"]).stdout, expected)
        self.assertEqual(run(["--json", "172.16.5.9", "/20"]).stdout, expected)
        self.assertEqual(run(["--json", "172.16.5.9"]).stdout,
                         run(["--json", "172.16.5.9", "255.255.0.0"]).stdout)

    def test_negative_address_after_double_dash(self):
        result = run(["--", "-5.1.2.3"])
        self.assertEqual(result.returncode, 1)
        self.assertEqual(result.stdout.decode().splitlines()[-1], "Illegal IP address")

    def test_write_error_is_reported(self):
        if not os.path.exists("/dev/full"):
            self.skipTest("no /dev/full")
        with open("/dev/full", "wb") as full:
            result = subprocess.run([CLI, "10.1.2.3"], stdout=full, stderr=subprocess.PIPE,
                                    timeout=60)
        self.assertEqual(result.returncode, 1)
        self.assertIn(b"cannot write the answer", result.stderr)


class BatchTest(unittest.TestCase):
    def test_every_output_line_parses_as_json(self):
        rng = random.Random(4)
        lines = [batch_line(a, m) for a, m, _ in STATUS_CASES]
        lines += [b"\n", b"1\t2\t3\n", b"1\t2\t3\t4\t5\t6\t7\t8\t9\n", b"\"\\\t\x00\t\xff\n"]
        for _ in range(300):
            fields = [bytes(rng.choice(b'0123456789 .-+eE&Hh\\"\x00\xff\xc3\t')
                            for _ in range(rng.randrange(4))) for _ in range(8)]
            lines.append(b"\t".join(fields) + rng.choice([b"\n", b"\r\n"]))
        result = run(["--batch"], stdin=b"".join(lines))
        self.assertEqual(result.returncode, 1)
        self.assertEqual(result.stderr, b"")
        out = result.stdout.decode("ascii").splitlines()
        self.assertEqual(len(out), len(lines))
        for number, text in enumerate(out, start=1):
            obj = json.loads(text)
            if "error" in obj:
                self.assertEqual(list(obj), ["line", "error"])
                self.assertEqual(obj["line"], number)
            else:
                check_result_object(self, obj)

    def test_hundred_thousand_lines_stay_in_step(self):
        cycle = [(batch_line(a, m), s) for a, m, s in STATUS_CASES] + [(b"oops\n", None)]
        lines = [cycle[i % len(cycle)] for i in range(100_000)]
        result = run(["--batch"], stdin=b"".join(line for line, _ in lines))
        self.assertEqual(result.returncode, 1)
        out = result.stdout.decode().splitlines()
        self.assertEqual(len(out), len(lines))
        for number, (text, (_, status)) in enumerate(zip(out, lines), start=1):
            obj = json.loads(text)
            if status is None:
                self.assertEqual(obj, {"line": number,
                                       "error": "expected 8 TAB-separated fields, found 1"})
            else:
                self.assertEqual(obj["status"], status, f"line {number}")

    def test_batch_and_one_press_agree(self):
        for address, mask, _ in STATUS_CASES:
            with self.subTest(address=address):
                batch = run(["--batch"], stdin=batch_line(address, mask)).stdout
                self.assertEqual(batch, run(["--json", address, mask]).stdout)

    def test_arbitrary_bytes_and_long_lines(self):
        rng = random.Random(7)
        noise = bytes(rng.randrange(256) for _ in range(1 << 20))
        long_field = b" " * (3 << 20) + b"10"
        data = noise + b"\n" + long_field + b"\t1\t2\t3\t255\t255\t0\t0\n" + b"\x00" * 1000
        result = run(["--batch"], stdin=data)
        self.assertIn(result.returncode, (0, 1))
        self.assertEqual(result.stderr, b"")
        out = result.stdout.splitlines()
        self.assertEqual(len(out), data.count(b"\n") + 1)  # the last line has no line feed
        for text in out:
            json.loads(text)
        self.assertEqual(out[-2] + b"\n", run(["--json", "10.1.2.3", "255.255.0.0"]).stdout)

    def test_answers_come_while_standard_input_stays_open(self):
        with subprocess.Popen([CLI, "--batch"], stdin=subprocess.PIPE,
                              stdout=subprocess.PIPE) as process:
            for address, mask, message in [STATUS_CASES[0], STATUS_CASES[0]]:
                process.stdin.write(batch_line(address, mask))
                process.stdin.flush()
                ready, _, _ = select.select([process.stdout], [], [], 10)
                self.assertTrue(ready, "no answer while the input stays open")
                self.assertEqual(json.loads(process.stdout.readline())["status"], message)
            process.stdin.close()
            self.assertEqual(process.stdout.read(), b"")
            self.assertEqual(process.wait(timeout=60), 0)


if __name__ == "__main__":
    unittest.main()
