#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 the Octaval developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The window program (OCTAVAL names it) on a private desktop, used as a person would: typing, Tab,
# Enter, clicks, the mask following the first octet, pastes from another application and from the
# primary selection, the roles screen readers hear, About and Exit, and 2,000 random keys and
# pastes after which it still answers right; and its command line, with and without a display.
# Exits with 77 (skipped) when no X server can start. The other windows are the window tests'.
import os
import random
import re
import subprocess

import desktop as dt
from desktop import Atspi

PROGRAM = os.environ.get("OCTAVAL", "octaval")  # before the desktop clears the environment

# Address, mask, how Recalculate is pressed (keys from the status box; none: a click) and the
# status: each way of pressing once through the X server (the answers are the engine tests').
PRESSES = [("172.16.5.9", "255.255.255.0", "Return", "OK"),
           ("10.1.2.3", "255.0.255.0", "KP_Enter", "Illegal subnet mask"),
           ("200.1.2.77", "255.255.255.224", "shift+Tab space", "OK"),
           ("10.1.2.3", "255.255.0.0", "", "OK")]
# While the first octet is typed the mask follows its class, even a typed one: key, first octet,
# mask.
NATURAL = [("BackSpace", "1", "255.0.0.0"), ("2", "12", "255.0.0.0"), ("8", "128", "255.255.0.0"),
           ("BackSpace", "12", "255.0.0.0")]
# Random keys by kind, with their weights: text, editing and focus, paste. Return and space would
# press the button that a Tab may have reached ("Exit", "About"): presses come from clicks.
KEYS = {"0 1 2 5 9 period minus plus comma e E x H a Z slash exclam KP_1 KP_Decimal": 45,
        "BackSpace Delete Left Right Home End Up Down shift+Left shift+End ctrl+a ctrl+z ctrl+y "
        "ctrl+x ctrl+c ctrl+BackSpace Insert Escape F1 Menu Tab shift+Tab": 40, "ctrl+v": 15}
PASTES = ["", "1", "255", "4e4", "-5", " 7", "255.255.255.0", "10\t1", "3\n4", "\x00\x01", "&HFF",
          "\u0661\u0662", "\uff11\uff12", "\U0001F600", "1\U0001F6002", "\u202e12", "1.5e-" * 600]


def torture(app, rng, actions):
    # Bursts of random keys, each after a click into an editable box.
    editable, sent = dt.INPUTS + ["Status"], 0
    while sent < actions:
        dt.clipboard(rng.choice(PASTES))
        dt.clipboard(rng.choice(PASTES), "primary")
        # Now and then a click on Recalculate or an output box, or a paste with the middle button.
        extra = rng.choice([["key", "Escape"]] * 7 + [app.at("Recalculate"), app.at("Host"),
                                                      app.at(rng.choice(editable), 2)])
        keys = [rng.choice(rng.choices(list(KEYS), KEYS.values())[0].split())
                for _ in range(min(actions - sent, rng.randint(5, 40)))]
        app.do(["key", "Escape"], extra, app.at(rng.choice(editable)), ["key", *keys])
        sent += len(keys) + (extra[-1] == "2")
        assert app.process.poll() is None, f"the program ended after {sent} keys"
        assert max(len(app.text(box)) for box in dt.INPUTS) <= 3, app.inputs()


def presses(app, rows):
    for address, mask, how, status in rows:
        got = app.press(address, mask, *(how.split() or [app.at("Recalculate")]))
        assert got == status, f"{address} {mask} pressed by {how}: {got}"


def command_line():
    # --help and --version answer on standard output without a display; a display that cannot be
    # opened is said in one line.
    program, bare = PROGRAM, {
        k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
    for option, answer in [("--help", r"Usage: .*octaval \[options\]\n(.|\n)*--version(.|\n)*"),
                           ("--version", r"octaval \d+\.\d+\.\d+\n")]:
        got = subprocess.run([program, option], env=bare, capture_output=True, text=True)
        assert (got.returncode, got.stderr) == (0, "") and re.fullmatch(answer, got.stdout), got
    got = subprocess.run([program], env=dict(bare, DISPLAY=":7919"), capture_output=True, text=True)
    assert got.returncode == 1, got
    assert re.fullmatch(r"octaval: no display: [^\n]*:7919\n", got.stderr), got


def other_pastes(app):
    # An address from the X11 primary selection (middle button) fills the rows as Ctrl+V does;
    # screen readers hear an application's window and read-only outputs.
    assert app.windows()["Octaval"].get_role() == Atspi.Role.FRAME
    assert app.main["Host"].get_state_set().contains(Atspi.StateType.READ_ONLY)
    dt.clipboard("172.31.1.1/16", "primary")
    app.do(app.at(dt.INPUTS[1], 2))
    dt.wait_for(lambda: app.inputs() == "172.31.1.1 255.255.0.0", "the primary selection",
                app.process)


def about_and_exit(app):
    before = app.inputs(), app.text("Status"), app.text("Host")
    app.do(app.at("About"))
    about = app.window("About")
    # While About is open the main window takes no input: typing, Recalculate, Exit.
    app.do(app.at(dt.INPUTS[0]), "9", app.at("Recalculate"), app.at("Exit"), app.at("OK", 1, about))
    dt.wait_for(lambda: "About" not in app.windows(), "About to close", app.process)
    assert (app.inputs(), app.text("Status"), app.text("Host")) == before, "changed under About"
    app.do(app.at("Exit"))
    assert app.process.wait(dt.TIMEOUT) == 0, f"the status after Exit: {app.process.returncode}"


if __name__ == "__main__":
    dt.start()
    command_line()
    app = dt.Octaval()
    other_pastes(app)
    presses(app, PRESSES)
    app.do(app.at(dt.INPUTS[0]), "End")
    for key, first, mask in NATURAL:
        app.do(key)
        dt.wait_for(lambda: app.text(dt.INPUTS[0]) == first, first, app.process)
        assert app.inputs().split()[1] == mask, f"{app.inputs()} after {key}"
    dt.clipboard("4567")  # pasted from another application, cut to the room a box has
    for box, pasted in [("Status", "4567"), (dt.INPUTS[2], "456")]:
        app.do(app.at(box), "ctrl+a", "ctrl+v")
        dt.wait_for(lambda: app.text(box) == pasted, f"{pasted} in {box}", app.process)
    torture(app, random.Random(20261206), 2000)
    app.do("Escape")
    assert list(app.windows()) == ["Octaval"], f"windows after the random keys: {app.windows()}"
    presses(app, PRESSES[:1])
    about_and_exit(app)
