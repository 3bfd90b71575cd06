#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 the Octaval developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""End-to-end test of the octaval window under a virtual X server.

Each test starts the real program, types and clicks with xdotool as a person would, and reads the
boxes through the accessibility bus by their accessible names. Run by CTest with OCTAVAL set to the
program; exits with 77 (skipped) when no X server can be started.
"""
import os
import random
import sys
import time
import unittest

# Leaves no compiled modules in the source tree.
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import desktop as dt  # noqa: E402  (after the path is set)
from octaval_window import (ALL_BLANK, BLANK, INPUTS, IP, OUTPUTS, STATUS,  # noqa: E402
                            Octaval, shown)

OCTAVAL = os.path.abspath(os.environ["OCTAVAL"]) if os.environ.get("OCTAVAL") else ""


# Valid presses, one of each class with subnets, each started another way.
VALID_PRESSES = [
    ("172.16.5.9", "255.255.255.0", "enter_in_fourth_ip_box",
     shown("172.16.5.0", "172.16.5.255", "B", "16 bits, Class B", "8 bits, 254 subnets",
           "8 bits, 254 hosts", "172.16.1.0", "172.16.254.0")),
    ("10.1.2.3", "255.255.0.0", "click_recalculate",
     shown("10.1.0.0", "10.1.255.255", "A", "8 bits, Class A", "8 bits, 254 subnets",
           "16 bits, 65534 hosts", "10.1.0.0", "10.254.0.0")),
    ("200.1.2.77", "255.255.255.224", "enter_in_status_box",
     shown("200.1.2.64", "200.1.2.95", "C", "24 bits, Class C", "3 bits, 6 subnets",
           "5 bits, 30 hosts", "200.1.2.32", "200.1.2.192")),
    ("130.5.200.17", "255.255.240.0", "space_on_recalculate",
     shown("130.5.192.0", "130.5.207.255", "B", "16 bits, Class B", "4 bits, 14 subnets",
           "12 bits, 4094 hosts", "130.5.16.0", "130.5.224.0")),
]
NORMAL_PRESS = VALID_PRESSES[0]

VALIDATION_FAILURES = [
    ("0.1.2.3", "255.0.0.0", "Illegal IP address"),
    ("10.1.2.3", "255.0.255.0", "Illegal subnet mask"),
    ("150.1.1.1", "254.0.0.0", "Illegal subnet mask versus network class"),
]


class WindowTest(unittest.TestCase):
    desktop = None

    def setUp(self):
        self.octaval = Octaval(self.desktop, OCTAVAL)
        self.main = self.octaval.main

    def tearDown(self):
        self.octaval.close()

    def assertPress(self, address, mask, how, status, expected):
        self.octaval.fill(address, mask)
        self.assertEqual(self.octaval.press(how), status, f"{address} {mask} ({how})")
        self.assertEqual(self.octaval.outputs(), expected, f"{address} {mask} ({how})")

    def test_start_state(self):
        self.assertEqual(self.main.title, "Octaval")
        self.assertEqual(self.main.extents()[2:], (231, 388))
        self.assertEqual(self.octaval.inputs(), ["0", "0", "0", "0", "255", "255", "255", "0"])
        self.assertEqual(self.main.text(STATUS), "OK")
        self.assertEqual(self.octaval.outputs(), dict.fromkeys(OUTPUTS, ""))
        self.assertTrue(all(self.main.enabled(name) for name in INPUTS + [STATUS]))
        self.assertFalse(any(self.main.enabled(name) for name in OUTPUTS))
        self.assertTrue(self.main.focused(IP[0]))

    def test_valid_presses_fill_every_output_box(self):
        for address, mask, how, expected in VALID_PRESSES:
            with self.subTest(address=address, how=how):
                self.assertPress(address, mask, how, "OK", expected)

    def test_validation_messages_blank_every_output_box(self):
        for address, mask, message in VALIDATION_FAILURES:
            with self.subTest(message=message):
                # A valid press first, so that blank outputs show the failed press cleared them.
                address_ok, mask_ok, how, expected = NORMAL_PRESS
                self.assertPress(address_ok, mask_ok, how, "OK", expected)
                self.assertPress(address, mask, "enter_in_fourth_ip_box", message, ALL_BLANK)

    def test_conversion_failure_then_normal_press(self):
        # 4e4 is 40000, too large for the 16-bit octet: the press reports it and the window goes on.
        self.assertPress("10.1.2.4e4", "255.0.0.0", "enter_in_fourth_ip_box",
                         "Illegal IP address", ALL_BLANK)
        self.main.click(IP[3])
        self.octaval.keys("End", "BackSpace", "BackSpace")
        self.main.wait_text(IP[3], "4")
        self.assertEqual(self.octaval.press("enter_in_fourth_ip_box"), "OK")
        self.assertEqual(
            self.octaval.outputs(),
            shown("10.0.0.0", "10.255.255.255", "A", "8 bits, Class A", "0 bits, no subnets",
                  "24 bits, 16777214 hosts", BLANK, BLANK))

    def test_natural_mask_follows_typing_into_first_box(self):
        def mask():
            return self.octaval.inputs()[4:]

        self.main.click(IP[0])
        self.octaval.keys("ctrl+a", "BackSpace")
        self.main.wait_text(IP[0], "")
        self.assertEqual(mask(), ["255", "0", "0", "0"])
        for typed, text, expected in [("1", "1", ["255", "0", "0", "0"]),
                                      ("9", "19", ["255", "0", "0", "0"]),
                                      ("2", "192", ["255", "255", "255", "0"]),
                                      ("BackSpace", "19", ["255", "0", "0", "0"]),
                                      ("BackSpace", "1", ["255", "0", "0", "0"]),
                                      ("2", "12", ["255", "0", "0", "0"]),
                                      ("8", "128", ["255", "255", "0", "0"])]:
            self.octaval.keys(typed)
            # The mask is rewritten in the same event that changes the first box.
            self.main.wait_text(IP[0], text)
            self.assertEqual(mask(), expected, f"after typing {typed} ({text})")
        # A mask typed by the user is overwritten by the next change of the first box...
        self.octaval.fill("10.0.0.0", "255.255.255.252")
        self.main.click(IP[0])
        self.octaval.keys("End", "BackSpace", "1")
        self.main.wait_text(IP[0], "11")
        self.assertEqual(mask(), ["255", "0", "0", "0"])
        # ...but not by changes of the other address boxes.
        self.octaval.fill("11.0.0.0", "255.255.255.252")
        self.main.click(IP[1])
        self.octaval.keys("ctrl+a")
        self.octaval.type("7\t7\t7")
        self.main.wait_text(IP[3], "7")
        self.assertEqual(self.octaval.inputs(), ["11", "7", "7", "7", "255", "255", "255", "252"])

    def test_about_opens_modal_and_closes_with_ok(self):
        address, mask, how, expected = NORMAL_PRESS
        self.assertPress(address, mask, how, "OK", expected)
        before = self.octaval.inputs(), self.octaval.outputs(), self.main.text(STATUS)
        looks = []
        for _ in range(2):
            self.main.click("About")
            about = dt.wait_window(self.desktop, self.octaval.process, self.octaval.application,
                                   "About")
            looks.append((about.extents()[2:], sorted(about.controls)))
            self.assertIn(
                "label:Octaval 1.2 calculates subnet and broadcast address via given IP address "
                "and subnet mask.", about.controls)
            # While it is open the main window takes no input: typing, Recalculate, Exit.
            self.main.click(IP[0])
            self.octaval.type("9")
            self.main.click("Recalculate")
            self.main.click("Exit")
            about.click("OK")
            dt.wait_for(lambda: "About" not in dt.top_windows(self.octaval.application),
                        "the About window to close", alive=self.octaval.process)
            self.assertIsNone(self.octaval.process.poll())
            # The events above reached the program before the click on OK, so all are handled.
            self.assertEqual(
                (self.octaval.inputs(), self.octaval.outputs(), self.main.text(STATUS)), before)
            self.desktop.focus(self.octaval.pid, "Octaval")
        self.assertEqual(looks[0], looks[1], "About looks the same the second time")
        self.assertEqual(looks[0][0], (254, 245))

    def test_exit_ends_the_program_with_status_zero(self):
        address, mask, how, expected = NORMAL_PRESS
        self.assertPress(address, mask, how, "OK", expected)
        # Escape does nothing: the window has no cancel button.
        self.main.click(IP[0])
        self.octaval.keys("Escape", "Escape")
        self.octaval.mark_pending()
        self.assertIn("Octaval", dt.top_windows(self.octaval.application))
        self.main.click("Exit")
        try:
            status = self.octaval.process.wait(timeout=dt.STEP_TIMEOUT)
        except Exception:
            self.fail("octaval still runs after Exit")
        self.assertEqual(status, 0)

    def test_random_keystrokes_and_pastes_leave_a_working_window(self):
        torture = Torture(self.octaval, seed=20261206)
        # Pastes from another application arrive, cut to the room the box has.
        torture.clipboard.set(b"4567")
        for name, expected in [(STATUS, "4567"), (IP[2], "456")]:
            self.main.click(name)
            self.octaval.keys("ctrl+a", "ctrl+v")
            self.main.wait_text(name, expected)
        torture.run(actions=2000)
        # Whatever the torture left: close any menu, then a normal press answers correctly.
        self.octaval.keys("Escape")
        self.assertEqual(list(dt.top_windows(self.octaval.application)), ["Octaval"])
        address, mask, how, expected = NORMAL_PRESS
        self.assertPress(address, mask, how, "OK", expected)


class Torture:
    """Random keystrokes and pastes, in bursts that each start with a click into an editable box.

    Tab may move the focus onto a button: from then on to the end of the burst no key that
    presses a button (Return, Enter, space) is sent, so that "Exit" and "About" are never pressed.
    """

    TEXT_KEYS = [*"0123456789", "period", "minus", "plus", "comma", "space", "e", "E", "x", "H",
                 "ampersand", "a", "Z", "slash", "exclam", "dollar", "percent", "KP_1",
                 "KP_Decimal"]
    EDIT_KEYS = ["BackSpace", "Delete", "Left", "Right", "Home", "End", "Up", "Down", "shift+Left",
                 "shift+Right", "shift+Home", "shift+End", "ctrl+a", "ctrl+z", "ctrl+shift+z",
                 "ctrl+y", "ctrl+x", "ctrl+c", "ctrl+Left", "ctrl+Right", "ctrl+BackSpace",
                 "ctrl+Delete", "Insert", "Escape", "F1", "Page_Up", "Menu"]
    FOCUS_KEYS = ["Tab", "shift+Tab"]
    PRESS_KEYS = ["Return", "KP_Enter"]
    PASTE_KEYS = ["ctrl+v", "shift+Insert"]
    CLIPBOARD_TEXTS = ["", "1", "12", "255", "4e4", "1e3", "-5", " 7", "255.255.255.0", "10\t1",
                       "3\n4", "\u0661\u0662", "\uff11\uff12\uff13", "\U0001F600", "1\U0001F6002",
                       "&HFF", "0x1F", "999999", "\u00e9t\u00e9", "\x00\x01", "\u202e12"]

    def __init__(self, octaval, seed):
        self.octaval = octaval
        self.main = octaval.main
        self.random = random.Random(seed)
        self.clipboard = dt.Clipboard(octaval.desktop)
        self.primary = dt.Clipboard(octaval.desktop, "primary")
        self.editable = INPUTS + [STATUS]

    def clipboard_text(self):
        if self.random.random() < 0.2:
            length = self.random.choice([5, 40, 3000])
            return "".join(self.random.choice("0123456789.e -") for _ in range(length))
        return self.random.choice(self.CLIPBOARD_TEXTS)

    def burst(self, length):
        """One burst: the keys to send, after a click into an editable box."""
        keys = []
        tabbed = False
        for _ in range(length):
            kind = self.random.random()
            if kind < 0.45:
                key = self.random.choice(self.TEXT_KEYS)
            elif kind < 0.75:
                key = self.random.choice(self.EDIT_KEYS)
            elif kind < 0.82:
                key = self.random.choice(self.FOCUS_KEYS)
                tabbed = True
            elif kind < 0.88 and not tabbed:
                key = self.random.choice(self.PRESS_KEYS)
            else:
                key = self.random.choice(self.PASTE_KEYS)
            keys.append(key)
        return keys

    def run(self, actions):
        sent = 0
        started = time.monotonic()
        try:
            while sent < actions:
                # One xdotool command line a burst: xdotool takes most of the time here.
                commands = ["key", "Escape"]  # closes a context menu that the last burst opened
                # Now and then a click on "Recalculate", an output box or a caption, or a paste
                # of the primary selection with the middle button.
                extra = self.random.random()
                if extra < 0.1:
                    commands += self.main.click_commands("Recalculate")
                elif extra < 0.2:
                    commands += self.main.click_commands(
                        self.random.choice(OUTPUTS + ["label:IP address"]))
                elif extra < 0.3:
                    self.primary.set(self.clipboard_text().encode())
                    commands += self.main.click_commands(self.random.choice(self.editable), 2)
                    sent += 1
                self.clipboard.set(self.clipboard_text().encode())
                keys = self.burst(min(actions - sent, self.random.randint(5, 40)))
                commands += self.main.click_commands(self.random.choice(self.editable))
                if keys:
                    commands += ["key", "--delay", "4", *keys]
                self.octaval.desktop.xdotool(*commands)
                sent += len(keys)
                self.check(sent)
        finally:
            self.clipboard.release()
            self.primary.release()
        print(f"torture: {sent} keystrokes and pastes in {time.monotonic() - started:.1f} s",
              flush=True)

    def check(self, sent):
        """Between bursts: the program runs, shows only its main window, and no input box holds
        more than three characters."""
        if self.octaval.process.poll() is not None:
            raise AssertionError(f"octaval ended (status {self.octaval.process.returncode}) "
                                 f"after {sent} keystrokes and pastes")
        for name, text in zip(INPUTS, self.octaval.inputs()):
            if len(text) > 3:
                raise AssertionError(f"{name!r} holds {text!r} after {sent} keystrokes and pastes")


if __name__ == "__main__":
    dt.run_tests(WindowTest)
