# SPDX-FileCopyrightText: 2026 the Octaval developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""A private desktop for driving the real octaval window as a person would.

Starts a virtual X server (Xvfb), a D-Bus session bus and the accessibility bus, launches the
program on them, types and clicks with xdotool, and reads the window back through the
accessibility bus (AT-SPI) by the boxes' accessible names. Every wait is bounded and every process
started here is ended on close, including those that the buses start on their own.

Needs Debian's python3 with python3-gi and gir1.2-atspi-2.0 (run it with /usr/bin/python3).
"""
import os
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time

try:
    import gi

    gi.require_version("Atspi", "2.0")
    gi.require_version("Gio", "2.0")
    from gi.repository import Atspi, Gio, GLib
except (ImportError, ValueError) as error:
    sys.exit(f"{sys.executable} cannot read the accessibility bus ({error}); install python3-gi "
             "and gir1.2-atspi-2.0 (scripts/install-deps) and run this with /usr/bin/python3")

# CTest's SKIP_RETURN_CODE: the test is reported as skipped, not passed.
SKIP = 77

# Bounds of the waits, generous for the sanitizer build.
START_TIMEOUT = 30.0
STEP_TIMEOUT = 10.0
POLL = 0.02

AT_SPI_BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"


class Unavailable(Exception):
    """The desktop cannot be set up here (no X server): the test is skipped, not passed."""


def wait_for(predicate, what, timeout=STEP_TIMEOUT, alive=None):
    """Polls `predicate` until it returns something true and returns that; fails after `timeout`
    seconds naming `what`, or at once when the process `alive` has ended."""
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if alive is not None and alive.poll() is not None:
            raise AssertionError(
                f"octaval ended (status {alive.returncode}) while waiting for {what}")
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out after {timeout:.0f} s waiting for {what}")
        time.sleep(POLL)


def descendants(root_pid):
    """Ids of every process below `root_pid`, deepest first."""
    children = {}
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open(f"/proc/{entry}/stat") as stat:
                # The command name may hold blanks and parentheses: fields follow the last ')'.
                ppid = int(stat.read().rsplit(")", 1)[1].split()[1])
        except (OSError, IndexError, ValueError):
            continue
        children.setdefault(ppid, []).append(int(entry))
    found = []

    def visit(pid):
        for child in children.get(pid, []):
            visit(child)
            found.append(child)

    visit(root_pid)
    return found


def end_processes(pids, grace=3.0):
    """Ends each process in turn (deepest first, so that parents can reap their children): SIGTERM,
    then SIGKILL if it is still there after `grace` seconds."""
    for pid in pids:
        for sig in (signal.SIGTERM, signal.SIGKILL):
            try:
                os.kill(pid, sig)
            except ProcessLookupError:
                break
            if _wait_gone(pid, grace):
                break


def _wait_gone(pid, timeout):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        try:
            if os.waitpid(pid, os.WNOHANG) != (0, 0):
                return True
        except ChildProcessError:  # another's child: gone once it is a zombie or reaped
            if _state(pid) in (None, "Z"):
                return True
        time.sleep(POLL)
    return False


def _state(pid):
    try:
        with open(f"/proc/{pid}/stat") as stat:
            return stat.read().rsplit(")", 1)[1].split()[0]
    except (OSError, IndexError):
        return None


def _reap_orphans():
    """Collects the exit status of every finished child, orphans handed to us included."""
    while True:
        try:
            pid, _ = os.waitpid(-1, os.WNOHANG)
        except ChildProcessError:
            return
        if pid == 0:
            return


def _become_subreaper():
    """Makes processes orphaned below this one (such as those that the buses start) our children
    rather than init's, so that they are found and ended on close."""
    import ctypes

    PR_SET_CHILD_SUBREAPER = 36
    ctypes.CDLL(None, use_errno=True).prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0)


