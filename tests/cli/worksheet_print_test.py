#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 the Octaval developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The HTML worksheet as a browser prints it: Debian's Chromium, headless, prints it to PDF, and
# pdftotext reads the pages back (a form feed between pages). Run by CTest with OCTAVAL_CLI set
# to the program; skipped (77) where either tool is missing.
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

CLI = os.environ["OCTAVAL_CLI"]
CHROMIUM, PDFTOTEXT = shutil.which("chromium"), shutil.which("pdftotext")
HEADING = re.compile(r"^Problem (\d+): IP address (\S+), subnet mask (\S+)$", re.M)

# The worksheets printed: each row the options that draw its problems.
SHEETS = {
    "every question, natural masks": ["--seed", "42", "--count", "7"],
    "faults, two questions": ["--seed", "9", "--count", "12", "--level", "faults",
                              "--questions", "network,status"],
}


def printed(html, folder):
    page = os.path.join(folder, "sheet.html")
    with open(page, "w", encoding="utf-8") as f:
        f.write(html)
    pdf = os.path.join(folder, "sheet.pdf")
    subprocess.run([CHROMIUM, "--headless", "--no-sandbox", "--disable-gpu",
                    "--no-pdf-header-footer", f"--print-to-pdf={pdf}", "file://" + page],
                   capture_output=True, timeout=120, check=True)
    text = subprocess.run([PDFTOTEXT, pdf, "-"], capture_output=True, check=True).stdout
    return text.decode().split("\f")


class PrintedWorksheetTest(unittest.TestCase):
    def test_problems_then_key_on_later_pages(self):
        for name, options in SHEETS.items():
            with self.subTest(name), tempfile.TemporaryDirectory() as folder:
                cli = lambda *more: subprocess.run([CLI, "--practice", *options, *more],
                                                   capture_output=True, check=True).stdout.decode()
                problems = [json.loads(line) for line in cli("--json", "--answers").splitlines()]
                pages = printed(cli("--html", "--answers"), folder)
                key = next(i for i, page in enumerate(pages) if page.startswith("Answer key"))
                drawn = [(str(n), p["address"], p["mask"]) for n, p in enumerate(problems, 1)]
                for part in (pages[:key], pages[key:]):
                    self.assertEqual([h for page in part for h in HEADING.findall(page)], drawn)
                self.assertGreater(key, 0)
                # No problem split: each heading shares its page with all its questions' lines.
                for page in pages[:key]:
                    chunks = HEADING.split(page)[1:]
                    for number, _, _, rest in zip(*[iter(chunks)] * 4):
                        asked = problems[int(number) - 1]["questions"]
                        lines = [line for line in rest.splitlines() if line.strip()]
                        self.assertEqual(len(lines), len(asked), (number, lines))
                key_words = " ".join("".join(pages[key:]).split())
                for p in problems:
                    self.assertIn(p["answers"]["status"], key_words)


if __name__ == "__main__":
    if not (CHROMIUM and PDFTOTEXT):
        print("chromium or pdftotext missing: skipped")
        sys.exit(77)
    unittest.main()
