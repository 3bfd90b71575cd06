#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 the Octaval developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks of the install rules and the packages: check_packaging.py installed|completion|debs, with
# the build's settings in the environment (see CMakeLists.txt beside it). "installed" installs the
# build into a folder of its own and checks the files, the manual pages and what the desktop entry
# and the metadata name; "completion" has bash (with Debian's bash-completion), zsh and fish
# complete octaval-cli's command lines from that installation; "debs" builds the packages twice
# from the sources with the package preset, in two folders, compares them byte for byte and checks
# the fields and files of each.
import hashlib
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

E, SOURCE, WORK = os.environ, Path(__file__).resolve().parents[2], Path(os.environ["WORK_DIR"])
ID, VERSION, DISPLAY, DATE = E["APP_ID"], E["VERSION"], E["VERSION_DISPLAY"], E["RELEASE_DATE"]
GUI, PREFIX, problems = E["GUI"] == "1", WORK / "install", []
PROGRAMS = ["octaval-cli"] + ["octaval"] * GUI
# The installed files, relative to the prefix; a package holds those under /usr that name it.
FILES = {f for p in PROGRAMS for f in (f"bin/{p}", f"share/man/man1/{p}.1.gz",
                                       f"share/doc/{p}/copyright", f"share/doc/{p}/changelog.gz")}
# The shell completions; zsh's folder under /usr is Debian's vendor-completions (see the rules).
ZSH = "share/zsh/site-functions/_octaval-cli"
FILES |= {"share/bash-completion/completions/octaval-cli", ZSH, "share/lintian/overrides/octaval-cli",
          "share/fish/vendor_completions.d/octaval-cli.fish"}
# The JSON Schemas of octaval-cli's output.
FILES |= {f"share/octaval-cli/schemas/{kind}.schema.json"
          for kind in ("result", "batch-line", "list-line", "working", "worksheet-line", "mark")}
ICONS = "share/icons/hicolor"
FILES |= {f"share/applications/{ID}.desktop", f"share/metainfo/{ID}.metainfo.xml",
          f"{ICONS}/scalable/apps/{ID}.svg",
          *(f"{ICONS}/{n}x{n}/apps/{ID}.png" for n in (32, 64, 128, 256))} if GUI else set()
# The window's print dialog, where the build has Qt's print support.
FILES |= {E["PRINT_MODULE"]} if E.get("PRINT_MODULE") else set()


def run(*command, **options):
    result = subprocess.run(list(map(str, command)), capture_output=True, text=True, **options)
    return sys.exit(f"{command}:\n{result.stdout}{result.stderr}") if result.returncode else result


def expect(condition, problem):
    condition or problems.append(problem)


def help_options():
    return set(re.findall(r"(?<![\w-])--?[A-Za-z][\w-]*", run(PREFIX / "bin/octaval-cli", "--help").stdout))


def installed():
    shutil.rmtree(PREFIX, ignore_errors=True)
    run(E["CMAKE"], "--install", E["BUILD_DIR"], "--prefix", PREFIX)
    found = {p.relative_to(PREFIX).as_posix() for p in PREFIX.rglob("*") if p.is_file()}
    expect(found == FILES, f"installed {sorted(found ^ FILES)} against the expected files")
    # Each page renders without a warning and names the version, every status message and, for
    # octaval-cli, every option of its --help.
    words = [f"Octaval {DISPLAY} {DATE}", "EXIT STATUS", *re.findall(r'=\s*"([^"]+)"', (
        SOURCE / "engine/calculator.h").read_text().split("namespace status {")[1])]
    for page in PROGRAMS:
        man = run("man", "--warnings", "-l", PREFIX / f"share/man/man1/{page}.1.gz",
                  env=dict(E, MANWIDTH="80", LC_ALL="C.UTF-8"))
        text = " ".join(re.sub("\u2010\n\\s*", "", man.stdout).split())
        expect(not man.stderr, f"{page}(1) warns: {man.stderr}")
        for word in words + sorted(help_options()) * (page == "octaval-cli"):
            expect(re.search(rf"(?<![\w-]){re.escape(word)}(?![\w-])", text), f"{page}(1): {word}?")
    if GUI:  # the desktop entry and the metadata name the installed programs and entry
        root = ET.parse(PREFIX / f"share/metainfo/{ID}.metainfo.xml").getroot()
        desktop = (PREFIX / f"share/applications/{ID}.desktop").read_text()
        named = {re.search(r"^Exec=(.*)", desktop, re.M)[1], root.findtext("launchable"),
                 *(binary.text for binary in root.findall("provides/binary"))}
        expect(named == {"octaval", "octaval-cli", f"{ID}.desktop"}, f"they name {named}")
        # Qt's print support is loaded with the print dialog's module, not at every start.
        needed = re.findall(r"\(NEEDED\).*\[(.*)\]", run("readelf", "-d", PREFIX / "bin/octaval").stdout)
        expect("libQt6Widgets.so.6" in needed and not any("PrintSupport" in n for n in needed),
               f"the window needs {needed}")


