#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 the Octaval developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The page's times in Debian's Chromium, headless, served from 127.0.0.1 (budgets: the first
answer 100 ms after the navigation, one press 50 us).

The first answer is that of a link to a press (#192.168.1.70/27): the time from the navigation to
the press's results being in the page. An empty page whose one script marks the same point is
opened in the same rotation, so that what the machine, the browser and the server take before
any page's script runs can be told apart. Each is measured twice: on a first visit (no service
worker) and on a visit again, through the page's service worker. One press is timed in the page,
after a warm-up.

    web_first_answer.py build/web/site [--runs 15]
"""
import argparse
import os
import statistics
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
from browser import Browser, Site  # noqa: E402

EMPTY_PAGE = ('<!doctype html><html lang="en"><head><meta charset="utf-8"><title>Empty</title>'
              '<link rel="icon" href="data:,"><script src="mark.js" async></script></head>'
              '<body><p>Empty</p></body></html>')
MARK = "performance.mark('octaval-answer'); window.octaval = { ready: Promise.resolve() };"
ONE_PRESS = """(() => {
    const texts = ['192', '168', '1', '70', '255', '255', '255', '224'];
    for (let k = 0; k < 20000; ++k) octaval.press(texts);
    const start = performance.now();
    for (let k = 0; k < 50000; ++k) octaval.press(texts);
    return (performance.now() - start) * 1000 / 50000;
})()"""


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("site", help="the page's folder, build/web/site")
    parser.add_argument("--runs", type=int, default=15)
    args = parser.parse_args()
    with tempfile.TemporaryDirectory() as empty:
        with open(os.path.join(empty, "index.html"), "w") as file:
            file.write(EMPTY_PAGE)
        with open(os.path.join(empty, "mark.js"), "w") as file:
            file.write(MARK)
        pages = {"page": Site(args.site), "empty page": Site(empty)}
        for visit in ("first visit", "visit again"):
            browser = Browser()
            if visit == "first visit":
                browser.page("Network.enable")
                browser.page("Network.setBypassServiceWorker", bypass=True)
            times = {name: [] for name in pages}
            for run in range(args.runs + 2):  # the first two warm the browser's caches
                for name, site in pages.items():
                    browser.open(f"{site.url}#192.168.1.70/27")
                    if run >= 2:
                        times[name].append(browser.js(
                            "performance.getEntriesByName('octaval-answer')[0].startTime"))
            for name, values in times.items():
                print(f"{visit}, {name}: first answer median {statistics.median(values):.0f} ms, "
                      f"best {min(values):.0f} ms ({args.runs} runs)")
            if visit == "first visit":
                browser.open(pages["page"].url)
                print(f"one press: {browser.js(ONE_PRESS):.1f} us")
            browser.close()
        for site in pages.values():
            site.close()


if __name__ == "__main__":
    main()
