# SPDX-FileCopyrightText: 2026 the Octaval developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The page in headless Chromium against octaval-cli: its JavaScript functions answer a generated
# batch byte for byte as `octaval-cli --batch`; presses typed into its fields show what the batch
# mode answers for the same texts; a dot, a paste and the first octet act on the rows as in the
# window. Environment: OCTAVAL_SITE (the site folder), OCTAVAL_SINGLE_FILE (the page in one
# file), OCTAVAL_CLI (a native octaval-cli).
import gzip
import json
import os
import random
import re
import subprocess
import sys
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "report", "phrases"))
import phrases  # noqa: E402
from browser import Browser, Site  # noqa: E402

CLI = os.environ["OCTAVAL_CLI"]


class Words:
    # A language's words as the window's translation has them, read from its .ts file through
    # the reader that makes the page's table. The English result lines, and the counted sources
    # they are worded from:
    LINES = [(r"(\d+) bits, Class (\w)", "%n bits, Class %1"), (r"(\d+) bits, no subnets()",
             "%n bits, no subnets"), (r"(\d+) bits, (\d+) subnets", "%n bits, %1 subnets"),
             (r"(\d+) bits, (\d+) hosts", "%n bits, %1 hosts")]

    def __init__(self, code):
        self.code = code
        self.table = {} if code == "en" else dict(
            phrases.messages(f"{HERE}/../../ui/translations/octaval_{code}.ts"))

    def __call__(self, context, source):
        return self.table[(context, source, "")][0] if self.table else source

    def name(self, caption, k=0):
        octet = self("Caption", "%1, octet %2").replace("%2", str(k))
        return octet.replace("%1", self("Caption", caption)) if k else self("Caption", caption)

    def counted(self, context, source, n):  # a counted phrase's form for n, %n filled in
        one = n <= 1 if self.code == "fr" else n == 1
        form = self.table[(context, source, "")][0 if one else 1] if self.table else source
        return form.replace("%n", str(n))

    def line(self, english):  # a result line or status of the window's
        for pattern, source in self.LINES if self.table else []:
            if match := re.fullmatch(pattern, english):
                return self.counted("Result", source, int(match[1])).replace("%1", match[2])
        context = next((c for c in ("Result", "Status") if (c, english, "") in self.table), None)
        return self(context, english) if context else english


def cli(*args, data=b""):
    return subprocess.run([CLI, *args], input=data, stdout=subprocess.PIPE, check=False).stdout


def cli_marks(sheet, answers):  # octaval-cli --mark's marks of the answers, and its tallies
    problem = {"address": sheet["address"], "mask": sheet["mask"],
               "answers": dict(zip(sheet["questions"], answers))}
    marks, *tallies = map(json.loads, cli("--mark", data=json.dumps(problem).encode()).splitlines())
    return [marks["marks"][key] for key in sheet["questions"]], tallies


# Box texts of every kind, for holding the page's batch answerer against the command line's.
ODD = ["", " ", "-5", "+7", "1.5", "2.5", "10.5", "11.5", "1e2", "4e4", "1D2", "1e400", "1e-400",
       "&HFF", "&hff", "&O377", "&o7", "&H", "1 9 2", " 12", "12a", "abc", "+", "-", ".", "5.",
       ".5", "0.5e1", "1e", "1e+", "255.", "1,5", "\u0661\u0669\u0662", "\uff11", "\u00e9", "%",
       "\r", "\x00", "\x7f", "\u00a0", "-0", "0e99999", "9" * 20, "1" * 309, "1" * 310]


def field(r):
    roll = r.random()
    if roll < 0.55:
        return str(r.choice([0, 10, 127, 128, 172, 191, 192, 223, 224, 240, 255, r.randrange(256)]))
    if roll < 0.8:
        return r.choice(ODD)
    if roll < 0.85:  # long hexadecimal and octal texts, which some C libraries misround
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


def batch_line(r):
    text = "\t".join(field(r) for _ in range(8 if r.random() < 0.97 else r.choice([0, 1, 7, 9])))
    return text + ("\r" if r.random() < 0.02 else "")


def generated(seed, lines):
    r = random.Random(seed)
    return "".join(batch_line(r) + "\n" for _ in range(lines))


