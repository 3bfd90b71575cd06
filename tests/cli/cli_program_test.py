#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 the Octaval developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Tests of the octaval-cli program as a shell user and a script see it. Run by CTest with
# OCTAVAL_CLI set to the program and OCTAVAL_VERSION_DISPLAY to its version.
import csv
import json
import os
import select
import subprocess
import unittest

CLI = os.environ["OCTAVAL_CLI"]
VERSION = os.environ["OCTAVAL_VERSION_DISPLAY"]

# 192.168.1.70/27 worked by hand: class C, 3 subnet bits (2^3 - 2 = 6 subnets) and 5 host bits
# (30 hosts); the subnets are multiples of 32, the first and last usable ones .32 and .192.
REPORT = """IP address   192.168.1.70
Subnet mask  255.255.255.224
Subnet       192.168.1.64
Broadcast    192.168.1.95
Class        C
Network      24 bits, Class C
Subnet       3 bits, 6 subnets
Host         5 bits, 30 hosts
Subnet 1     192.168.1.32
Subnet N     192.168.1.192
OK
"""
JSON = ('{"network":["192","168","1","64"],"broadcast":["192","168","1","95"],"class":"C",'
        '"networkLine":"24 bits, Class C","subnetLine":"3 bits, 6 subnets",'
        '"hostLine":"5 bits, 30 hosts","firstSubnet":["192","168","1","32"],'
        '"lastSubnet":["192","168","1","192"],"status":"OK"}\n')
# A rejected press leaves every output box a single blank.
BLANK = '[" "," "," "," "]'
REJECTED = (f'{{"network":{BLANK},"broadcast":{BLANK},"class":" ","networkLine":" ",'
            f'"subnetLine":" ","hostLine":" ","firstSubnet":{BLANK},"lastSubnet":{BLANK},'
            '"status":"Illegal IP address"}\n')
LINE = b"192\t168\t1\t70\t255\t255\t255\t224"
ESCAPED = REPORT.replace("192.168.1.70", "1\\t92.168.1.7\\n0\\x1b", 1)
BAD_LINES = LINE + b"\r\n\t\t\t\t\t\t\t\n1\t2\t3\n" + LINE + b"\t\r\nbad"
BAD_ANSWERS = JSON + REJECTED + "".join(
    f'{{"line":{n},"error":"expected 8 TAB-separated fields, found {found}"}}\n'
    for n, found in [(3, 3), (4, 9), (5, 1)])
TOO_LONG = '{"line":1,"error":"line longer than 67108864 bytes"}\n'


# name: (arguments, standard input, exit status, standard output or a part of the usage error)
CASES = {
    "text report": (["192.168.1.70/27"], b"", 0, REPORT),
    "options after operands": (["192.168.1.70", "255.255.255.224", "-j"], b"", 0, JSON),
    "prefix with leading zeros": (["--json", "192.168.1.70", "/0027"], b"", 0, JSON),
    "status other than OK": (["0.1.2.3/8"], b"", 1, "IP address   0.1.2.3\nSubnet mask  255.0.0.0\nIllegal IP address\n"),
    # Blanks, tabs and line feeds inside a number are skipped, so only the echo shows them.
    "control characters escaped": (["1\t92.168.1.7\n0\x1b/27"], b"", 0, ESCAPED),
    "version": (["--vers"], b"", 0, f"octaval-cli {VERSION}\n"),
    "batch CRLF, empty fields, field counts": (["--batch"], BAD_LINES, 1, BAD_ANSWERS),
    "batch line of 3 MiB": (["--batch"], b" " * (3 << 20) + LINE, 0, JSON),
    "batch line beyond 64 MiB": (["--batch"], b"1" * (64 << 20) + b"1\n" + LINE, 1, TOO_LONG + JSON),
    "missing address": ([], b"", 2, "missing ADDRESS: expected four parts joined by dots"),
    "address of 3 parts": (["10.1.2"], b"", 2, "ADDRESS '10.1.2' has 3 parts; expected four"),
    "mask of 2 parts": (["10.1.2.3", "255.255"], b"", 2, "MASK '255.255' has 2 parts; expected"),
    "prefix too long": (["10.1.2.3/33"], b"", 2, "prefix length '/33' is not a whole number"),
    "mask twice": (["10.1.2.3/8", "/8"], b"", 2, "the mask is given twice: as '/8' and as '/8'"),
    "prefix first": (["/8", "10.1.2.3"], b"", 2, "ADDRESS comes first, as in 'octaval-cli 10.1.2.3 /8'"),
    "too many operands": (["1.2.3.4", "/8", "x"], b"", 2, "too many operands (3): expected"),
    "unknown option": (["--frob"], b"", 2, "unknown option '--frob'"),
    "unknown short option": (["-jx"], b"", 2, "unknown option '-jx'"),
    "option with a value": (["--json=1"], b"", 2, "option '--json' takes no value"),
    "batch with an address": (["-b", "1.2.3.4"], b"", 2, "takes no ADDRESS, got '1.2.3.4'"),
    "negative address": (["-5.1.2.3"], b"", 2, "goes after '--', as in 'octaval-cli -- -5.1.2.3'"),
    "csv without --list": (["--csv", "10.1.2.3"], b"", 2, "--csv goes with --list"),
    "csv and json": (["--list", "--csv", "-j", "10.1.2.3"], b"", 2, "--csv and --json exclude each other"),
    "csv and batch": (["--batch", "--csv"], b"", 2, "--csv and --batch exclude each other"),
    "negative mask": (["-j", "10.1.2.3", "-255.0.0.0"], b"", 2, "'octaval-cli -j -- 10.1.2.3 -255.0.0.0'"),
}