# Command lines up to the cursor, and what every shell offers there; the folder the shells run in
# holds files whose names would show if a shell fell back to completing file names.
ADDRESS = "10.1.2.3"
CASES = [
    ("--l", {"--language", "--list"}),
    ("--c", {"--csv"}),  # the practice options only after --practice
    ("--practice -j --c", {"--classes", "--count", "--csv"}),
    ("--worksheet --c", {"--classes", "--count", "--csv"}),  # or after the worksheet
    ("--batch --a", {"--addresses"}),
    ("--list -- --c", set()),  # "--" ends the options
    (f"{ADDRESS}/", {f"{ADDRESS}/{n}" for n in range(33)}),
    (f"{ADDRESS}/2", {f"{ADDRESS}/{n}" for n in (2, *range(20, 30))}),
    (f"--json {ADDRESS} /3", {"/3", "/30", "/31", "/32"}),
    ("", set()),
]
# The lines whose options together must be those of --help.
OPTION_LINES = ["--", "--batch --", "--practice --", "-"]
DECOYS = ["--lost", f"{ADDRESS}.txt"]

# Each shell completes the lines given as its arguments, each after a line "===" of its own,
# one candidate a line.
BASH = r"""
source /usr/share/bash-completion/bash_completion
for line; do
    echo ===
    COMP_LINE=$line COMP_POINT=${#line} COMPREPLY=()
    read -ra COMP_WORDS <<<"$line"
    [[ $line == *' ' ]] && COMP_WORDS+=('')
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    complete -p octaval-cli &>/dev/null || _completion_loader octaval-cli
    completer=$(complete -p octaval-cli) || continue
    completer=${completer#*-F } && "${completer%% *}" octaval-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD-1]}"
    ((${#COMPREPLY[@]})) && printf '%s\n' "${COMPREPLY[@]}"
done
"""
# zsh completes only in its line editor: an interactive zsh on a pseudo-terminal gets each line
# and a Tab, and its compadd writes the matches it is given instead of adding them. Each step
# waits for the shell's answer: its line editor drops what is typed ahead of it.
ZSH_COMPLETE = r"""
zmodload zsh/zpty
zpty z zsh -f -i
zpty -w z "PS1=''; fpath=(${(q)FPATH_DIR} \$fpath); autoload -Uz compinit; compinit -u -D"
zpty -w z 'compadd() {
    [[ ${@[1,(i)(-|--)]} == *-(O|A|D)\ * ]] && { builtin compadd "$@"; return; }
    local -a hits; builtin compadd -O hits "$@"; print -rl -- $hits >>$OUT
}'
zpty -w z 'tab() { zle complete-word; zle -M TAB""DONE }; zle -N tab; bindkey "^I" tab'
for line; do
    zpty -w z "print -r -- '===' >>\$OUT; print RE''ADY"
    zpty -r -m z reply '*READY*' || exit 1
    zpty -w -n z "$line"$'\t'
    zpty -r -m z reply '*TABDONE*' || exit 1
    zpty -w z $'\C-u'"print DO''NE"
    zpty -r -m z reply '*DONE*' || exit 1
done
zpty -d z
"""
FISH = """
for line in $argv
    echo ===
    complete -C "$line" | string replace -r '\\t.*' ''
end
"""


