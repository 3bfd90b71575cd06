# SPDX-FileCopyrightText: 2026 the Octaval developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The page in Debian's Chromium, headless, driven over the DevTools protocol on a pipe (file
descriptors 3 and 4 of the browser: no port, no websocket, nothing beyond python3), with the site
served from 127.0.0.1 by a server of the standard library."""
import fcntl
import functools
import http.server
import json
import os
import select
import shutil
import subprocess
import tempfile
import threading
import time


class Site:
    """The site folder served on a free port of 127.0.0.1 until closed."""

    def __init__(self, folder):
        class Handler(http.server.SimpleHTTPRequestHandler):
            extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                              ".wasm": "application/wasm"}

            def log_message(self, *args):
                pass

        handler = functools.partial(Handler, directory=folder)
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        self.url = f"http://127.0.0.1:{self.server.server_address[1]}/"
        threading.Thread(target=self.server.serve_forever, daemon=True).start()

    def close(self):
        self.server.shutdown()
        self.server.server_close()


class Browser:
    """One headless Chromium with one page."""

    def __init__(self):
        self.profile = tempfile.mkdtemp(prefix="octaval-chromium-")
        to_browser, self._commands = os.pipe()
        self._answers, from_browser = os.pipe()
        program = shutil.which("chromium") or "/usr/bin/chromium"
        arguments = [program, "--headless=new", "--remote-debugging-pipe", "--no-first-run",
                     "--no-default-browser-check", "--disable-gpu", "--disable-extensions",
                     "--disable-background-networking", f"--user-data-dir={self.profile}",
                     # Puppeteer launches it so too. With the back-forward cache, every
                     # navigation kept the page it left alive in the cache and started the next
                     # page in a new renderer process: on two cores that took 30-60 ms from each
                     # load, page or empty page alike, which neither the tests nor the
                     # benchmark's navigations are about.
                     "--disable-back-forward-cache"]
        if os.geteuid() == 0:
            arguments.append("--no-sandbox")  # Chromium's sandbox does not run as root

        def pipes():
            # Moved out of the way first: either pipe may have been given 3 or 4.
            reading = fcntl.fcntl(to_browser, fcntl.F_DUPFD, 10)
            writing = fcntl.fcntl(from_browser, fcntl.F_DUPFD, 10)
            os.dup2(reading, 3)
            os.dup2(writing, 4)

        self.process = subprocess.Popen(arguments + ["about:blank"], pass_fds=(3, 4),
                                        preexec_fn=pipes, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        os.close(to_browser)
        os.close(from_browser)
        self._reader = os.fdopen(self._answers, "rb")
        self._next = 0
        self._buffer = b""
        self.events = []
        target = self.call("Target.createTarget", url="about:blank")["targetId"]
        self.session = self.call("Target.attachToTarget", targetId=target, flatten=True)["sessionId"]
        self.page("Page.enable")
        self.page("Runtime.enable")

    def _message(self):
        """The next message from the browser; messages end in a NUL byte."""
        while b"\0" not in self._buffer:
            chunk = self._reader.read1(1 << 20)
            if not chunk:
                raise RuntimeError("the browser closed its pipe")
            self._buffer += chunk
        head, self._buffer = self._buffer.split(b"\0", 1)
        return json.loads(head)

    def call(self, method, session=None, **params):
        self._next += 1
        message = {"id": self._next, "method": method, "params": params}
        if session:
            message["sessionId"] = session
        os.write(self._commands, json.dumps(message).encode() + b"\0")
        while True:
            answer = self._message()
            if answer.get("id") == self._next:
                if "error" in answer:
                    raise RuntimeError(f"{method}: {answer['error']}")
                return answer["result"]
            self.events.append(answer)

    def page(self, method, **params):
        return self.call(method, session=self.session, **params)

    def _navigate(self, url):
        self.events.clear()
        self.page("Page.navigate", url=url)
        # Waits on the pipe, not asking the page anything meanwhile, which would take the page's
        # own thread from its loading.
        deadline = time.monotonic() + 60
        while not any(e.get("method") == "Page.loadEventFired" for e in self.events):
            if not self._buffer and not select.select([self._reader], [], [],
                                                      max(0, deadline - time.monotonic()))[0]:
                raise RuntimeError(f"{url} did not load")
            self.events.append(self._message())

    def open(self, url):
        """A fresh page at url, its calculator ready (a link to the page that is open would
        only move within it)."""
        self._navigate("about:blank")
        self._navigate(url)
        self.js("octaval.ready")

    def js(self, expression):
        """The value of a JavaScript expression in the page, promises awaited."""
        result = self.page("Runtime.evaluate", expression=expression, awaitPromise=True,
                           returnByValue=True)
        if "exceptionDetails" in result:
            raise RuntimeError(f"{expression[:80]}: {result['exceptionDetails']}")
        return result["result"].get("value")

    def key(self, key, text=None, code=None, vk=0):
        """A key pressed and released, as a keyboard sends it."""
        down = {"type": "keyDown", "key": key, "code": code or key, "windowsVirtualKeyCode": vk}
        if text is not None:
            down.update(text=text, unmodifiedText=text)
        self.page("Input.dispatchKeyEvent", **down)
        self.page("Input.dispatchKeyEvent", type="keyUp", key=key, code=code or key,
                  windowsVirtualKeyCode=vk)

    def type(self, text):
        for character in text:
            self.key(character, text=character)

    def close(self):
        try:
            self.call("Browser.close")
        except RuntimeError:
            pass
        self.process.wait(timeout=30)
        os.close(self._commands)
        self._reader.close()
        shutil.rmtree(self.profile, ignore_errors=True)
