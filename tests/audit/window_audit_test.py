#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 the Octaval developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""System-call audit of the octaval window: the program keeps no files, reads no configuration of
its own and uses no network.

Under `strace -f`, a session of presses, About and Exit is driven with xdotool on a virtual X
server (the end-to-end test's desktop, with HOME and XDG_RUNTIME_DIR in a fresh temporary folder).
Then the trace must show no file created or written but the toolkit's caches, nothing looked at in
the home folder but what the toolkit's libraries look at, and no socket but the connections to the
X server and the D-Bus buses. Run by CTest with OCTAVAL set to the program; exits with 77
(skipped) when no X server can be started.
"""
import os
import sys
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
# Leaves no compiled modules in the source tree.
sys.dont_write_bytecode = True
sys.path[:0] = [HERE, os.path.join(os.path.dirname(HERE), "e2e")]
import desktop as dt  # noqa: E402  (after the path is set)
import syscall_trace as st  # noqa: E402
from octaval_window import ALL_BLANK, Octaval, STATUS  # noqa: E402

OCTAVAL = os.path.abspath(os.environ["OCTAVAL"]) if os.environ.get("OCTAVAL") else ""

# What the toolkit's libraries look for in the home folder, relative to it. The program itself has
# no file there to look for.
TOOLKIT_HOME_READS = [
    # fontconfig: the user's configuration, fonts and font caches
    ".config/fontconfig", ".config/fontconfig/*", ".fonts.conf", ".fonts.conf.d",
    ".fonts.conf.d/*", ".fonts", ".fonts/*", ".local/share/fonts", ".local/share/fonts/*",
    ".cache/fontconfig", ".cache/fontconfig/*", ".fontconfig", ".fontconfig/*",
    # Qt: the user's logging rules
    ".config/QtProject/qtlogging.ini",
    # X11: the authority file (libxcb), the resource database (libX11), the compose table
    # (xkbcommon) and the cursor themes (libXcursor)
    ".Xauthority", ".Xdefaults", ".Xdefaults-*", ".XCompose", ".config/XCompose", ".icons",
    ".icons/*", ".local/share/icons", ".local/share/icons/*",
]

# The toolkit's caches, the only places where anything may be written, relative to the home
# folder: fontconfig rebuilds its cache there when the system's is out of date.
TOOLKIT_CACHES = [".cache", ".cache/fontconfig", ".cache/fontconfig/*"]


class WindowAudit(unittest.TestCase):
    desktop = None
    trace = None

    @classmethod
    def setUpClass(cls):
        desktop = cls.desktop
        log_prefix = os.path.join(desktop.folder, "strace", "octaval")
        os.mkdir(os.path.dirname(log_prefix))
        # LeakSanitizer stops the world with ptrace, which strace already holds.
        extra_env = {"ASAN_OPTIONS": os.environ.get("ASAN_OPTIONS", "") + ":detect_leaks=0"}
        octaval = Octaval(desktop, OCTAVAL, wrapper=st.strace_command(log_prefix),
                          extra_env=extra_env)
        try:
            cls.session(desktop, octaval)
            status = octaval.process.wait(timeout=dt.STEP_TIMEOUT)
        finally:
            octaval.close()
        if status != 0:
            raise AssertionError(f"octaval under strace ended with status {status}")
        cls.trace = st.Trace(log_prefix, cwd=desktop.home)

    @staticmethod
    def session(desktop, octaval):
        """Presses with a result, with a message and with a failed conversion; About and OK;
        Exit."""
        for address, mask, status in [("172.16.5.9", "255.255.255.0", "OK"),
                                      ("150.1.1.1", "254.0.0.0",
                                       "Illegal subnet mask versus network class"),
                                      ("10.1.2.4e4", "255.0.0.0", "Illegal IP address")]:
            octaval.fill(address, mask)
            if octaval.press("enter_in_fourth_ip_box") != status:
                raise AssertionError(f"{address} {mask}: {octaval.main.text(STATUS)!r}")
        if octaval.outputs() != ALL_BLANK:
            raise AssertionError(f"outputs after a failed press: {octaval.outputs()}")
        octaval.main.click("About")
        about = dt.wait_window(desktop, octaval.process, octaval.application, "About")
        about.click("OK")
        dt.wait_for(lambda: "About" not in dt.top_windows(octaval.application),
                    "the About window to close", alive=octaval.process)
        desktop.focus(octaval.pid, "Octaval")
        octaval.main.click("Exit")

    def test_creates_and_writes_no_file(self):
        allowed = [os.path.join(self.desktop.home, pattern) for pattern in TOOLKIT_CACHES]
        # Qt makes sure that its runtime folder exists (here it does, and the call fails).
        allowed.append(self.desktop.runtime)
        changes = [f"{path}: {call}" for call, path in self.trace.changes()
                   if not st.matches(path, allowed)]
        self.assertEqual(changes, [], "files created, written or removed")

    def test_looks_at_nothing_in_home_but_what_the_toolkit_reads(self):
        home = self.desktop.home
        looked = self.trace.looked_at(home)
        self.assertTrue(looked, "the toolkit looked at nothing in the home folder: is HOME set?")
        unexpected = sorted({f"~/{path}: {call}" for call, path in looked
                             if path != "." and not st.matches(path, TOOLKIT_HOME_READS)})
        self.assertEqual(unexpected, [], "places in the home folder that the program looked at")

    def test_opens_no_socket_but_x11_and_d_bus(self):
        families = sorted({family for _, family in self.trace.sockets()})
        self.assertEqual(families, ["AF_UNIX"])
        display = self.desktop.display.lstrip(":")
        session_bus = self.desktop.bus.split("unix:path=", 1)[1].split(",", 1)[0]
        allowed = [f"/tmp/.X11-unix/X{display}", f"@/tmp/.X11-unix/X{display}", session_bus,
                   os.path.join(self.desktop.runtime, "at-spi", "*")]
        connections = self.trace.connections()
        unexpected = [f"{call.name} {family} {address}: {call}"
                      for call, family, address in connections
                      if call.name != "connect" or family != "AF_UNIX"
                      or not st.matches(address, allowed)]
        self.assertEqual(unexpected, [], "sockets other than the X server and the buses")
        # The connections are there: the test would pass vacuously otherwise.
        connected = {address for call, _, address in connections if not call.failed}
        self.assertTrue(any("X11-unix" in address for address in connected), connected)
        self.assertIn(session_bus, connected)


if __name__ == "__main__":
    dt.run_tests(WindowAudit)
