#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 the Octaval developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Tests of the octaval-cli program as a shell user and a script see it, and of its --practice
# session on a pseudo-terminal as a learner has it. Run by CTest with OCTAVAL_CLI set to the
# program, OCTAVAL_VERSION_DISPLAY to its version and OCTAVAL_CLI_WINDOWS to 1 for a Windows program.
import fcntl
import json
import os
import pty
import re
import select
import shutil
import struct
import subprocess
import sys
import tempfile
import termios
import tty
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, f"{HERE}/../../report/phrases")
import phrases  # noqa: E402

CLI = os.environ["OCTAVAL_CLI"]
TIMEOUT = 30
VERSION = os.environ["OCTAVAL_VERSION_DISPLAY"]
WINDOWS = os.environ.get("OCTAVAL_CLI_WINDOWS") == "1"

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
# The same worked step by step: 70 = 010|00110, so the address is in subnet 2 of 0 to 7; the
# subnets step by 32 (the value of the last subnet bit) in octet 4.
EXPLAIN = """Working of 192.168.1.70 255.255.255.224: OK

IP address   11000000.10101000.00000001.|010|00110
Subnet mask  11111111.11111111.11111111.|111|00000
Subnet       11000000.10101000.00000001.|010|00000
Broadcast    11000000.10101000.00000001.|010|11111
Legend       '|' between the class's network bits (24), the subnet bits (3) and the host bits (5)

1. Class: The first octet, 192, is 11000000 in binary. Its leading bits 110 give class C (first octet 192 to 223), whose network is the first 24 bits of the address.
2. Natural mask: Class C's natural mask is 255.255.255.0: one bits for its 24 network bits.
3. Subnet and host bits: The mask 255.255.255.224 has 3 one bits beyond the class's 24 (octet 4, 224 = 11100000, gives 3): these are the subnet bits. The rest are host bits: 32 - 24 - 3 = 5.
4. Subnets: 2^3 - 2 = 6 usable subnets: the subnets whose subnet bits are all zeros or all ones are reserved. Where subnet zero and the all-ones subnet may be used, 2^3 = 8 subnets.
5. Hosts: 2^5 - 2 = 30 usable hosts in each subnet: host bits all zeros name the subnet itself, all ones its broadcast address.
6. Block size: The last subnet bit has the value 32 in octet 4, so the subnets follow each other in steps of 32 there: 192.168.1.0, 192.168.1.32, 192.168.1.64 and so on.
7. The address's subnet: The address's subnet bits read 010: subnet 2 of 0 to 7, not reserved.
8. Network: The address And the mask: 192.168.1.70 And 255.255.255.224 = 192.168.1.64, each bit 1 only where both are 1; this is the network address, which the row Subnet shows.
9. Broadcast: The network Or the inverted mask: 192.168.1.64 Or 0.0.0.31 = 192.168.1.95, the bits that the mask leaves all set to 1.
10. First and last subnet: The network with bits 25 to 27 set to 001 and to 110: subnet 1 is 192.168.1.32 and subnet 6 is 192.168.1.192 (the rows Subnet 1 and Subnet N).
11. Status: The subnet field of the network, bits 25 to 27, reads 010: neither all zeros nor all ones. The host field of the address, bits 28 to 32, reads 00110: neither all zeros nor all ones. With no finding the status stays “OK”.
"""
LINE = b"192\t168\t1\t70\t255\t255\t255\t224"
ESCAPED = REPORT.replace("192.168.1.70", "1\\t92.168.1.7\\n0\\x1b", 1)
BAD_LINES = LINE + b"\r\n\t\t\t\t\t\t\t\n1\t2\t3\n" + LINE + b"\t\r\nbad"
BAD_ANSWERS = JSON + REJECTED + "".join(
    f'{{"line":{n},"error":"expected 8 TAB-separated fields, found {found}"}}\n'
    for n, found in [(3, 3), (4, 9), (5, 1)])
