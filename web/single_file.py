# SPDX-FileCopyrightText: 2026 the Octaval developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the page as one HTML file, its style, script and module inside it, which opens from a
file (file://) where a browser fetches nothing beside it.

Usage: single_file.py SITE_FOLDER OUTPUT"""
import base64
import os
import re
import sys

site, output = sys.argv[1], sys.argv[2]


def read(name):
    with open(os.path.join(site, name), encoding="utf-8") as file:
        return file.read()


with open(os.path.join(site, "octaval.wasm"), "rb") as file:
    module = base64.b64encode(file.read()).decode("ascii")

page = read("index.html")
page = page.replace("script-src 'self'", "script-src 'unsafe-inline'")
page = page.replace("style-src 'self'", "style-src 'unsafe-inline'")
page = re.sub(r'<link rel="preload"[^>]*>\n', "", page)
# Functions as replacements, so that nothing in the texts reads as a group reference. The script
# runs where it stands, before the page's body: it waits for the body itself.
page = re.sub(r'<link rel="stylesheet" href="octaval.css">',
              lambda _: f"<style>\n{read('octaval.css')}</style>", page)
page = re.sub(r'<script src="octaval.js" async></script>',
              lambda _: f'<script>\nwindow.octavalModule = "{module}";\n{read("octaval.js")}</script>',
              page)
with open(output, "w", encoding="utf-8") as file:
    file.write(page)