def completion():
    options, lines = help_options(), [line for line, _ in CASES] + OPTION_LINES
    for shell in ("bash", "zsh", "fish"):
        with tempfile.TemporaryDirectory() as folder:
            folder = Path(folder)
            for name in DECOYS + ["zsh.out"]:
                (folder / name).touch()
            env = dict(E, HOME=str(folder), XDG_CONFIG_HOME=str(folder), XDG_DATA_DIRS=f"{PREFIX}/share",
                       PATH=f"{PREFIX}/bin:{E['PATH']}", OUT=str(folder / "zsh.out"),
                       FPATH_DIR=str(PREFIX / Path(ZSH).parent))
            script = folder / f"complete.{shell}"
            script.write_text({"bash": BASH, "zsh": ZSH_COMPLETE, "fish": FISH}[shell])
            command = {"bash": ["bash", "--norc"], "zsh": ["zsh", "-f"], "fish": ["fish"]}[shell]
            out = run(*command, script, *(f"octaval-cli {line}" for line in lines), cwd=folder,
                      env=env, timeout=120).stdout
            out = (folder / "zsh.out").read_text() if shell == "zsh" else out
            answers = re.split(r"^===\n", out, flags=re.M)[1:]
            offered = [set(answer.split("\n")) - {""} for answer in answers]
            expect(len(offered) == len(lines), f"{shell} answered {len(offered)} of {len(lines)} lines")
            for (line, wanted), got in zip(CASES, offered):
                expect(got == wanted, f"{shell}: 'octaval-cli {line}' offers {sorted(got)}")
            # --list and --batch as given on their lines, whether offered again or not
            given = {"--list", "--batch"}.union(*offered[len(CASES):])
            expect(given == options, f"{shell} offers {sorted(given ^ options)} against --help")


def debs():
    epoch = run("git", "-C", SOURCE, "log", "-1", "--format=%ct").stdout.strip()
    env = dict(E, SOURCE_DATE_EPOCH=epoch)  # the time of the last commit for the packaged files
    sums = []
    for folder in (WORK / "debs", WORK / "debs-built-again"):
        shutil.rmtree(folder, ignore_errors=True)
        run(E["CMAKE"], "--preset", "package", "-B", folder, cwd=SOURCE, env=env)
        run(E["CMAKE"], "--build", folder, env=env)
        run(E["CPACK"], "-G", "DEB", cwd=folder, env=env)
        sums.append({deb.name: hashlib.sha256(deb.read_bytes()).hexdigest()
                     for deb in folder.glob("*.deb")})
    expect(sums[0] == sums[1] and len(sums[0]) == len(PROGRAMS), f"two builds gave {sums}")
    fields = {}
    for deb in (WORK / "debs").glob("*.deb"):
        name = deb.name.split("_")[0]
        fields[name] = dict(re.findall(r"^(\S+): (.*)", run("dpkg-deb", "-f", deb).stdout, re.M))
        listing = run("dpkg-deb", "-c", deb).stdout.splitlines()  # paths start with ./usr/
        files = {line.split()[-1][6:] for line in listing if not line.startswith("d")}
        wanted = {f.replace(ZSH, ZSH.replace("site-functions", "vendor-completions")) for f in FILES
                  if ("octaval-cli" in f) == (name == "octaval-cli")}
        expect(files == wanted, f"{name} holds {sorted(files)}")
    cli, window = fields["octaval-cli"], fields.get("octaval")
    needs = set(re.findall(r"(?:^|, )([\w.+-]+)", cli["Depends"]))
    expect(needs <= {"libc6", "libgcc-s1", "libstdc++6"}, f"octaval-cli needs {needs}")
    if window:  # the window keeps the program's own synopsis; it recommends, not needs, the rest
        expect(window["Description"] == E["DESCRIPTION"] != cli["Description"], "the synopses")
        depends = window["Depends"]
        expect("libqt6widgets6" in depends and "octaval-cli" not in depends, f"needs {depends}")
        recommends = f"octaval-cli (= {VERSION}), qt6-wayland, qt6-translations-l10n"
        expect(window["Recommends"] == recommends, window)


if __name__ == "__main__":
    {"installed": installed, "completion": completion, "debs": debs}[sys.argv[1]]()
    sys.exit("\n".join(f"FAIL: {p}" for p in problems) or None)