TOO_LONG = '{"line":1,"error":"line longer than 67108864 bytes"}\n'
# Lines as the operands are read: the mask after a slash or a blank, or none; answers in ASCII.
ADDRESS_LINES = b"192.168.1.70/255.255.255.224\r\n 192.168.1.70 \t/27\n0.1.2.3\n\xff.1\n1 2 3"
ADDRESS_ANSWERS = JSON + JSON + REJECTED + "".join(
    f'{{"line":{n},"error":"{message}"}}\n' for n, message in [
        (4, r"ADDRESS '\\xff.1' has 2 parts; expected four parts joined by dots, such as 10.1.2.3"),
        (5, "too many words (3): expected ADDRESS[/N] [MASK]")])
# Answers to 192.168.1.70/27 (worked above): .94 is the last host, one below the broadcast; an
# answer that reads as no number, a blank one; then lines that do not read among good ones.
MARK_LINES = ('{"address":"192.168.1.70","mask":"/27","student":"Ann","answers":{"network":'
              '"192.168.001.64","broadcast":"192.168.1.94","subnets":"six","class":" "}}\n'
              '[1]\n{"address":"10.1.2.3","mask":"/8","answers":{"colour":"red"}}\n\n'
              '{"address":"192.168.1.70","mask":"255.255.255.224","answers":{"network":1}}\n'
              ).encode()
MARK_TAIL = ('{"line":2,"error":"not a JSON object"}\n'
             '{"line":3,"error":"unknown question key \'colour\'"}\n'
             '{"line":5,"student":null,"marks":{"network":{"answer":"1","mark":"unreadable",'
             '"expected":"192.168.1.64","reason":"cannot read “1” as an address"}}}\n'
             '{"question":"network","right":1,"wrong":0,"unreadable":1,"unanswered":0}\n')
# A CSV as a spreadsheet saves it: byte order mark, CRLF, quoted fields, columns in any order.
# As a spreadsheet saves it: a byte order mark, an empty column, an empty row.
MARK_CSV = b'\xef\xbb\xbfmask,"student",hosts,address,\r\n/27,"Doe, ""Jo""",30 hosts,192.168.1.70,\r\n,,,,\r\n'
MARK_CSV_BAD = b"address,mask,class,Timestamp\n10.1.2.3,/8\n10.1.2.3,/8,a,x\n\"x\n"
MARK_CSV_ANSWERS = ('{"line":1,"error":"unknown question key \'Timestamp\'"}\n'
                    '{"line":2,"error":"2 fields where the header has 4"}\n'
                    '{"line":3,"student":null,"marks":{"class":{"answer":"a","mark":"right",'
                    '"expected":"A","reason":null}}}\n'
                    '{"line":4,"error":"a quoted field without its end"}\n'
                    '{"question":"class","right":1,"wrong":0,"unreadable":0,"unanswered":0}\n')
LIST = ("Subnet  Network          First host       Last host        Broadcast        Marks\n"
        "0       200.1.2.0        200.1.2.1        200.1.2.62       200.1.2.63       reserved, all zeros; "
        "holds 200.1.2.3\n"
        "1       200.1.2.64       200.1.2.65       200.1.2.126      200.1.2.127\n"
        "2       200.1.2.128      200.1.2.129      200.1.2.190      200.1.2.191\n"
        "3       200.1.2.192      200.1.2.193      200.1.2.254      200.1.2.255      reserved, all ones\n")
# A worksheet for spreadsheets: the questions asked, the answers to them, CRLF.
SHEET_CSV = ("problem,address,mask,questions,network,broadcast,class,networkBits,subnetBits,hostBits,"
             "subnets,hosts,firstSubnet,lastSubnet,status\r\n1,137.80.221.1,255.255.0.0,hosts status,,,,,,,,"
             "65534,,,OK\r\n2,150.31.79.7,255.255.0.0,hosts status,,,,,,,,65534,,,OK\r\n")
