#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 the Octaval developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""System-call audit of octaval-cli: under `strace -f`, one address and a batch create or write no
file, look at nothing in the home folder and open no socket at all.

Run by CTest with OCTAVAL_CLI set to the program. Also checks, on a shell command that does all of
it, that the audit sees files written, the home folder read and network sockets.
"""
import os
import subprocess
import sys
import tempfile
import unittest

# Leaves no compiled modules in the source tree.
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import syscall_trace as st  # noqa: E402  (after the path is set)

CLI = os.path.abspath(os.environ["OCTAVAL_CLI"]) if os.environ.get("OCTAVAL_CLI") else ""

BATCH = "".join(f"{line}\n" for line in [
    "10\t1\t2\t3\t255\t255\t0\t0", "172\t16\t5\t9\t255\t255\t255\t0",
    "200\t1\t2\t77\t255\t255\t255\t224", "224\t1\t2\t3\t255\t255\t255\t0",
    "250\t1\t2\t3\t255\t255\t255\t0", "0\t1\t2\t3\t255\t0\t0\t0", "10\t1\t2\t4e4\t255\t0\t0\t0",
    "150\t1\t1\t1\t254\t0\t0\t0", "10\t1\t2\t3\t255\t0\t255\t0", "not a line"]).encode()


class Traced:
    """One program run under strace with HOME and the working folder in a temporary folder."""

    def __init__(self, argv, stdin=b""):
        self.folder = tempfile.mkdtemp(prefix="octaval-audit-")
        self.home = os.path.join(self.folder, "home")
        os.mkdir(self.home)
        os.mkdir(os.path.join(self.folder, "strace"))
        log_prefix = os.path.join(self.folder, "strace", "run")
        env = dict(os.environ, HOME=self.home)
        # LeakSanitizer stops the world with ptrace, which strace already holds.
        env["ASAN_OPTIONS"] = env.get("ASAN_OPTIONS", "") + ":detect_leaks=0"
        self.result = subprocess.run([*st.strace_command(log_prefix), *argv], input=stdin,
                                     capture_output=True, cwd=self.home, env=env, timeout=120)
        self.trace = st.Trace(log_prefix, cwd=self.home)

    def close(self):
        subprocess.run(["rm", "-rf", self.folder], check=False)

    def violations(self):
        """Everything the audit forbids a program that keeps no files and uses no network."""
        found = [f"changes {path}: {call}" for call, path in self.trace.changes()]
        found += [f"looks at ~/{path}: {call}" for call, path in self.trace.looked_at(self.home)
                  if path != "."]
        found += [f"socket {family}: {call}" for call, family in self.trace.sockets()]
        found += [f"{call.name} {address}: {call}" for call, _, address in
                  self.trace.connections()]
        return found


class CliAudit(unittest.TestCase):
    def audit(self, argv, stdin=b"", status=0):
        traced = Traced([CLI, *argv], stdin)
        try:
            self.assertEqual(traced.result.returncode, status, traced.result.stderr.decode())
            self.assertTrue(traced.result.stdout)
            self.assertEqual(traced.violations(), [])
        finally:
            traced.close()

    def test_one_address(self):
        self.audit(["172.16.5.9", "255.255.255.0"])

    def test_one_address_as_json(self):
        self.audit(["--json", "10.1.2.3/16"])

    def test_batch(self):
        # The last line is malformed, which sets the status to 1.
        self.audit(["--batch"], BATCH, status=1)


class AuditSeesViolations(unittest.TestCase):
    """The audit is only worth its silence if it reports what it is there to catch."""

    def test_reports_writes_home_reads_and_network_sockets(self):
        script = ("import os, socket\n"
                  "open(os.path.expanduser('~/.octavalrc'), 'w').write('x')\n"
                  "os.path.exists('relative-in-home')\n"
                  "s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)\n"
                  "s.connect(('127.0.0.1', 9))\n")
        traced = Traced([sys.executable, "-S", "-c", script])
        try:
            self.assertEqual(traced.result.returncode, 0, traced.result.stderr.decode())
            found = "\n".join(traced.violations())
            for expected in [f"changes {traced.home}/.octavalrc", "looks at ~/.octavalrc",
                             "looks at ~/relative-in-home", "socket AF_INET", "connect "]:
                self.assertIn(expected, found)
        finally:
            traced.close()


if __name__ == "__main__":
    if not CLI or not os.access(CLI, os.X_OK):
        sys.exit(f"OCTAVAL_CLI must name the built program (got {CLI!r})")
    unittest.main(verbosity=2)