def run(args, stdin=b"", stdout=subprocess.PIPE):
    return subprocess.run([CLI, *args], input=stdin, stdout=stdout, stderr=subprocess.PIPE,
                          timeout=60)


class ProgramTest(unittest.TestCase):
    def test_cases(self):
        for name, (args, stdin, status, expected) in CASES.items():
            with self.subTest(name):
                result = run(args, stdin)
                self.assertEqual(result.returncode, status)
                out, err = result.stdout.decode(), result.stderr.decode()
                if status == 2:
                    self.assertEqual(out, "")
                    self.assertRegex(err, "^octaval-cli: .*\nTry 'octaval-cli --help' for more")
                    self.assertIn(expected, err)
                else:
                    self.assertEqual(err, "")
                    self.assertEqual(out, expected)

    def test_batch_answers_are_json_whatever_the_input(self):
        lines = [b'"\\\t\x00\t\xff\t\x1b', b"\t".join([b"\xc3\x28 &H1 1e9 -"] * 8), LINE + b"\t"]
        out = run(["--batch"], b"\n".join(lines)).stdout.decode("ascii").splitlines()
        self.assertEqual(len(out), len(lines))
        for text in out:
            self.assertTrue({"status", "error"} & json.loads(text).keys(), text)

    def test_batch_answers_while_standard_input_stays_open(self):
        with subprocess.Popen([CLI, "--batch"], stdin=subprocess.PIPE,
                              stdout=subprocess.PIPE) as process:
            for _ in range(2):
                process.stdin.write(LINE + b"\n")
                process.stdin.flush()
                self.assertTrue(select.select([process.stdout], [], [], 10)[0], "no answer")
                self.assertEqual(process.stdout.readline().decode(), JSON)
            process.stdin.close()
            self.assertEqual(process.stdout.read(), b"")
            self.assertEqual(process.wait(timeout=60), 0)

    def test_write_error_is_reported(self):
        for args, message in [(["10.1.2.3"], b"answer"), (["--batch"], b"answers")]:
            with self.subTest(args[0]), open("/dev/full", "wb") as full:
                result = run(args, LINE, stdout=full)
                self.assertEqual(result.returncode, 1)
                self.assertIn(b"octaval-cli: cannot write the " + message, result.stderr)


class ListAndBinaryTest(unittest.TestCase):
    def test_list_and_binary_formats(self):
        self.assertEqual(run(["--list", "200.1.2.3/26"]).stdout.decode(),
                         "Subnet  Network          First host       Last host        Broadcast        Marks\n"
                         "0       200.1.2.0        200.1.2.1        200.1.2.62       200.1.2.63       reserved, all zeros; holds 200.1.2.3\n"
                         "1       200.1.2.64       200.1.2.65       200.1.2.126      200.1.2.127\n"
                         "2       200.1.2.128      200.1.2.129      200.1.2.190      200.1.2.191\n"
                         "3       200.1.2.192      200.1.2.193      200.1.2.254      200.1.2.255      reserved, all ones\n")
        # Under 255.192.192.0 a class A network's subnet bits are 128 and 64 of octets 2 and 3,
        # numbered most significant first: subnet 5 (0101) sets 64 in both.
        rows = run(["--list", "--json", "10.1.2.3", "255.192.192.0"]).stdout.splitlines()
        self.assertEqual(json.loads(rows[5]), {"subnet": 5, "network": "10.64.64.0", "firstHost": "10.64.64.1", "lastHost": "10.127.127.254", "broadcast": "10.127.127.255", "reserved": None, "holdsAddress": False})
        self.assertIn(b"\n1       200.1.2.2        -                -                200.1.2.3        holds 200.1.2.3\n",
                      run(["--list", "200.1.2.3/31"]).stdout)
        self.assertEqual(run(["--list", "224.1.2.3"]).stdout, b"Class D has no subnets\n")
        # CSV: the text list's columns, CRLF, empty hosts, quoted marks.
        self.assertEqual(run(["--list", "--csv", "200.1.2.3/31"]).stdout.split(b"\r\n")[:3],
                         [b"Subnet,Network,First host,Last host,Broadcast,Marks",
                          b'0,200.1.2.0,,,200.1.2.1,"reserved, all zeros"', b'1,200.1.2.2,,,200.1.2.3,"holds 200.1.2.3"'])
        records = list(csv.reader(run(["--list", "--csv", "10.1.2.3", "255.192.192.0"]).stdout.decode().splitlines()))
        self.assertEqual(records[6], ["5", "10.64.64.0", "10.64.64.1", "10.127.127.254", "10.127.127.255", ""])
        self.assertEqual((len(records), records[1][5], records[-1][5]), (17, "reserved, all zeros; holds 10.1.2.3", "reserved, all ones"))
        piped = subprocess.run(["bash", "-c", f"set -o pipefail; '{CLI}' --list 10.1.2.3/30 | head -1"], capture_output=True)
        self.assertEqual((piped.returncode, piped.stderr), (0, b""))  # a closed pipe ends it quietly
        self.assertEqual(run(["--binary", "172.16.5.9/20"]).stdout.decode().split("\n\n")[1],
                         "IP address   10101100.00010000.|0000|0101.00001001\n"
                         "Subnet mask  11111111.11111111.|1111|0000.00000000\n"
                         "Subnet       10101100.00010000.|0000|0000.00000000\n"
                         "Broadcast    10101100.00010000.|0000|1111.11111111\n"
                         "Legend       '|' between the class's network bits (16), the subnet bits (4) and the host bits (12)\n")


if __name__ == "__main__":
    unittest.main()