# The bits of 172.16.5.9/20 (class B, 4 subnet bits), their fields coloured or not.
BITS = "10101100.00010000.|0000|0101.00001001\n"
BITS16 = "\x1b[30;106m10101100.00010000\x1b[0m.|\x1b[30;103m0000\x1b[0m|\x1b[30;102m0101.00001001"


class Part(str):  # a part of standard output, where a case expects more than its whole
    pass


class Diagnostic(str):  # a message on standard error after the program's name, nothing on standard output
    pass


# name: (arguments, standard input, exit status, standard output, a Part of it, a Diagnostic or a
# part of the usage error[, the environment of a terminal that standard output then is]). How the
# operands read (forms of the mask, the messages) is report's, tested there: here what the
# program adds.
CASES = {
    "text report": (["192.168.1.70/27"], b"", 0, REPORT),
    "options after operands": (["192.168.1.70", "255.255.255.224", "-j"], b"", 0, JSON),
    "status other than OK": (["0.1.2.3/8"], b"", 1, "IP address   0.1.2.3\nSubnet mask  255.0.0.0\nIllegal IP address\n"),
    # Blanks, tabs and line feeds inside a number are skipped, so only the echo shows them.
    "control characters escaped": (["1\t92.168.1.7\n0\x1b/27"], b"", 0, ESCAPED),
    "version": (["--vers"], b"", 0, f"octaval-cli {VERSION}\n"),
    "batch CRLF, empty fields, field counts": (["--batch"], BAD_LINES, 1, BAD_ANSWERS),
    "batch line of 3 MiB": (["--batch"], b" " * (3 << 20) + LINE, 0, JSON),
    "batch line beyond 64 MiB": (["--batch"], b"1" * (64 << 20) + b"1\n" + LINE, 1, TOO_LONG + JSON),
    "working": (["--explain", "192.168.1.70/27"], b"", 0, EXPLAIN),
    "working in JSON": (["--explain", "--json", "192.168.1.70/27"], b"", 0, Part(
        '"subnets":6,"subnetsWithZero":8,"hosts":30,"blockSize":32,"blockOctet":4,"addressSubnet":2,'
        '"reserved":null,')),
    "working in JSON of a refused mask": (["--explain", "-j", "150.1.1.1", "254.0.0.0"], b"", 1,
                                          Part('"rejectedBy":"the mask versus the class","bits":null,')),
    "working of a refused mask": (["--explain", "10.1.2.3", "255.0.255.0"], b"", 1, "Working of 10.1.2.3 255.0.255.0: Illegal subnet mask\n\n1. Check: The press stops at the check of the mask's shape. A mask starts with 255 and its octets never rise from left to right; below a 255 only the last octet may fall again to 0 (255.a.b.0). Here octet 3 (255) is above octet 2 (0).\n2. Status: The status is \u201cIllegal subnet mask\u201d, and every output box stays empty.\n"),
    "working: the mask-versus-class rule as checked": (["--explain", "192.168.1.1", "0.0.0.0"], b"", 1, Part("For a first octet above 191 and below 240, as 192 is, the mask must have a 255 among its first 3 octets. The mask 0.0.0.0 has none.")),
    "working: a box read unusually": (["--explain", "--", "1e2.1.2.3", "255.0.0.0"], b"", 0, Part("\n1. Reading: Octet 1 of the address, \u201c1e2\u201d, reads as 100: the letter e starts a power of ten.\n")),
    "working: the And of the numbers read": (["--explain", "--", "1e2.1.2.3", "255.0.0.0"], b"", 0, Part(": 100.1.2.3 And 255.0.0.0 = 100.0.0.0,")),
    "working under 255.a.b.0 agrees with the status": (["--explain", "10.1.2.3", "255.254.254.0"], b"", 1, Part("The press, though, reads the network's bits 9 to 22, 00000000000000: all zeros, so it takes the address's subnet as reserved (all zeros).")),
    "explain and list": (["--explain", "--list", "10.1.2.3"], b"", 2, "--list and --explain exclude each other"),
    "batch of addresses": (["--batch", "--addresses"], ADDRESS_LINES, 1, ADDRESS_ANSWERS),
    "list": (["--list", "200.1.2.3/26"], b"", 0, LIST),
    "list of 2-address subnets": (["--list", "200.1.2.3/31"], b"", 0, Part(
        "\n1       200.1.2.2        -                -                200.1.2.3        holds 200.1.2.3\n")),
    # CSV: the text list's columns, CRLF, empty hosts, quoted marks.
    "list in CSV": (["--list", "--csv", "200.1.2.3/31"], b"", 0, Part(
        'Subnet,Network,First host,Last host,Broadcast,Marks\r\n'
        '0,200.1.2.0,,,200.1.2.1,"reserved, all zeros"\r\n'
        '1,200.1.2.2,,,200.1.2.3,"holds 200.1.2.3"\r\n')),
    "list of class D": (["--list", "224.1.2.3"], b"", 1, Diagnostic("Class D has no subnets")),
    "list of a rejected address": (["--list", "abc.1.2.3"], b"", 1, Diagnostic("Illegal IP address")),
    "list in JSON of a rejected address": (["--list", "--json", "abc.1.2.3"], b"", 1,
                                           '{"error":"Illegal IP address","status":"Illegal IP address"}\n'),
    "bits in a pipe": (["--binary", "172.16.5.9/20"], b"", 1, Part("\n\nIP address   " + BITS)),
    "bits in a dumb terminal": (["--binary", "172.16.5.9/20"], b"", 1, Part("IP address   " + BITS), {"TERM": "dumb"}),
    "bits in a 16-colour terminal": (["--binary", "172.16.5.9/20"], b"", 1, Part("IP address   " + BITS16), {"TERM": "xterm"}),
    "bits in a true-colour terminal": (["--binary", "172.16.5.9/20"], b"", 1, Part("IP address   \x1b[38;5;16;48;5;153m1010"),
                                       {"TERM": "xterm", "COLORTERM": "truecolor"}),
    "mark: right, leading zeros read": (["--mark"], MARK_LINES, 1, Part('{"line":1,"student":"Ann","marks":{"network":{"answer":"192.168.001.64","mark":"right","expected":"192.168.1.64","reason":null},')),
    "mark: wrong, with the practice's reason": (["--mark"], MARK_LINES, 1, Part('"broadcast":{"answer":"192.168.1.94","mark":"wrong","expected":"192.168.1.95","reason":"192.168.1.94 is the last usable host; the broadcast')),
    "mark: unanswered and unreadable": (["--mark"], MARK_LINES, 1, Part('"class":{"answer":"","mark":"unanswered","expected":"C","reason":null},"subnets":{"answer":"six","mark":"unreadable","expected":"6","reason":"cannot read “six” as a number"}}}\n')),
    "mark: malformed lines among good ones": (["--mark"], MARK_LINES, 1, Part(MARK_TAIL)),
    "mark CSV": (["--mark", "--csv"], MARK_CSV, 0, '{"line":2,"student":"Doe, \\"Jo\\"","marks":{"hosts":{"answer":"30 hosts","mark":"right","expected":"30","reason":null}}}\n{"question":"hosts","right":1,"wrong":0,"unreadable":0,"unanswered":0}\n'),
    "mark CSV: unknown column, short row, open quote": (["--mark", "--csv"], MARK_CSV_BAD, 1, MARK_CSV_ANSWERS),
    "mark: answers in each language": (["--mark"], "".join('{"address":"10.1.2.3","mask":"/8","answers":{"subnets":"%s"}}\n' % words for words in ("keine Subnetze", "aucun sous-réseau", "sin subredes")).encode(), 0,
                                       Part('{"question":"subnets","right":3,"wrong":0,"unreadable":0,"unanswered":0}\n')),
    "mark with an address": (["--mark", "1.2.3.4"], b"", 2, "--mark reads standard input and takes no ADDRESS"),
    "missing address": ([], b"", 2, "missing ADDRESS: expected four parts joined by dots"),
    "mask of 2 parts": (["10.1.2.3", "255.255"], b"", 2, "MASK '255.255' has 2 parts; expected"),
    "too many operands": (["1.2.3.4", "/8", "x"], b"", 2, "too many operands (3): expected"),
    "unknown option": (["--frob"], b"", 2, "unknown option '--frob'"),
    "unknown short option": (["-jx"], b"", 2, "unknown option '-jx'"),
    "option with a value": (["--json=1"], b"", 2, "option '--json' takes no value"),
    "long-only option with a value": (["--binary=1"], b"", 2, "option '--binary' takes no value"),
    "addresses without batch": (["--addresses", "1.2.3.4"], b"", 2, "--addresses goes with --batch\n"),
    "batch with an address": (["-b", "1.2.3.4"], b"", 2, "takes no ADDRESS, got '1.2.3.4'"),
    "negative address": (["-5.1.2.3"], b"", 2, "goes after '--', as in 'octaval-cli -- -5.1.2.3'"),
    "typed control characters shown in a usage error": (["10.1.2.3/8\x7f\x1b[31m"], b"", 2, "prefix length '/8\\x7f\\x1b[31m' is not"),
    "worksheet with an address": (["--worksheet", "1.2.3.4"], b"", 2, "--worksheet draws its own problems and takes no ADDRESS"),
    # What goes with what: a message names every option that chooses a mode the option belongs to.
    "csv without --list": (["--csv", "10.1.2.3"], b"", 2, "--csv goes with --list, --practice, --worksheet or --mark\n"),
    "csv and json": (["--list", "--csv", "-j", "10.1.2.3"], b"", 2, "--json and --csv exclude each other"),
    "answers without the worksheet": (["--answers"], b"", 2, "--answers goes with --practice or --worksheet\n"),
    "practice and explain": (["--explain", "--practice"], b"", 2, "--explain and --practice exclude each other"),
    "worksheet of a seed at a level": (
        ["--practice", "--worksheet", "--seed", "2026", "--level", "any", "--count", "1"], b"", 0,
        Part("Problem 1: IP address 157.226.184.142, subnet mask 255.240.128.0\n")),
    "worksheet in CSV": (["--practice", "--csv", "--answers", "--seed", "3", "--count", "2", "--classes",
                          "b", "--questions", "hosts,status"], b"", 0, SHEET_CSV),
    "html and csv": (["--practice", "--html", "--csv"], b"", 2, "--csv and --html exclude each other"),
    # The page of README's seed: its first problem.
    "html worksheet": (["--practice", "--html", "--seed", "42", "--count", "1"], b"", 0,
                       Part("<h2>Problem 1: IP address 131.15.159.82, subnet mask 255.255.0.0</h2>")),
    "binary and json": (["--binary", "-j", "10.1.2.3"], b"", 2, "--json and --binary exclude each other"),
    "help before a conflict": (["--list", "--batch", "-h"], b"", 0, Part("  -b, --batch    read lines of 8 TAB-separated fields (the four address parts,\n")),
    "unknown language": (["--explain", "--language", "en_GB", "1.2.3.4"], b"", 2, "option '--language' takes en, de, es or fr, got 'en_GB'"),
    # Data stays English whatever the language.
    "working in JSON under --language": (["--explain", "-j", "--language", "de", "150.1.1.1", "254.0.0.0"], b"", 1, Part('"title":"Check","text":"The press stops')),
    "worksheet in CSV under --language": (["--practice", "--seed", "3", "--level", "faults", "--count", "1", "--csv", "--answers", "--language", "es"], b"", 0, Part(",Illegal subnet (all ones)\r\n")),
    "practice of no problems": (["--practice", "--count", "0"], b"", 2, "from 1 to 100000, got '0'"),
    "practice of class D": (["--practice", "--classes", "D"], b"", 2, "letters A, B and C"),
    "level without its value": (["--practice", "--level"], b"", 2, "'--level' needs a value"),
    "negative mask": (["-j", "10.1.2.3", "-255.0.0.0"], b"", 2, "'octaval-cli -j -- 10.1.2.3 -255.0.0.0'"),
}


