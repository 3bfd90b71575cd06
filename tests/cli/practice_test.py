#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 the Octaval developers
# SPDX-License-Identifier: GPL-3.0-or-later
# octaval-cli --practice: a session on a pseudo-terminal as a learner has it, and worksheets as
# a teacher's tools read them, checked against --batch. Run by CTest with OCTAVAL_CLI set.
import csv
import fcntl
import io
import json
import os
import pty
import select
import struct
import subprocess
import sys
import termios
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, f"{HERE}/../../report/phrases")
import phrases  # noqa: E402

CLI = os.environ["OCTAVAL_CLI"]
TIMEOUT = 30


def run(*args, stdin=b""):
    return subprocess.run([CLI, *args], input=stdin, capture_output=True, timeout=TIMEOUT)


def worksheet(*args):
    return [json.loads(line) for line in
            run("--practice", "--json", "--answers", *args).stdout.decode().splitlines()]


class Session:
    # The program on a pseudo-terminal: answers typed, what it wrote read back.
    def __init__(self, *args):
        self.pid, self.fd = pty.fork()
        if self.pid == 0:
            os.execv(CLI, [CLI, "--practice", *args])
        self.seen = ""

    def read_until(self, text):
        while text not in self.seen:
            ready = select.select([self.fd], [], [], TIMEOUT)[0]
            assert ready, f"waited for {text!r}, got {self.seen!r}"
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
        _, status = os.waitpid(self.pid, 0)
        os.close(self.fd)
        return os.waitstatus_to_exitcode(status)


# A Windows program under Wine gets no console from a pseudo-terminal: it sees no terminal and
# prints the worksheet, so the session is tested on POSIX systems only.
@unittest.skipIf(os.environ.get("OCTAVAL_CLI_WINDOWS") == "1", "no terminal for a Windows program")
class SessionTest(unittest.TestCase):
    def test_right_wrong_lenient_working_and_end_of_input(self):
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
        os.write(session.fd, f"{first['status'].upper()}\n".encode())
        self.assertIn("right", session.read_until("Problem 2 of 2"))
        session.answer("", eof=True)  # Ctrl+D at the prompt
        self.assertIn("Score: 3 of 4 answers right\r\n", session.read_until("right\r\n"))
        self.assertEqual(session.end(), 0)

    def test_empty_line_skips_the_question(self):
        session = Session("--seed", "7", "--count", "1", "--questions", "network,class")
        session.answer("")
        self.assertIn("    not answered\r\n", session.read_until("Class? "))
        os.write(session.fd, b"\x04")
        self.assertIn("Score: 0 of 0 answers right, 1 not answered",
                      session.read_until("answered\r\n"))
        self.assertEqual(session.end(), 0)

    def test_a_known_mistake_is_told_why_within_the_terminal_width(self):
        args = ("--seed", "42", "--count", "1", "--questions", "hosts")
        bits = int(worksheet(*args)[0]["answers"]["hostLine"].split(" ")[0])
        session = Session(*args)
        fcntl.ioctl(session.fd, termios.TIOCSWINSZ, struct.pack("HHHH", 24, 40, 0, 0))
        session.answer(str(2 ** bits))
        reason = session.read_until("Score").split("\r\n")[1:-2]
        self.assertTrue(all(len(line) <= 40 for line in reason), reason)
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
                self.assertEqual(session.read_until("\r\n"), f"    {words[('Practice', 'right', '')][0]}\r\n")
            os.write(session.fd, b"\x04")
            self.assertEqual(session.end(), 0)

class WorksheetTest(unittest.TestCase):
    def test_level_and_seed_give_their_problems(self):
        # The answers are the press of each problem (tests/practice/practice_test.cpp).
        first = worksheet("--seed", "2026", "--level", "any")[0]
        self.assertEqual((first["address"], first["mask"]), ("157.226.184.142", "255.240.128.0"))

    def test_without_a_terminal_the_worksheet_is_printed(self):
        # Standard input is a pipe that stays open: the program must not wait for it.
        with subprocess.Popen([CLI, "--practice", "--seed", "5", "--count", "3"],
                              stdin=subprocess.PIPE, stdout=subprocess.PIPE) as process:
            out, _ = process.communicate(timeout=TIMEOUT)
        self.assertEqual(out, run("--worksheet", "--seed", "5", "--count", "3").stdout)
        self.assertTrue(out.startswith(b"Octaval practice: seed 5, classes ABC, level natural"))

    def test_csv_for_spreadsheets(self):
        out = run("--practice", "--csv", "--answers", "--seed", "3", "--count", "4",
                  "--classes", "b", "--questions", "hosts,status").stdout.decode()
        rows = list(csv.DictReader(io.StringIO(out, newline="")))
        self.assertEqual(len(rows), 4)
        for row, problem in zip(rows, worksheet("--seed", "3", "--count", "4", "--classes", "b")):
            self.assertEqual((row["address"], row["mask"]), (problem["address"], problem["mask"]))
            self.assertEqual(row["questions"], "hosts status")
            self.assertEqual(row["status"], problem["answers"]["status"])
            self.assertEqual(row["network"], "")  # not asked

    def test_usage_errors(self):
        for args, message in [(["--practice", "--count", "0"], "from 1 to 100000, got '0'"),
                              (["--practice", "--classes", "D"], "letters A, B and C"),
                              (["--practice", "--level"], "'--level' needs a value")]:
            with self.subTest(args):
                result = run(*args)
                self.assertEqual((result.returncode, result.stdout), (2, b""))
                self.assertIn(message, result.stderr.decode())


if __name__ == "__main__":
    unittest.main()
