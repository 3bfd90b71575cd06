#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Octaval developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows window from outside, under Wine on the test's X display: xdotool types an address
# and a mask, presses Enter, then Ctrl+C; the clipboard, which Wine hands on to X, must hold
# exactly what octaval-cli prints for the same boxes. Run by CTest with OCTAVAL and OCTAVAL_CLI
# set to commands that start the programs.
set -euo pipefail
scratch=$(mktemp -d)
$OCTAVAL >/dev/null 2>&1 &
trap 'kill $! 2>/dev/null; rm -rf "$scratch"' EXIT
xdotool search --sync --onlyvisible --name '^Octaval$' windowfocus --sync
xdotool type --delay 30 $'192\t168\t1\t70\t255\t255\t255\t224'
xdotool key --delay 30 Return ctrl+c
$OCTAVAL_CLI 192.168.1.70 255.255.255.224 >"$scratch/expected" || true
for _ in {1..50}; do
    xclip -o -selection clipboard >"$scratch/copied" 2>/dev/null || true
    cmp -s "$scratch/expected" "$scratch/copied" && exit 0
    sleep 0.2
done
diff -u "$scratch/expected" "$scratch/copied"