def run(args, stdin=b"", stdout=subprocess.PIPE, terminal=None):
    if terminal is None:
        return subprocess.run([CLI, *args], input=stdin, stdout=stdout, stderr=subprocess.PIPE,
                              timeout=60)
    # Standard output on a pseudo-terminal in raw mode (no CR before each line feed), which
    # describes itself by the given variables alone; its few lines wait there for the read.
    env = {k: v for k, v in os.environ.items() if k not in ("TERM", "COLORTERM", "NO_COLOR")}
    master, slave = pty.openpty()
    tty.setraw(slave)
    result = subprocess.run([CLI, *args], input=stdin, stdout=slave, stderr=subprocess.PIPE,
                            env=env | terminal, timeout=60)
    os.close(slave)
    result.stdout = os.read(master, 1 << 16)
    os.close(master)
    return result


# A Windows program reads its arguments as UTF-16: to it they are always UTF-8.
if not WINDOWS:
    CASES["working in JSON of a text that is not UTF-8"] = (["--explain", "-j", "10.1.2.3\udcff"], b"", 0, Part('{"address":"10.1.2.3\\\\xff",'))

class ProgramTest(unittest.TestCase):
    def test_cases(self):
        for name, (args, stdin, status, expected, *terminal) in CASES.items():
            # A Windows console is asked, not the variables of a terminal.
            if terminal and WINDOWS:
                continue
            with self.subTest(name):
                result = run(args, stdin, terminal=terminal[0] if terminal else None)
                self.assertEqual(result.returncode, status)
                out, err = result.stdout.decode(), result.stderr.decode()
                if status == 2:
                    self.assertEqual(out, "")
                    self.assertRegex(err, "^octaval-cli: .*\nTry 'octaval-cli --help' for more")
                    self.assertIn(expected, err)
                elif isinstance(expected, Diagnostic):
                    self.assertEqual((out, err), ("", f"octaval-cli: {expected}\n"))
                elif isinstance(expected, Part):
                    self.assertEqual(err, "")
                    self.assertIn(expected, out)
                else:
                    self.assertEqual(err, "")
                    self.assertEqual(out, expected)

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

    def test_without_a_terminal_the_worksheet_is_printed(self):
        # Standard input is a pipe that stays open: the program must not wait for it.
        with subprocess.Popen([CLI, "--practice", "--seed", "5", "--count", "3"],
                              stdin=subprocess.PIPE, stdout=subprocess.PIPE) as process:
            out, _ = process.communicate(timeout=TIMEOUT)
        self.assertEqual(out, run(["--worksheet", "--seed", "5", "--count", "3"]).stdout)
        self.assertTrue(out.startswith(b"Octaval practice: seed 5, classes ABC, level natural"))

    def test_output_that_fails(self):
        for args, message in [(["10.1.2.3"], b"answer"), (["--batch"], b"answers")]:
            with self.subTest(args[0]), open("/dev/full", "wb") as full:
                result = run(args, LINE, stdout=full)
                self.assertEqual(result.returncode, 1)
                self.assertIn(b"octaval-cli: cannot write the " + message, result.stderr)
        # A closed pipe ends any output quietly, killed by no SIGPIPE.
        lines = tempfile.NamedTemporaryFile()
        lines.write((LINE + b"\n") * 100000)
        lines.flush()
        for command in ("--list 10.1.2.3/30", "--practice --worksheet --count 100000",
                        f"--batch < {lines.name}"):
            with self.subTest(command):
                piped = subprocess.run(["bash", "-c", f"set -o pipefail; '{CLI}' {command} | head -c1"],
                                       capture_output=True)
                self.assertEqual((piped.returncode, piped.stderr), (0, b""))


