# SPDX-FileCopyrightText: 2026 the Octaval developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The octaval window as the end-to-end and audit tests drive it: its boxes by accessible name and
the ways of filling them and pressing "Recalculate"."""
import desktop as dt

IP = [f"IP address, octet {i}" for i in range(1, 5)]
MASK = [f"Subnet mask, octet {i}" for i in range(1, 5)]
INPUTS = IP + MASK
SUBNET = [f"Subnet, octet {i}" for i in range(1, 5)]
BROADCAST = [f"Broadcast, octet {i}" for i in range(1, 5)]
FIRST = [f"Subnet 1, octet {i}" for i in range(1, 5)]
LAST = [f"Subnet N, octet {i}" for i in range(1, 5)]
LINES = ["Class", "Network", "Subnet", "Host"]
OUTPUTS = SUBNET + BROADCAST + LINES + FIRST + LAST
STATUS = "Status"
# Typed into the status box before a press, so that its replacement shows the press was handled.
PENDING = "pending"
BLANK = " "


def octets(address):
    return address.split(".") if address != BLANK else [BLANK] * 4


def shown(subnet, broadcast, cls, network, subnets, hosts, first, last):
    """What the output boxes show, in the order of OUTPUTS."""
    return dict(zip(OUTPUTS, [*octets(subnet), *octets(broadcast), cls, network, subnets, hosts,
                              *octets(first), *octets(last)]))


ALL_BLANK = dict.fromkeys(OUTPUTS, BLANK)


class Octaval:
    """The running program and its main window."""

    def __init__(self, desktop, program, wrapper=(), extra_env=None):
        """Starts `program`, under `wrapper` (such as strace) if given, and waits for its main
        window."""
        self.desktop = desktop
        self.process = desktop.launch(program, extra_env, wrapper)
        self.pid = dt.program_pid(self.process, program)
        self.application = dt.application_of(self.process, self.pid)
        self.main = dt.wait_window(desktop, self.process, self.application, "Octaval")
        desktop.focus(self.pid, "Octaval")

    def close(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(timeout=dt.STEP_TIMEOUT)
            except Exception:
                self.process.kill()
                self.process.wait()

    def keys(self, *keys):
        self.desktop.xdotool("key", "--delay", "5", *keys)

    def type(self, text):
        self.desktop.xdotool("type", "--delay", "5", text)

    def fill(self, address, mask):
        """Clicks the first IP box and types the address and the mask, Tab between the boxes
        (Tab selects the next box's text, so typing replaces it)."""
        parts = address.split(".") + mask.split(".")
        self.main.click(IP[0])
        self.desktop.xdotool("key", "ctrl+a", "type", "--delay", "5", "\t".join(parts))
        for name, part in zip(INPUTS, parts):
            self.main.wait_text(name, part)

    def mark_pending(self):
        """Types PENDING into the status box, which every press replaces."""
        self.main.click(STATUS)
        self.desktop.xdotool("key", "ctrl+a", "type", "--delay", "5", PENDING)
        self.main.wait_text(STATUS, PENDING)

    def press(self, how="click_recalculate"):
        """Runs Recalculate the way `how` names and waits until it has run; returns the status."""
        self.mark_pending()
        if how == "click_recalculate":
            self.main.click("Recalculate")
        elif how == "enter_in_fourth_ip_box":
            self.main.click(IP[3])
            self.keys("Return")
        elif how == "enter_in_status_box":
            self.keys("Return")
        elif how == "space_on_recalculate":
            # The focus order runs from the last mask box over "Exit" and "About".
            self.main.click(MASK[3])
            self.keys("Tab", "Tab", "Tab")
            dt.wait_for(lambda: self.main.focused("Recalculate"), "the focus on Recalculate",
                        alive=self.process)
            self.keys("space")
        else:
            raise ValueError(how)
        dt.wait_for(lambda: self.main.text(STATUS) != PENDING, f"a press ({how}) to be handled",
                    alive=self.process)
        return self.main.text(STATUS)

    def outputs(self):
        return {name: self.main.text(name) for name in OUTPUTS}

    def inputs(self):
        return [self.main.text(name) for name in INPUTS]
