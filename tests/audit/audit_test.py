#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 the Octaval developers
# SPDX-License-Identifier: GPL-3.0-or-later
# What the programs do to the system, by mode. "cli" and "window" run octaval-cli (OCTAVAL_CLI) or
# a session of the window (OCTAVAL, on the end-to-end test's desktop) under strace with HOME in a
# temporary folder: no file created or written, nothing in HOME looked at but what the toolkit
# reads, no socket but the local ones of the X server and the buses (none for octaval-cli).
# "memcheck" runs an octaval-cli batch under valgrind's memcheck.
import fnmatch
import os
import random
import re
import subprocess
import sys
import tempfile

STRACE = ["strace", "-f", "-qq", "-e", "trace=%file,socket,socketpair,connect,bind", "-o"]
CHANGES = re.compile(r"^\d+ +(creat|mkdir|mknod|rename|link|symlink|unlink|rmdir|truncate|f?chmod|"
                     r"[lf]?chown|utime|[lf]?(set|remove)xattr)|O_(WRONLY|RDWR|CREAT|TRUNC)")
# What the toolkit looks for in HOME: fontconfig's configuration, fonts and cache, Qt's logging
# rules, the X authority file, resources, compose table and cursor themes.
TOOLKIT_READS = (".config/fontconfig* .fonts* .local/share/fonts* .cache/fontconfig* .fontconfig* "
                 ".config/QtProject/qtlogging.ini .Xauthority .Xdefaults* .XCompose "
                 ".config/XCompose .icons* .local/share/icons*").split()
# Writes ~/.octavalrc, looks for ~/.x and makes a network socket: the audit must see all three.
OFFENDER = ["bash", "-c", "echo >~/.octavalrc; test -e ~/.x; exec 3<>/dev/udp/127.0.0.1/9"]


def batch(lines, rng=random.Random(1102)):
    # Lines of random fields, most of them eight, and lines that a batch must refuse.
    fields = "0 1 10 127 128 191 192 223 224 255 256 1.5 2.5 4e4 -1 -0 abc .5 +7 &H1F 1e400 1d2"
    fields = fields.split() + ["", " ", "\u0661", "\udcff", "9" * 400]
    rows = ["\t".join(rng.choices(fields, k=rng.choice([8] * 12 + [0, 1, 7, 9])))
            + rng.choice(["\n", "\r\n"]) for _ in range(lines)]
    rows += ["a" * 100000 + "\n", "1\t2\t3\t4\x00\t5\t6\t7\t8\n", "\t".join(["1" * 5000] * 9)]
    return "".join(rows).encode("utf-8", "surrogateescape")


def violations(log, home, readable=(), writable=(), sockets="socket"):
    # What an strace log shows beyond the allowed: "write", a file changed outside `writable`;
    # "home", a place in HOME outside `readable`; "socket", a call matching `sockets`.
    def outside(path, patterns):
        return not any(fnmatch.fnmatch(path, pattern) for pattern in patterns)

    found = set()
    for line in open(log, encoding="latin-1"):
        paths = [os.path.normpath(p) for p in re.findall(r'"(/[^"]*)"', line)]
        found |= {kind for kind, seen in [
            ("write", CHANGES.search(line) and any(outside(p, writable) for p in paths)),
            ("home", any(p.startswith(home + "/") and outside(p, readable) for p in paths)),
            ("socket", re.search(rf"\b{sockets}\(", line))] if seen}
    return found


def audit_cli(home):
    cli = os.environ["OCTAVAL_CLI"]
    for argv, stdin, status, kinds in [([cli, "--json", "10.1.2.3/16"], b"", 0, set()),
                                       ([cli, "--batch"], batch(9), 1, set()),
                                       (OFFENDER, b"", 0, {"write", "home", "socket"})]:
        run = subprocess.run([*STRACE, f"{home}/log", *argv], input=stdin, cwd="/", timeout=300,
                             env=dict(os.environ, HOME=home))
        found = violations(f"{home}/log", home)
        assert (run.returncode, found) == (status, kinds), (argv, run.returncode, found)


def audit_window(_):
    import desktop as dt  # in tests/e2e, on PYTHONPATH
    import window_e2e_test as e2e

    folder = dt.start()
    app = dt.Octaval(wrapper=[*STRACE, f"{folder}/strace"])
    e2e.presses(app, e2e.PRESSES[:4])
    e2e.about_and_exit(app)
    # fontconfig may refresh its cache in HOME; Qt makes sure that its runtime folder exists.
    home = os.environ["HOME"]
    found = violations(f"{folder}/strace", home, [f"{home}/{r}" for r in TOOLKIT_READS], [
        f"{home}/.cache", f"{home}/.cache/fontconfig*", folder], r"socket(pair)?\((?!AF_UNIX)")
    assert not found and home in open(f"{folder}/strace").read(), (found, "or HOME unread")


def memcheck(_):
    stdin = batch(300)  # an indirect leak counts too, and comes with a definite one that is shown
    run = subprocess.run(["valgrind", "-q", "--error-exitcode=99", "--track-origins=yes",
                          "--leak-check=full", "--errors-for-leak-kinds=definite,indirect,possible",
                          os.environ["OCTAVAL_CLI"], "--batch"], input=stdin, capture_output=True)
    assert run.returncode == 1, (run.returncode, run.stderr.decode(errors="replace"))
    assert run.stdout.count(b"\n") == stdin.count(b"\n") + 1, "not one answer a line"


if __name__ == "__main__":
    with tempfile.TemporaryDirectory(prefix="octaval-audit-") as folder:
        {"cli": audit_cli, "window": audit_window, "memcheck": memcheck}[sys.argv[1]](folder)