def worksheet(*args):
    out = run(["--practice", "--json", "--answers", *args]).stdout
    return [json.loads(line) for line in out.splitlines()]


class Session:
    # The program on a pseudo-terminal: answers typed, what it wrote read back.
    def __init__(self, *args, columns=0):
        self.pid, self.fd = pty.fork()
        if self.pid == 0:
            if columns:  # the terminal's width, set before the program asks for it
                fcntl.ioctl(0, termios.TIOCSWINSZ, struct.pack("HHHH", 24, columns, 0, 0))
            os.execv(CLI, [CLI, "--practice", *args])
        self.seen = ""

    def read_until(self, text):
        while text not in self.seen:
            assert select.select([self.fd], [], [], TIMEOUT)[0], f"waited for {text!r}, got {self.seen!r}"
            try:
                data = os.read(self.fd, 4096)
            except OSError:  # the program has ended
                data = b""
            assert data, f"ended before {text!r}: {self.seen!r}"
            self.seen += data.decode()
        before, _, self.seen = self.seen.partition(text)
        return before + text

    def answer(self, text, eof=False):
        self.read_until("? ")
        os.write(self.fd, text.encode() + (b"\x04" if eof else b"\n"))
        # The terminal echoes the answer; the program's reply follows.
        if text or not eof:
            self.read_until(text + ("" if eof else "\r\n"))

    def end(self):
        status = os.waitstatus_to_exitcode(os.waitpid(self.pid, 0)[1])
        os.close(self.fd)
        return status


