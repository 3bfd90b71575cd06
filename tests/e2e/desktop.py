# SPDX-FileCopyrightText: 2026 the Octaval developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A private desktop for the window tests: a virtual X server, a D-Bus session bus (which starts the
# accessibility bus when the program asks for it) and a temporary HOME. The program is driven with
# xdotool as a person would and read back through AT-SPI by its controls' accessible names.
# Everything started here stays in this process's group and is ended with it. Needs Debian's
# /usr/bin/python3, which has the AT-SPI bindings (python3-gi, gir1.2-atspi-2.0).
import atexit
import os
import shutil
import signal
import sys
import tempfile
import time
from subprocess import DEVNULL, PIPE, Popen, run
import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

TIMEOUT = 30  # seconds for any one wait, generous for the sanitizer build
INPUTS = [f"{row}, octet {i}" for row in ("IP address", "Subnet mask") for i in range(1, 5)]


def wait_for(predicate, what, process=None):
    deadline = time.monotonic() + TIMEOUT
    while not (value := predicate()):
        if process and process.poll() is not None or time.monotonic() > deadline:
            raise AssertionError(f"gave up awaiting {what}; status {process and process.poll()}")
        time.sleep(0.02)
    return value


def start(screen="800x600x24"):
    # The desktop for this process and its children, in a temporary folder that it returns.
    os.setpgid(0, 0)
    folder = tempfile.mkdtemp(prefix="octaval-desktop-")
    atexit.register(shutil.rmtree, folder, True)  # last, once every process below has ended
    atexit.register(os.killpg, 0, signal.SIGTERM)  # every process of the group but this one
    signal.signal(signal.SIGTERM, lambda *_: None)
    for name in [n for n in os.environ if n != "PATH" and not n.endswith("SAN_OPTIONS")]:
        del os.environ[name]  # the user's settings stay out, the sanitizers' reach the program
    os.environ.update(HOME=tempfile.mkdtemp(dir=folder), XDG_RUNTIME_DIR=folder, LANG="C.UTF-8")
    read_end, write_end = os.pipe()  # Xvfb picks a free display, writes its number when ready
    if shutil.which("Xvfb"):
        Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", screen, "-nolisten", "tcp"],
              pass_fds=[write_end], stderr=DEVNULL)
    os.close(write_end)
    if not (display := os.read(read_end, 9)):  # nothing when it cannot start
        print("SKIPPED: no virtual X server (Debian package xvfb)")
        sys.exit(77)  # CTest's SKIP_RETURN_CODE
    address = Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1", "--address=unix:"
                     f"dir={folder}"], stdout=PIPE, stderr=DEVNULL, text=True).stdout.readline()
    os.environ.update(DISPLAY=f":{int(display)}", DBUS_SESSION_BUS_ADDRESS=address.strip())
    return folder


def clipboard(text, selection="clipboard"):
    # Hands the selection to xclip, which holds it as another application would.
    owner = Popen(["xclip", "-quiet", "-selection", selection], stdin=PIPE, stdout=DEVNULL)
    owner.stdin.write(text.encode()), owner.stdin.close()
    wait_for(lambda: run(["xclip", "-o", "-selection", selection], capture_output=True).stdout
             == text.encode(), "xclip")


def children(node):
    return [node.get_child_at_index(i) for i in range(node.get_child_count())]


class Octaval:
    # The window program (OCTAVAL) on the desktop, under `wrapper` (such as strace) if given, on
    # the X server unless `environment` says otherwise.
    def __init__(self, wrapper=(), program=os.environ.get("OCTAVAL", "octaval"), **environment):
        self.process = Popen([*wrapper, program], stdin=DEVNULL, env={
            **os.environ, "QT_QPA_PLATFORM": "xcb", "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
            **environment})
        self.main = self.window("Octaval")

    def windows(self):
        # The visible top-level windows of the applications on the bus, by title.
        (desktop := Atspi.get_desktop(0)).clear_cache()
        return {w.get_name(): w for app in filter(None, children(desktop)) for w in children(app)
                if w and w.get_state_set().contains(Atspi.StateType.VISIBLE)}

    def window(self, title):
        # The window's controls by accessible name, once it shows. A caption may share its row's
        # name ("Subnet"): the name is the box's and the caption is "label:Subnet". With no window
        # manager, the keyboard goes to the window under the pointer, where the clicks leave it.
        controls, nodes = {}, [wait_for(lambda: self.windows().get(title), title, self.process)]
        while nodes:
            nodes += children(node := nodes.pop())
            label = "label:" if node.get_role() == Atspi.Role.LABEL else ""
            controls.setdefault(label + node.get_name(), node)
        return controls

    def text(self, name):
        return Atspi.Text.get_text(self.main[name], 0, -1)

    def at(self, name, button=1, window=None):
        # The xdotool commands that click the middle of a control.
        box = (window or self.main)[name].get_extents(Atspi.CoordType.SCREEN)
        x, y = box.x + box.width // 2, box.y + box.height // 2
        return ["mousemove", str(x), str(y), "click", str(button)]

    def do(self, *commands):
        # Runs xdotool commands: lists such as at() gives, or names of keys.
        run(["xdotool", *(c for cmd in commands for c in (cmd if isinstance(cmd, list) else [
            "key", cmd]))], check=True, timeout=TIMEOUT * 4, stdout=DEVNULL)

    def inputs(self):
        return " ".join(".".join(map(self.text, names)) for names in (INPUTS[:4], INPUTS[4:]))

    def press(self, address, mask, *how):
        # Types the address and the mask from the first box on, Tab between the boxes, marks the
        # status box and presses Recalculate as `how` says; the status.
        texts = ["type", "--delay", "5", "\t".join(f"{address}.{mask}".split("."))]
        self.do(self.at(INPUTS[0]), "ctrl+a", texts)  # type takes the rest of a command line
        self.do(self.at("Status"), "ctrl+a", ["type", "pending"])
        wait_for(lambda: self.text("Status") == "pending", "the status box", self.process)
        self.do(*how)
        wait_for(lambda: self.text("Status") != "pending", f"a press by {how}", self.process)
        return self.text("Status")
