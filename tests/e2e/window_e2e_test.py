#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 the Octaval developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The window program (OCTAVAL names it) on a private desktop, used as a person would: typing, Tab,
# Enter, clicks, pastes from another application, the Working, Practice and Subnets windows, About
# and Exit, and 2,000 random keys and pastes after which it still answers right; and its command
# line, with and without a display. Exits with 77 (skipped) when no X server can start.
import os, random, re, subprocess  # noqa: E401
import desktop as dt
from desktop import Atspi

PROGRAM = os.environ.get("OCTAVAL", "octaval")  # before the desktop clears the environment

# Address, mask, how Recalculate is pressed (keys from the status box; none: a click), the status,
# the output rows (dt.ROWS): each way of pressing once, as the engine's tests hold the answers.
# Refusals come after answers: their blank boxes show that a press clears the boxes.
PRESSES = [
    ("172.16.5.9", "255.255.255.0", "Return", "OK", "172.16.5.0|172.16.5.255|B|16 bits, Class B|8 bits, 254 subnets|8 bits, 254 hosts|172.16.1.0|172.16.254.0"),  # noqa: E501
    ("0.1.2.3", "255.0.0.0", "KP_Enter", "Illegal IP address", dt.BLANK),
    ("200.1.2.77", "255.255.255.224", "shift+Tab space", "OK", "200.1.2.64|200.1.2.95|C|24 bits, Class C|3 bits, 6 subnets|5 bits, 30 hosts|200.1.2.32|200.1.2.192"),  # noqa: E501
    ("10.1.2.3", "255.0.255.0", "", "Illegal subnet mask", dt.BLANK),
    ("10.1.2.3", "255.255.0.0", "", "OK", "10.1.0.0|10.1.255.255|A|8 bits, Class A|8 bits, 254 subnets|16 bits, 65534 hosts|10.1.0.0|10.254.0.0"),  # noqa: E501
]
# While the first octet is typed the mask follows its class, even a typed one: key, first octet,
# mask.
A, B, C = "255.0.0.0", "255.255.0.0", "255.255.255.0"
NATURAL = [("BackSpace", "1", A), ("9", "19", A), ("2", "192", C), ("BackSpace", "19", A),
           ("BackSpace", "1", A), ("2", "12", A), ("8", "128", B)]
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
        dt.clipboard(rng.choice(PASTES)), dt.clipboard(rng.choice(PASTES), "primary")
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
    for address, mask, how, status, shown in rows:
        got = app.press(address, mask, *(how.split() or [app.at("Recalculate")]))
        assert got == (status, shown), f"{address} {mask} pressed by {how}: {got}"


def working(app):
    # Ctrl+B opens the working of the last press (10.1.2.3 255.255.0.0); its steps, the chosen
    # one, and the fields of its bit rows read through the bus; Escape closes it.
    app.do(app.at(dt.INPUTS[0]), "ctrl+b")
    window = app.window("Working")
    assert app.windows()["Working"].get_role() == Atspi.Role.FRAME  # a window, as the main one
    steps = dt.Atspi.Text.get_text(window["label:Steps"], 0, -1)
    assert "2^8 - 2 = 254 usable subnets" in steps and "Status" in steps, steps
    # The chosen step is heard whole, as the steps' description.
    chosen = window["label:Steps"].get_description()
    assert chosen.startswith("Step 1 of ") and "The first octet, 10," in chosen, chosen
    fields = window["label:IP address in binary"].get_description()
    assert fields == "the class's network bits 00001010, the subnet bits 00000001, the host bits " \
        "0000001000000011", fields
    app.do(app.at("label:Steps", 1, window), "Escape")
    dt.wait_for(lambda: "Working" not in app.windows(), "Working to close", app.process)


def practice(app):
    # Ctrl+P opens Practice beside the main window; a wrong answer is marked with the expected
    # value (the mark is also the description of the answer's box), which then is right; the
    # score is heard by its name, what it counts by its description; Enter moves on from an
    # answer, Ctrl+Enter checks; Escape closes the window.
    app.do(app.at(dt.INPUTS[0]), "ctrl+p")
    window = app.window("Practice")
    assert app.windows()["Practice"].get_role() == Atspi.Role.FRAME
    # The lists are named by their captions, not by the choice they show.
    assert window["Level"].get_role() == Atspi.Role.COMBO_BOX
    assert window["Status message"].get_role() == Atspi.Role.COMBO_BOX
    mark = window["Class"].get_description
    app.do(app.at("Class", 1, window), "ctrl+a", ["type", "e"])  # type takes the rest of a line
    app.do("ctrl+Return")
    dt.wait_for(lambda: mark().startswith("wrong, expected "), "a mark", app.process)
    letter = mark().removeprefix("wrong, expected ")[0]
    app.do(app.at("Class", 1, window), "ctrl+a", ["type", letter])
    app.do("ctrl+Return")
    dt.wait_for(lambda: mark() == "right", "right", app.process)
    score = [n.removeprefix("label:") for n in app.window("Practice") if n.startswith(
        ("Score: ", "label:Score: "))]
    assert score and re.match(r"Score: 0 of 1 answers right, \d+ not answered$", score[0]), score
    app.do("Escape")
    dt.wait_for(lambda: "Practice" not in app.windows(), "Practice to close", app.process)


def subnets(app):
    # Ctrl+L shows every subnet of the last press; the table read through the bus, whose column
    # headers, cells and selection a screen reader reads. Escape closes it.
    app.press("192.168.1.70", "255.255.255.224", app.at("Recalculate"))
    app.do("ctrl+l")
    nodes = [dt.wait_for(lambda: app.windows().get("Subnets"), "Subnets", app.process)]
    assert nodes[0].get_role() == Atspi.Role.FRAME
    while (table := nodes.pop(0)).get_role() != Atspi.Role.TABLE:
        nodes += dt.children(table)
    assert table.get_name() == "Subnets", table.get_name()
    cell = lambda row, column: Atspi.Table.get_accessible_at(table, row, column).get_name()  # noqa: E731
    got = (Atspi.Table.get_n_rows(table), [Atspi.Table.get_column_header(table, c).get_name()
           for c in range(6)], Atspi.Table.get_selected_rows(table), cell(2, 1), cell(2, 5))
    assert got == (8, ["Subnet", "Network", "First host", "Last host", "Broadcast", "Marks"], [2],
                   "192.168.1.64", "holds 192.168.1.70"), got
    app.do(app.at("table", 1, {"table": table}), "Escape")
    dt.wait_for(lambda: "Subnets" not in app.windows(), "Subnets to close", app.process)


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
    before = app.inputs(), app.text("Status"), app.outputs()
    app.do(app.at("About"))
    about = app.window("About")
    # While About is open the main window takes no input: typing, Recalculate, Exit.
    app.do(app.at(dt.INPUTS[0]), "9", app.at("Recalculate"), app.at("Exit"), app.at("OK", 1, about))
    dt.wait_for(lambda: "About" not in app.windows(), "About to close", app.process)
    assert (app.inputs(), app.text("Status"), app.outputs()) == before, "changed under About"
    app.do(app.at("Exit"))
    assert app.process.wait(dt.TIMEOUT) == 0, f"the status after Exit: {app.process.returncode}"


if __name__ == "__main__":
    dt.start()
    command_line()
    app = dt.Octaval()
    other_pastes(app)
    presses(app, PRESSES)
    working(app)
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
    practice(app)
    subnets(app)
    about_and_exit(app)