# A Windows program under Wine gets no console from a pseudo-terminal: it sees no terminal and
# prints the worksheet, so the session is tested on POSIX systems only.
@unittest.skipIf(WINDOWS, "no terminal for a Windows program")
class SessionTest(unittest.TestCase):
    def test_right_wrong_lenient_working_unanswered_and_end_of_input(self):
        args = ("--seed", "42", "--count", "2", "--questions", "network,class,subnets,status")
        first = worksheet(*args)[0]["answers"]
        network, letter = ".".join(first["network"]), first["class"]
        subnets = first["subnetLine"].split(", ")[1].removesuffix(" subnets")
        session = Session(*args)
        session.answer(f" {network} ")  # blanks around an answer do not matter
        self.assertIn("right", session.read_until("\n"))
        session.answer("?")  # the working, then the question again
        self.assertIn("Subnet mask  11111111.", session.read_until("Class? "))
        os.write(session.fd, f"class {letter.lower()}\n".encode())
        self.assertIn("    right", session.read_until("Usable subnets? "))
        os.write(session.fd, b"9999\n")
        self.assertIn(f"    wrong, expected {subnets}", session.read_until("? "))
        os.write(session.fd, b"\n")  # an empty line skips the question
        self.assertIn("    not answered\r\n", session.read_until("Problem 2 of 2"))
        session.answer("", eof=True)  # Ctrl+D at the prompt
        self.assertIn("Score: 2 of 3 answers right, 1 not answered\r\n", session.read_until("answered\r\n"))
        self.assertEqual(session.end(), 0)

    def test_a_known_mistake_is_told_why_within_the_terminal_width(self):
        args = ("--seed", "42", "--count", "1", "--questions", "hosts")
        bits = int(worksheet(*args)[0]["answers"]["hostLine"].split(" ")[0])
        session = Session(*args, columns=40)
        before = session.read_until("? ")
        os.write(session.fd, f"{2 ** bits}\n".encode())
        reason = session.read_until("Score").split("\r\n")[1:-2]
        # Every text of the program's own fits: the heading, the list of statuses, the reason.
        lines = before.split("\r\n") + reason
        self.assertTrue(all(len(line) <= 40 for line in lines), lines)
        self.assertIn(f"which counts the network and the broadcast address; neither is a host, "
                      f"so 2^{bits} - 2 = {2 ** bits - 2} are usable. Step ",
                      " ".join(line.strip() for line in reason))
        self.assertEqual(session.end(), 0)

    def test_a_kind_answered_wrong_is_asked_again(self):
        # After a wrong status the next problem is one whose status is not "OK", drawn on from the
        # seed's sequence, where the worksheet of the seed goes on with one that is.
        args = ("--seed", "2", "--level", "contiguous", "--questions", "status")
        sheet = worksheet(*args, "--count", "10")
        self.assertEqual([p["answers"]["status"] for p in sheet[:2]], ["OK", "OK"])
        again = next(p for p in sheet[1:] if p["answers"]["status"] != "OK")
        session = Session(*args, "--count", "2")
        session.answer("Illegal IP address")
        self.assertIn("wrong", session.read_until("Problem 2 of 2"))
        self.assertIn(f"IP address {again['address']}, subnet mask {again['mask']}\r\n",
                      session.read_until("? "))
        os.write(session.fd, b"\x04")
        self.assertEqual(session.end(), 0)

    def test_answers_in_the_language_and_in_english(self):
        # Seed 3 begins with two statuses other than "OK", whose words differ in every language.
        args = ("--seed", "3", "--count", "2", "--level", "faults", "--questions", "status")
        first, second = (p["answers"]["status"] for p in worksheet(*args))
        for code in ("de", "fr", "es"):
            words = dict(phrases.messages(f"{HERE}/../../ui/translations/octaval_{code}.ts"))
            session = Session(*args, "--language", code)
            for answer in (words[("Status", first, "")][0], second):
                session.answer(answer)
                right = words[("Practice", "right", "")][0]
                self.assertEqual(session.read_until("\r\n"), f"    {right}\r\n")
            os.write(session.fd, b"\x04")
            self.assertEqual(session.end(), 0)


