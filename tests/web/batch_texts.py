# SPDX-FileCopyrightText: 2026 the Octaval developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""A seeded batch of every kind of box text, for holding one batch answerer against another.

Usage: batch_texts.py SEED LINES > batch.tsv
"""
import random
import sys

ODD = ["", " ", "-5", "+7", "1.5", "2.5", "10.5", "11.5", "1e2", "4e4", "1D2", "1e400", "1e-400",
       "&HFF", "&hff", "&O377", "&o7", "&H", "1 9 2", " 12", "12a", "abc", "+", "-", ".", "5.",
       ".5", "0.5e1", "1e", "1e+", "255.", "1,5", "\u0661\u0669\u0662", "\uff11", "\u00e9", "%",
       "\r", "\x00", "\x7f", "\u00a0", "-0", "0e99999", "9" * 20, "1" * 309, "1" * 310]


def field(r: random.Random) -> str:
    roll = r.random()
    if roll < 0.55:
        return str(r.choice([0, 10, 127, 128, 172, 191, 192, 223, 224, 240, 255, r.randrange(256)]))
    if roll < 0.8:
        return r.choice(ODD)
    if roll < 0.85:
        # Long hexadecimal and octal texts, which some C libraries misround.
        kind = r.choice("HO")
        alphabet = "0123456789abcdefABCDEF" if kind == "H" else "01234567"
        return "&" + kind + "".join(r.choice(alphabet) for _ in range(r.randrange(1, 300)))
    if roll < 0.9:
        digits = "".join(r.choice("0123456789") for _ in range(r.randrange(1, 900)))
        point = r.randrange(len(digits) + 1)
        return f"{digits[:point]}.{digits[point:]}e{r.randrange(-400, 400)}"
    if roll < 0.95:
        return f"{r.uniform(-300, 300):.{r.randrange(0, 8)}f}"
    return "".join(chr(r.choice([r.randrange(0x20, 0x7f), r.randrange(0xa0, 0x3000)]))
                   for _ in range(r.randrange(0, 6)))


def line(r: random.Random) -> str:
    count = 8 if r.random() < 0.97 else r.choice([0, 1, 7, 9])
    text = "\t".join(field(r) for _ in range(count))
    return text + ("\r" if r.random() < 0.02 else "")


def main() -> None:
    seed, lines = int(sys.argv[1]), int(sys.argv[2])
    r = random.Random(seed)
    out = sys.stdout.buffer
    for _ in range(lines):
        out.write(line(r).encode("utf-8", "surrogatepass") + b"\n")


if __name__ == "__main__":
    main()