# The JSON result's keys and the accessible names of the boxes that show them.
RESULT_NAMES = [("network", "Subnet", 4), ("broadcast", "Broadcast", 4), ("class", "Class", 1),
                ("networkLine", "Network", 1), ("subnetLine", "Subnet", 1), ("hostLine", "Host", 1),
                ("firstSubnet", "Subnet 1", 4), ("lastSubnet", "Subnet N", 4), ("status", "Status", 1)]
INPUT_NAMES = [f"{row}, octet {k}" for row in ("IP address", "Subnet mask") for k in range(1, 5)]
INPUTS = "[...document.querySelectorAll('#inputs input')].map((e) => e.value)"


class PageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.site = Site(os.environ["OCTAVAL_SITE"])
        cls.browser = Browser()

    @classmethod
    def tearDownClass(cls):
        cls.browser.close()
        cls.site.close()

    def setUp(self):
        self.browser.open(self.site.url)

    def box(self, name):
        return f"document.querySelector('[aria-label={json.dumps(name)}]')"

    def text(self, name):
        return self.browser.js(f"{self.box(name)}.textContent")

    def shown(self, words):  # the result as the page shows it, keyed as the batch mode's JSON
        result = {}
        for key, caption, count in RESULT_NAMES:
            texts = [self.text(words.name(caption, k)) for k in range(1, 5)] if count > 1 else None
            result[key] = texts or self.text(words.name(caption))
        return result

    def open_at(self, link=""):  # with the working, the list and the practice, made when opened
        self.browser.open(f"{self.site.url}#{link}")
        self.browser.js("document.querySelectorAll('details').forEach((d) => { d.open = true; })")
        self.browser.js("new Promise((r) => setTimeout(r, 20))")

    def type_into(self, name, text):  # over the box's text; nothing typed deletes it
        self.browser.js(f"{self.box(name)}.focus(), {self.box(name)}.select()")
        self.browser.type(text)
        if not text:
            self.browser.key("Backspace", vk=8)

    def enter(self):
        self.browser.key("Enter", text="\r", vk=13)

    def choose(self, code):
        self.browser.js("(() => { const s = document.getElementById('language'); "
                        f"s.value = '{code}'; s.dispatchEvent(new Event('change')); }})()")

    def test_batch_and_presses_are_the_command_lines(self):
        text = generated(26, 20000)
        self.assertEqual(self.browser.js(f"octaval.batch({json.dumps(text)})").encode(),
                         cli("--batch", data=text.encode()))
        lines = [line.rstrip("\r") for line in generated(2026, 3000).splitlines()]
        fields = [line.split("\t") for line in lines if line.count("\t") == 7]
        page = self.browser.js(f"{json.dumps(fields)}.map((f) => octaval.press(f)).join('')")
        self.assertEqual(page.encode(), cli("--batch", data="".join(
            "\t".join(f) + "\n" for f in fields).encode()))

    # Presses typed key by key into the boxes, by their names in the language, Enter at the end (a
    # dot inside a box is typed as Left, '.'): the boxes show the batch mode's answer to the texts,
    # in the window's words. The address's and the mask's texts, each split at commas:
    TYPED = [("class_c_subnets", "en", "192,168,1,70", "255,255,255,224"),
             ("exponent_and_hex", "en", "1e2,&HF,0,1", "255,0,0,0"),
             ("blanks_letters_empty", "en", " 12,abc,,7", "255,0,0,0"),
             ("negative_and_fraction", "en", "-5,1.5,2.5,9", "255,0,0,0"),
             ("mask_versus_class", "en", "172,16,0,1", "255,0,0,0"),
             # The words of each kind, in each language: a count of one and of more (French says
             # zero in the singular), the class D line and a refused press's status.
             ("de_one_and_more", "de", "192,168,1,70", "255,255,255,128"),
             ("fr_zero_bits", "fr", "10,1,2,3", "255,0,0,0"),
             ("es_class_d", "es", "224,1,2,3", "255,255,255,0"),
             ("de_refused", "de", "300,1,1,1", "255,255,255,0")]

    def test_typed_presses_show_the_batch_answers(self):
        self.addCleanup(self.browser.js, "localStorage.clear()")
        for name, code, address, mask in self.TYPED:
            with self.subTest(name):
                self.open_at()
                self.choose(code)
                words, texts = Words(code), address.split(",") + mask.split(",")
                for k, text in enumerate(texts):
                    head, dot, tail = text.partition(".")
                    self.type_into(words.name(("IP address", "Subnet mask")[k // 4], k % 4 + 1), head + tail)
                    if dot:
                        for _ in tail:
                            self.browser.key("ArrowLeft", vk=37)
                        self.browser.type(".")
                self.assertEqual(self.browser.js(INPUTS), texts)
                self.enter()
                english = json.loads(cli("--batch", data=("\t".join(texts) + "\n").encode()))
                heading = words("Working", "Working of %1 %2: %3").split("%1")[0]
                self.assertEqual(
                    [self.browser.js("document.documentElement.lang"), self.shown(words),
                     self.browser.js("document.getElementById('working').textContent")[:len(heading)],
                     self.browser.js("document.getElementById('Command1').textContent")],
                    [code, {k: words.line(v) if isinstance(v, str) else v for k, v in english.items()},
                     heading, words("octaval::frmMain", "Recalculate")])

    def test_another_language_keeps_the_press(self):
        # It keeps what is typed, words the last press anew, and is kept for the next visit.
        self.addCleanup(self.browser.js, "localStorage.clear()")
        self.open_at("192.168.1.70/27")
        self.type_into("IP address, octet 1", "10")
        step = "document.getElementById('working-step')"
        self.browser.js(f"{step}.selectedIndex = 2, {step}.dispatchEvent(new Event('change'))")
        self.choose("de")
        german = Words("de")
        self.assertEqual([self.browser.js(INPUTS), self.text(german.name("Network")),
                          self.browser.js(f"{step}.selectedIndex")],
                         [["10", "168", "1", "70", "255", "0", "0", "0"],
                          german.line("24 bits, Class C"), 2])
        self.browser.open(self.site.url)
        self.assertEqual(self.browser.js("document.documentElement.lang"), "de")

    def list_rows(self):
        return self.browser.js("[...document.querySelectorAll('#list tbody tr')].filter((r) => "
                               "!r.hidden).map((r) => [...r.cells].map((c) => c.textContent))")

    def scroll_list(self, first):
        self.browser.js("(() => { const s = document.getElementById('list-scroll'); "
                        f"s.value = '{first}'; s.dispatchEvent(new Event('input')); }})()")

    def test_every_subnet(self):
        # Before a press, nothing to list (nor save), as in the Subnets window.
        heading = "document.getElementById('list-heading').textContent"
        link = "document.getElementById('csv')"
        self.open_at()
        self.assertEqual(self.browser.js(f"[{heading}, {link}.hidden]"),
                         ["No subnets to list: press Recalculate first", True])
        # 22 subnet bits: the longest list, with the same number of row elements at its end. On a
        # desktop every column shows; the list opens at the address's row, marked, under the
        # window's heading, and the slider's keys go down the list by a row or a page of rows.
        self.browser.page("Emulation.setDeviceMetricsOverride", width=1280, height=900,
                          deviceScaleFactor=1, mobile=False)
        self.addCleanup(self.browser.page, "Emulation.clearDeviceMetricsOverride")
        self.open_at("10.1.2.3/30")
        elements = "document.querySelectorAll('#list tr').length"
        count = self.browser.js(elements)
        self.assertLess(count, 100)
        opened = self.browser.js(
            f"[{heading}, document.querySelector('#list tr[aria-current]')?.cells[0].textContent]")
        first = "document.querySelector('#list tbody tr').cells[0].textContent"
        moved = [self.browser.js(f"document.getElementById('list-scroll').focus(), {first}")]
        for key, vk in [("ArrowDown", 40), ("PageDown", 34), ("PageUp", 33), ("ArrowUp", 38)]:
            self.browser.key(key, vk=vk)
            moved.append(self.browser.js(first))
        box = "document.getElementById('list-box')"
        self.assertEqual(
            [self.browser.js("document.getElementById('list').ariaRowCount"), *opened,
             moved, self.browser.js(f"{box}.scrollWidth <= {box}.clientWidth")],
            ["4194305", "4,194,304 subnets, 4,194,302 usable of the class A network 10.0.0.0 under "
             "255.255.255.252", "16512", ["16504", "16505", "16521", "16505", "16504"], True])
        self.scroll_list(4_000_000)
        csv = cli("--list", "--csv", "10.1.2.3/30").split(b"\r\n")
        self.assertEqual([row[:5] for row in self.list_rows()[:2]],
                         [csv[4_000_001 + k].decode().split(",")[:5] for k in range(2)])
        self.assertEqual(self.browser.js(elements), count)
        # A search by address and by number, and one that names no subnet.
        message = "document.getElementById('list-message').textContent"
        for text, expected in [
                ("10.200.1.1", ["Subnet 3276864", "3276864", "3276866"]),  # the header is row 1
                ("4194304", ["There is no subnet 4194304: they are numbered 0 to 4194303"])]:
            with self.subTest(text):
                self.browser.js(f"document.getElementById('find').value = {json.dumps(text)}, "
                                "document.getElementById('find-button').click()")
                found = "document.querySelector('#list tr[aria-current]')"
                self.assertEqual(self.browser.js(f"[{message}, {found}?.cells[0].textContent, "
                                                 f"{found}?.ariaRowIndex]")[:len(expected)], expected)
        # The window's words for the list's header, marks and messages.
        self.addCleanup(self.browser.js, "localStorage.clear()")
        self.choose("fr")
        words = Words("fr")
        self.scroll_list(0)
        self.assertEqual(
            [self.browser.js("document.querySelector('#list th:nth-child(3)').textContent"),
             self.list_rows()[0][5], self.browser.js(message)],
            [words("Caption", "First host"), words("octaval::frmSubnets", "reserved, all zeros"),
             words("octaval::frmSubnets", "There is no subnet %1: they are numbered 0 to %2")
             .replace("%1", "4194304").replace("%2", "4194303")])
        self.choose("en")
        # A press of another network leaves no search of this one in the find field.
        self.assertEqual(self.browser.js("document.getElementById('Text1').value = '172', document.getElementById"
                                         "('Command1').click(), document.getElementById('find').value"), "")
        # The CSV as the command line writes it, of a list of 1,024 rows.
        self.open_at("172.16.5.4/26")
        self.browser.js(f"{link}.click()")
        page = self.browser.js(f"fetch({link}.href).then((r) => r.text())")
        self.assertEqual(page.encode(), cli("--list", "--csv", "172.16.5.4/26"))

    # What a key, a paste or the first octet does to the rows: the key presses or pasted text, the
    # box they go into (a1 is the address's first, m3 the mask's third), the eight texts after it
    # and the focused box.
    ROWS = [
        ("dot_moves_on", "a1", "type", "192.", "192 0 0 0 255 255 255 0", "a2"),
        ("class_b_mask", "a1", "type", "172", "172 0 0 0 255 255 0 0", "a1"),
        ("fourth_character_refused", "a3", "type", "1234", "0 0 123 0 255 255 255 0", "a3"),
        ("address_with_prefix", "a2", "paste", "192.168.1.70/27", "192 168 1 70 255 255 255 224", "a2"),
        ("address_and_mask", "a4", "paste", " 10.1.2.3 255.255.252.0 ", "10 1 2 3 255 255 252 0", "a4"),
        ("address_alone", "a1", "paste", "172.16.5.4", "172 16 5 4 255 255 0 0", "a1"),
        ("mask_as_prefix", "m3", "paste", "/20", "0 0 0 0 255 255 240 0", "m3"),
        ("other_text_cut", "a1", "paste", "12345", "123 0 0 0 255 0 0 0", "a1"),
    ]

    def test_dot_paste_and_natural_mask(self):
        for name, box, how, text, texts, focused in self.ROWS:
            with self.subTest(name):
                self.browser.open(self.site.url)
                box, focused = (INPUT_NAMES[4 * (b[0] == "m") + int(b[1]) - 1] for b in (box, focused))
                if how == "type":
                    self.type_into(box, text)
                else:
                    self.browser.js(f"{self.box(box)}.focus(), {self.box(box)}.select()")
                    self.browser.page("Input.insertText", text=text)
                self.assertEqual([self.browser.js(INPUTS), self.browser.js(
                    "document.activeElement.getAttribute('aria-label')")], [texts.split(), focused])

    def test_working_is_the_command_lines(self):
        for link in ["192.168.1.70/27", "10.1.2.3/16", "300.1.1.1/24", "224.1.2.3", "1.2.3.4/31"]:
            with self.subTest(link):
                self.open_at(link)
                self.assertEqual(self.browser.js("document.getElementById('working').textContent"),
                                 cli("--explain", link).decode())
                # Each step's bits apart from the fields that octaval-cli --explain --json counts.
                e = json.loads(cli("--explain", "--json", link))
                edges = [e["classBits"] or 0, (e["classBits"] or 0) + (e["subnetBits"] or 0)]
                for k, step in enumerate(e["steps"] if e["bits"] else []):
                    self.assertEqual(self.browser.js(f"""(() => {{
                        const s = document.getElementById('working-step');
                        s.selectedIndex = {k}, s.dispatchEvent(new Event('change'));
                        return [...document.querySelectorAll('#working .bits span')].flatMap((span) =>
                            [...span.textContent.replace(/[^01]/g, '')].map(() => span.className));
                    }})()"""), ["marked" if marks[i] == "1" else "none" if e["class"] in "DE"
                                else ["network", "subnet", "host"][sum(i >= n for n in edges)]
                                for marks in step["marks"].values() for i in range(32)], step["key"])

    # Practice problems from the options, answered in the page and marked by octaval-cli --mark:
    # the same problem as the seed's worksheet, the same marks, reasons and score. The answers are
    # made from those that the command line expects; in German the counts carry the German unit word.
    PRACTICE = [
        ("right", "en", "7", "contiguous", "BC", lambda right: right),
        ("each_the_answer_of_another", "en", "26", "any", "ABC",
         lambda right: right[-2:-1] + right[:-2] + ["OK" if right[-1] != "OK" else "No host(s)"]),
        ("unreadable_and_blank", "en", "3", "faults", "C",
         lambda right: ["abc"] + [""] * (len(right) - 1)),
        ("right_in_german", "de", "11", "contiguous", "C", lambda right: right),
        ("no_subnets_in_french", "fr", "5", "natural", "C", lambda right: right),
    ]
    MARKS = {"right": "right", "unanswered": "not answered", "wrong": "wrong, expected %1"}

    def test_practice_marks_as_the_command_line(self):
        self.addCleanup(self.browser.js, "localStorage.clear()")
        for name, code, seed, level, classes, answers in self.PRACTICE:
            with self.subTest(name):
                options = ["--seed", seed, "--level", level, "--classes", classes]
                sheet = json.loads(cli("--practice", "--worksheet", "--json", "--count", "1", *options))
                keys, words = sheet["questions"], Words(code)
                given = answers([mark["expected"] for mark in cli_marks(sheet, [""] * len(keys))[0]])
                marks, tallies = cli_marks(sheet, given)
                given = [f"{a} {words('Practice', k)}" if code != "en" and k in ("subnets", "hosts") and
                         a.isdigit() else words("Practice", a) if a == "no subnets" else a
                         for k, a in zip(keys, given)]
                n = {k: sum(t[k] for t in tallies) for k in ("right", "wrong", "unreadable", "unanswered")}
                score = words.counted("Practice", "Score: %n of %1 answers right" + ", %2 not answered" * (
                    n["unanswered"] > 0), n["right"]).replace("%2", str(n["unanswered"])).replace(
                        "%1", str(n["right"] + n["wrong"] + n["unreadable"]))
                # The language is chosen last: it words the problem anew and keeps the answers.
                self.open_at()
                self.browser.js(f"""(() => {{
                    document.getElementById('seed').value = '{seed}';
                    document.getElementById('level').value = '{level}';
                    for (const box of document.querySelectorAll('[name=class]'))
                        box.checked = '{classes}'.includes(box.value);
                    document.getElementById('practice-options').dispatchEvent(new Event('change'));
                }})()""")
                self.assertEqual(self.browser.js(
                    "[...document.querySelectorAll('#problem-rows input, #questions [id^=answer-]')]"
                    ".map((f) => f.id === 'problem-address' || f.id === 'problem-mask' ? f.value : f.id)"),
                    [sheet["address"], sheet["mask"], *(f"answer-{k}" for k in keys)])
                self.browser.js(f"""document.querySelectorAll('#questions [id^=answer-]')
                    .forEach((f, k) => {{ f.value = {json.dumps(given)}[k]; }})""")
                self.choose(code)
                # Checked twice: the score counts a problem's first check only.
                prompts, *page = self.browser.js("""(() => {
                    const all = (s) => [...document.querySelectorAll(s)];
                    const check = document.querySelector('#practice-problem [type=submit]');
                    check.click();
                    check.click();
                    return [all('#questions label'), all('#questions .mark'), all('#reasons li'),
                        [document.getElementById('score')]].map((l) => l.map((e) => e.textContent));
                })()""")
                self.assertEqual(page, [[words("Practice", self.MARKS[m["mark"]]).replace(
                    "%1", m["expected"]) if m["mark"] in self.MARKS else m["reason"] for m in marks], [
                    f"{p}: {m['reason']}" for p, m in zip(prompts, marks) if m["mark"] == "wrong" and
                    m["reason"]], [score]])
                # Its printed worksheet, with the key, is the command line's of the same seed, and
                # the tab that prints it keeps the worksheet's style under the page's policy.
                self.browser.js("""void (window.printed = new Promise((resolve) => {
                    const open = window.open.bind(window);
                    window.open = (url) => {
                        const tab = open(url);
                        tab.print = () => resolve(fetch(url).then((r) => r.text()).then((text) =>
                            [text, getComputedStyle(tab.document.querySelector('.key')).breakBefore]));
                        return tab;
                    };
                    document.getElementById('worksheet-key').checked = true;
                    document.getElementById('print-worksheet').focus();
                }))""")
                self.browser.key("Enter", text="\r", code="Enter", vk=13)
                self.assertEqual(self.browser.js("window.printed"), [cli(
                    "--practice", "--html", "--answers", "--count", "10", "--language", code,
                    *options).decode(), "page"])
                # Another language words the marks anew and leaves them as the check made them.
                marked = "[...document.querySelectorAll('#questions .mark')].map((e) => e.className)"
                before = [self.browser.js(marked), self.choose("en" if code != "en" else "fr")]
                self.assertEqual([self.browser.js(marked), None], before)
        # A seed that is none says so, and prints no sheet of the seed before it.
        self.assertEqual(self.browser.js("""window.open = () => { window.printed = 1; }, window.printed = 0,
            document.getElementById('seed').value = 'abc',
            document.getElementById('print-worksheet').click(),
            [window.printed, document.getElementById('seed-message').textContent]"""),
            [0, "The seed is a whole number from 0 to 18446744073709551615, not “abc”"])

    def test_accessibility_audit(self):
        # axe-core (tests/web/node_modules, from npm ci in scripts/install-deps) finds nothing in
        # light and dark, with the working, the list and the practice open and marked; the bit
        # rows' fields keep the README's contrast, and the list's marked row stands out at 3:1.
        with open(f"{HERE}/node_modules/axe-core/axe.min.js", encoding="utf-8") as file:
            axe = file.read()
        contrast = ("(a, b) => { const l = (c) => c.match(/\\d+/g).slice(0, 3).reduce((s, v, k) => s +"
                    " [0.2126, 0.7152, 0.0722][k] * ((v /= 255) <= 0.03928 ? v / 12.92 : ((v + 0.055) /"
                    " 1.055) ** 2.4), 0), [x, y] = [l(a), l(b)].sort((p, q) => q - p); return (x + 0.05) /"
                    " (y + 0.05); }")
        self.addCleanup(self.browser.page, "Emulation.setEmulatedMedia", features=[])
        for scheme, least in (("light", 7.5), ("dark", 10)):
            with self.subTest(scheme):
                self.browser.page("Emulation.setEmulatedMedia",
                                  features=[{"name": "prefers-color-scheme", "value": scheme}])
                self.open_at("10.1.2.3/30")
                self.browser.js("document.getElementById('answer-network').value = '1.2.3.4', "
                                f"document.querySelector('#practice-problem [type=submit]').click(); {axe}")
                self.assertEqual(self.browser.js(
                    "axe.run(document).then((r) => r.violations.map((v) => "
                    "[v.id, v.nodes.map((n) => n.target.join(' '))]))"), [])
                self.assertEqual(self.browser.js(f"""((c, s) => [...document.querySelectorAll(
                    '#working span span')].filter((e) => c(s(e).color, s(e).backgroundColor) < {least})
                    .map((e) => e.className).concat(c(s(document.querySelector('#list tr[aria-current]'))
                    .backgroundColor, s(document.documentElement).backgroundColor) < 3 ? ['row'] : []))
                    ({contrast}, getComputedStyle)"""), [])

    def test_tab_walks_the_window_order(self):
        walked = []
        for _ in range(10):
            walked.append(self.browser.js("document.activeElement.getAttribute('aria-label') ||"
                                          " document.activeElement.textContent"))
            self.browser.key("Tab", vk=9)
        self.assertEqual([walked, self.text("Status")], [INPUT_NAMES + ["Recalculate", "Status"], "OK"])

    def test_fits_a_phone_at_200_percent(self):
        # A phone of 640 pixels at 200 %, in each language: nothing wider than the page, no text
        # cut in its box, the working's four bit rows whole lines, and a box that scrolls sideways
        # within the page reached by the keyboard.
        self.browser.page("Emulation.setDeviceMetricsOverride", width=320, height=640,
                          deviceScaleFactor=2, mobile=False)
        self.addCleanup(self.browser.page, "Emulation.clearDeviceMetricsOverride")
        self.addCleanup(self.browser.js, "localStorage.clear()")
        for code in ("en", "de", "fr", "es"):
            with self.subTest(code):
                self.open_at("10.1.2.3/30")
                self.choose(code)
                self.assertEqual(self.browser.js(
                    "[document.documentElement.scrollWidth <= innerWidth, [...document.querySelectorAll("
                    "'input, [role=textbox]')].filter((e) => e.scrollWidth > e.clientWidth).length, new Set("
                    "[...document.querySelectorAll('#working span span')].flatMap((e) => [...e"
                    ".getClientRects()].map((r) => r.top))).size, [...document.querySelectorAll('main *')]"
                    ".filter((e) => e.tabIndex < 0 && e.scrollWidth > e.clientWidth && "
                    "getComputedStyle(e).overflowX === 'auto').length]"),
                    [True, 0, 4, 0])

    # A link opens with its press done, and the address bar follows each press.
    LINKS = [("prefix", "192.168.1.70/27", "192 168 1 70 255 255 255 224", "192.168.1.70/27"),
             ("dotted_mask", "10.1.2.3/255.255.0.0", "10 1 2 3 255 255 0 0", "10.1.2.3/16"),
             ("mask_of_no_prefix", "10.1.2.3%20255.0.255.0", "10 1 2 3 255 0 255 0", "10.1.2.3/255.0.255.0")]

    def test_link_of_a_press(self):
        for name, link, texts, shown_link in self.LINKS:
            with self.subTest(name):
                self.browser.open(f"{self.site.url}#{link}")
                self.assertEqual([self.browser.js(INPUTS), self.browser.js("location.hash")],
                                 [texts.split(), f"#{shown_link}"])
        self.type_into("IP address, octet 4", "9")
        self.enter()
        self.assertEqual(self.browser.js("location.hash"), "#10.1.2.9/255.0.255.0")
        # A press that no link reads back ("1 2" in a box) leaves the address bar without one.
        self.assertEqual(self.browser.js("document.getElementById('Text1').value = '1 2', document."
                                         "getElementById('Command1').click(), location.hash"), "")
        # A link that names no press says why, as octaval-cli says it of the same text.
        self.browser.open(f"{self.site.url}#10.0.0.1/33")
        why = subprocess.run([CLI, "10.0.0.1/33"], input=b"", stderr=subprocess.PIPE, check=False).stderr.decode()
        self.assertEqual(self.browser.js("document.getElementById('link-message').textContent"),
                         f"The link #10.0.0.1/33 names no press: {why.splitlines()[0][13:]}")

    def test_offline_after_the_first_visit_and_from_a_disk(self):
        # The page from the site once more with the server closed, then the page in one file.
        site = Site(os.environ["OCTAVAL_SITE"])
        browser = Browser()
        self.addCleanup(browser.close)
        browser.open(site.url)
        self.assertTrue(browser.js("Promise.race([navigator.serviceWorker.ready.then(() => true),"
                                   " new Promise((r) => setTimeout(() => r(false), 10000))])"))
        site.close()
        press = ["192", "168", "1", "70", "255", "255", "255", "224"]
        for url in (site.url, "file://" + os.environ["OCTAVAL_SINGLE_FILE"]):
            with self.subTest(url):
                browser.open(url)  # it answers a press and shows its rows
                self.assertEqual([browser.js(f"octaval.press({json.dumps(press)})"),
                                  browser.js(f"{self.box('Subnet mask, octet 4')}.value")],
                                 [cli("--batch", data=("\t".join(press) + "\n").encode()).decode(), "0"])

    def test_size_budget(self):
        # The whole page at most 150 KB gzipped; its times are bench/web_first_answer.py's.
        folder = os.environ["OCTAVAL_SITE"]
        size = 0
        for name in os.listdir(folder):
            with open(os.path.join(folder, name), "rb") as file:
                size += len(gzip.compress(file.read(), 9))
        self.assertLessEqual(size, 150_000)


if __name__ == "__main__":
    unittest.main()