# A problem's heading in a printed worksheet, then the lines that follow it up to the next problem
# or page (pdftotext puts a form feed between pages).
PRINTED = re.compile(r"Problem (\d+): IP address (\S+), subnet mask (\S+)\n((?:[^\f\n]*\n)*?)(?=Problem|\f|$)")


@unittest.skipUnless(shutil.which("chromium") and shutil.which("pdftotext"), "needs chromium and pdftotext")
class PrintedWorksheetTest(unittest.TestCase):
    # The HTML worksheet as Chromium prints it to PDF: the problems of --json, each whole on its
    # page, then the key from a page of its own.
    def test_problems_then_the_key(self):
        for options in (["--count", "7"], ["--count", "12", "--level", "faults", "--questions", "network,status"]):
            with self.subTest(options[-1]), tempfile.TemporaryDirectory() as folder:
                problems = [json.loads(line) for line in run(["--practice", "--seed", "9", "--json", "--answers", *options]).stdout.splitlines()]
                with open(f"{folder}/sheet.html", "wb") as page:
                    page.write(run(["--practice", "--seed", "9", "--html", "--answers", *options]).stdout)
                # A profile of its own: with the default one, a Chromium already running takes the job over.
                subprocess.run(["chromium", "--headless", "--no-sandbox", "--disable-gpu", "--no-pdf-header-footer", f"--user-data-dir={folder}/profile",
                                f"--print-to-pdf={folder}/sheet.pdf", f"file://{folder}/sheet.html"], capture_output=True, timeout=120)
                sheet, key = subprocess.run(["pdftotext", f"{folder}/sheet.pdf", "-"], capture_output=True).stdout.decode().split("\fAnswer key\n")
                self.assertEqual([[m[:3] for m in PRINTED.findall(part)] for part in (sheet, key)], [[(str(n), p["address"], p["mask"]) for n, p in enumerate(problems, 1)]] * 2)
                self.assertEqual([len([line for line in m[3].splitlines() if line]) for m in PRINTED.findall(sheet)], [len(p["questions"]) for p in problems])
                self.assertEqual([p["answers"]["status"] in " ".join(m[3].split()) for p, m in zip(problems, PRINTED.findall(key))], [True] * len(problems))


if __name__ == "__main__":
    unittest.main()
