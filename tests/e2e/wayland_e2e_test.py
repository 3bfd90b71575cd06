#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 the Octaval developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The window program (OCTAVAL names it) under a headless Wayland compositor: it starts on Qt's
# Wayland platform, answers "Recalculate" pressed through the accessibility bus, and ends by "Exit".
# Exits with 77 (skipped) without weston.
import os
import shutil
import sys
from subprocess import DEVNULL, Popen
import desktop as dt
from gi.repository import Atspi

folder = dt.start()  # the session bus, and an X server that the window does not use
if not shutil.which("weston"):
    print("SKIPPED: no Wayland compositor (Debian packages weston and qt6-wayland)")
    sys.exit(77)
Popen(["weston", "--backend=headless-backend.so", "--socket=wayland-octaval", "--idle-time=0"],
      stdout=DEVNULL, stderr=DEVNULL)
dt.wait_for(lambda: os.path.exists(os.path.join(folder, "wayland-octaval")), "weston")
app = dt.Octaval(QT_QPA_PLATFORM="wayland", WAYLAND_DISPLAY="wayland-octaval", DISPLAY="")
Atspi.Action.do_action(app.main["Recalculate"], 0)  # on 0.0.0.0, as the window starts
dt.wait_for(lambda: app.text("Status") == "Illegal IP address", "the press", app.process)
Atspi.Action.do_action(app.main["Exit"], 0)
assert app.process.wait(dt.TIMEOUT) == 0, f"status {app.process.returncode}"
print("PASS: Recalculate and Exit on Wayland")