class Desktop:
    """Xvfb, a D-Bus session bus and the accessibility bus, in a temporary folder that also serves
    as HOME and XDG_RUNTIME_DIR of the programs started on it."""

    def __init__(self, screen="800x600x24"):
        self.folder = tempfile.mkdtemp(prefix="octaval-desktop-")
        self.home = os.path.join(self.folder, "home")
        self.runtime = os.path.join(self.folder, "runtime")
        os.mkdir(self.home, 0o700)
        os.mkdir(self.runtime, 0o700)
        self._processes = []
        _become_subreaper()
        self.env = {
            "PATH": os.environ.get("PATH", "/usr/bin:/bin"),
            "HOME": self.home,
            "XDG_RUNTIME_DIR": self.runtime,
            "LANG": "C.UTF-8",
        }
        # Sanitizer settings of the build's test preset reach the program.
        for name in ("ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"):
            if name in os.environ:
                self.env[name] = os.environ[name]
        try:
            self.display = self._start_x(screen)
            self.env["DISPLAY"] = self.display
            self.bus = self._start_session_bus()
            self.env["DBUS_SESSION_BUS_ADDRESS"] = self.bus
            self._start_accessibility_bus()
        except BaseException:
            self.close()
            raise
        # The AT-SPI client library of this process finds the buses through these.
        os.environ.update(self.env)
        Atspi.set_timeout(int(STEP_TIMEOUT * 1000), int(START_TIMEOUT * 1000))

    def _spawn(self, argv, **kwargs):
        process = subprocess.Popen(argv, env=self.env, stdin=subprocess.DEVNULL, **kwargs)
        self._processes.append(process)
        return process

    def _start_x(self, screen):
        if shutil.which("Xvfb") is None:
            raise Unavailable("Xvfb is not installed (Debian package xvfb)")
        read_end, write_end = os.pipe()
        try:
            # -displayfd: the server picks a free display and writes its number once it is ready.
            xvfb = self._spawn(["Xvfb", "-displayfd", str(write_end), "-screen", "0", screen,
                                "-nolisten", "tcp", "-noreset"],
                               pass_fds=[write_end], stdout=subprocess.DEVNULL,
                               stderr=subprocess.PIPE)
            os.close(write_end)
            write_end = None
            number = b""
            deadline = time.monotonic() + START_TIMEOUT
            while not number.endswith(b"\n"):
                ready, _, _ = select.select([read_end], [], [], max(0, deadline - time.monotonic()))
                chunk = os.read(read_end, 16) if ready else b""
                if not chunk:
                    break
                number += chunk
        finally:
            os.close(read_end)
            if write_end is not None:
                os.close(write_end)
        if not number.strip().isdigit():
            xvfb.kill()
            error = xvfb.communicate(timeout=5)[1].decode(errors="replace").strip()
            last = error.splitlines()[-1] if error else "it gave no display number"
            raise Unavailable(f"Xvfb did not start: {last}")
        # From now on its messages would only clutter the test's output.
        threading.Thread(target=xvfb.stderr.read, daemon=True).start()
        return ":" + number.decode().strip()

    def _start_session_bus(self):
        bus = self._spawn(["dbus-daemon", "--session", "--nofork", "--nopidfile",
                           "--print-address=1", f"--address=unix:dir={self.runtime}"],
                          stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        ready, _, _ = select.select([bus.stdout], [], [], START_TIMEOUT)
        address = bus.stdout.readline().decode().strip() if ready else ""
        if not address:
            raise RuntimeError("dbus-daemon gave no session bus address")
        return address

    def _start_accessibility_bus(self):
        # Started here rather than by bus activation, so that it is our child and ends with us.
        self._spawn([AT_SPI_BUS_LAUNCHER, "--launch-immediately"], stdout=subprocess.DEVNULL,
                    stderr=subprocess.DEVNULL)
        connection = Gio.DBusConnection.new_for_address_sync(
            self.bus,
            Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
            | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)

        def registered():
            reply = connection.call_sync(
                "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                "NameHasOwner", GLib.Variant("(s)", ("org.a11y.Bus",)), None,
                Gio.DBusCallFlags.NONE, 2000, None)
            return reply.unpack()[0]

        wait_for(registered, "the accessibility bus launcher", START_TIMEOUT)
        connection.close_sync(None)

    def launch(self, program, extra_env=None, wrapper=()):
        """Starts `program` (optionally under `wrapper`, such as strace) on the xcb platform with
        the accessibility bridge on, and returns its process."""
        env = dict(self.env, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        env.update(extra_env or {})
        process = subprocess.Popen([*wrapper, program], env=env, cwd=self.home,
                                   stdin=subprocess.DEVNULL, start_new_session=False)
        self._processes.append(process)
        return process

    def xdotool(self, *args):
        """Runs one xdotool command line (several commands may be chained in it)."""
        subprocess.run(["xdotool", *args], env=self.env, check=True, timeout=STEP_TIMEOUT + 60,
                       stdout=subprocess.DEVNULL)

    def focus(self, pid, title):
        """Gives the keyboard to the visible X window of process `pid` titled `title`: with no
        window manager here, nothing else does."""
        self.xdotool("search", "--all", "--onlyvisible", "--pid", str(pid), "--name",
                     f"^{title}$", "windowfocus", "--sync")

    def close(self):
        """Ends every process started here, children of the buses included, and removes the
        temporary folder."""
        end_processes(descendants(os.getpid()))
        _reap_orphans()
        for process in self._processes:
            if process.returncode is None:
                process.returncode = process.poll()
        self._processes.clear()
        shutil.rmtree(self.folder, ignore_errors=True)


class Clipboard:
    """The CLIPBOARD (or PRIMARY) selection held by xclip, as another application would."""

    def __init__(self, desktop, selection="clipboard"):
        self._desktop = desktop
        self._selection = selection
        self._owner = None

    def set(self, data: bytes):
        self.release()
        # -quiet keeps xclip in the foreground, our child, until another client takes the selection.
        self._owner = subprocess.Popen(["xclip", "-quiet", "-selection", self._selection, "-i"],
                                       env=self._desktop.env, stdin=subprocess.PIPE,
                                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self._owner.stdin.write(data)
        self._owner.stdin.close()
        wait_for(lambda: self.get() == data, f"xclip to own the {self._selection} selection")

    def get(self):
        result = subprocess.run(["xclip", "-o", "-selection", self._selection], capture_output=True,
                                env=self._desktop.env, timeout=STEP_TIMEOUT)
        return result.stdout if result.returncode == 0 else None

    def release(self):
        if self._owner is not None:
            if self._owner.poll() is None:
                self._owner.terminate()
            self._owner.wait(timeout=STEP_TIMEOUT)
            self._owner = None


class Window:
    """One top-level window of the program as the accessibility bus shows it: its controls by
    accessible name, read through AT-SPI and operated with xdotool at their places on screen."""

    def __init__(self, desktop, process, accessible):
        self._desktop = desktop
        self._process = process
        self.accessible = accessible
        self.controls = {}
        self._places = {}
        self._collect(accessible)

    def _collect(self, node):
        for index in range(node.get_child_count()):
            child = node.get_child_at_index(index)
            name = child.get_name()
            # Labels come first in each row and may share a name with a box ("Subnet"): the boxes
            # and buttons are what the tests address.
            if name and child.get_role() != Atspi.Role.LABEL:
                self.controls[name] = child
            elif name:
                self.controls.setdefault("label:" + name, child)
            self._collect(child)

    @property
    def title(self):
        return self.accessible.get_name()

    def text(self, name):
        """The text of the box with accessible name `name`."""
        return Atspi.Text.get_text(self.controls[name], 0, -1)

    def extents(self, name=None):
        accessible = self.controls[name] if name else self.accessible
        rect = accessible.get_extents(Atspi.CoordType.SCREEN)
        return rect.x, rect.y, rect.width, rect.height

    def enabled(self, name):
        return self.controls[name].get_state_set().contains(Atspi.StateType.ENABLED)

    def focused(self, name):
        return self.controls[name].get_state_set().contains(Atspi.StateType.FOCUSED)

    def centre(self, name):
        """The screen position of the middle of a control."""
        # Windows of a fixed size that nobody moves: their controls stay where they are.
        if name not in self._places:
            x, y, width, height = self.extents(name)
            self._places[name] = (x + width // 2, y + height // 2)
        return self._places[name]

    def click_commands(self, name, button=1):
        """The xdotool commands that click the middle of a control, for chaining with others."""
        x, y = self.centre(name)
        return ["mousemove", str(x), str(y), "click", str(button)]

    def click(self, name, button=1):
        """Moves the mouse to the middle of the control and clicks it."""
        self._desktop.xdotool(*self.click_commands(name, button))

    def wait_text(self, name, expected, timeout=STEP_TIMEOUT):
        """Waits until the box shows `expected`; fails naming the box and what it showed."""
        try:
            wait_for(lambda: self.text(name) == expected, f"{name!r} to show {expected!r}",
                     timeout, alive=self._process)
        except AssertionError as error:
            raise AssertionError(f"{error}; it shows {self.text(name)!r}") from None


def program_pid(process, program, timeout=START_TIMEOUT):
    """The id of the process running `program`: `process` itself or, when it is a wrapper such as
    strace, the child that it started."""
    program = os.path.realpath(program)

    def find():
        for pid in [process.pid, *descendants(process.pid)]:
            try:
                if os.readlink(f"/proc/{pid}/exe") == program:
                    return pid
            except OSError:
                pass
        return None

    return wait_for(find, f"{program} to start", timeout, alive=process)


def application_of(process, pid, timeout=START_TIMEOUT):
    """The application object of process `pid` (started as `process`) on the accessibility bus."""

    def find():
        desktop = Atspi.get_desktop(0)
        desktop.clear_cache()
        for index in range(desktop.get_child_count()):
            application = desktop.get_child_at_index(index)
            if application is not None and application.get_process_id() == pid:
                return application
        return None

    return wait_for(find, "the program to appear on the accessibility bus", timeout, alive=process)


def top_windows(application):
    """The program's top-level windows by title, as the accessibility bus shows them now."""
    application.clear_cache()
    windows = {}
    for index in range(application.get_child_count()):
        child = application.get_child_at_index(index)
        if child is not None and child.get_state_set().contains(Atspi.StateType.VISIBLE):
            windows[child.get_name()] = child
    return windows


def wait_window(desktop, process, application, title, timeout=START_TIMEOUT):
    """Waits for the program's visible top-level window titled `title` and returns it."""
    accessible = wait_for(lambda: top_windows(application).get(title),
                          f"the window {title!r} to show", timeout, alive=process)
    return Window(desktop, process, accessible)


def run_tests(test_case):
    """Runs the unittest tests of this program's __main__ on a fresh desktop, handed to them as
    `test_case.desktop`, and exits with their outcome; or with SKIP when no X server can start."""
    import unittest

    program = os.environ.get("OCTAVAL", "")
    if not program or not os.access(program, os.X_OK):
        sys.exit(f"OCTAVAL must name the built program (got {program!r})")
    try:
        test_case.desktop = Desktop()
    except Unavailable as reason:
        print(f"SKIPPED: no virtual X server: {reason}", flush=True)
        sys.exit(SKIP)
    try:
        result = unittest.main(argv=[sys.argv[0], "-v", *sys.argv[1:]], exit=False).result
    finally:
        test_case.desktop.close()
    sys.exit(0 if result.wasSuccessful() else 1)
