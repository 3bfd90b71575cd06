#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 the Octaval developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks of the install rules and the packages: check_packaging.py installed|debs, with the build's
# settings in the environment (see CMakeLists.txt beside it). "installed" installs the build into
# a folder of its own and checks the files, the manual pages and what the desktop entry and the
# metadata name; "debs" builds the packages twice from the sources with the package preset, in two
# folders, compares them byte for byte and checks the fields and files of each.
import hashlib, os, re, shutil, subprocess, sys, xml.etree.ElementTree as ET  # noqa: E401
from pathlib import Path

E, SOURCE, WORK = os.environ, Path(__file__).resolve().parents[2], Path(os.environ["WORK_DIR"])
ID, VERSION, DISPLAY, DATE = E["APP_ID"], E["VERSION"], E["VERSION_DISPLAY"], E["RELEASE_DATE"]
GUI, PREFIX, problems = E["GUI"] == "1", WORK / "install", []
PROGRAMS = ["octaval-cli"] + ["octaval"] * GUI
# The installed files, relative to the prefix; a package holds those under /usr that name it.
FILES = {f for p in PROGRAMS for f in (f"bin/{p}", f"share/man/man1/{p}.1.gz",
                                       f"share/doc/{p}/copyright", f"share/doc/{p}/changelog.gz")}
ICONS = "share/icons/hicolor"
FILES |= {f"share/applications/{ID}.desktop", f"share/metainfo/{ID}.metainfo.xml",
          f"{ICONS}/scalable/apps/{ID}.svg",
          *(f"{ICONS}/{n}x{n}/apps/{ID}.png" for n in (32, 64, 128, 256))} if GUI else set()


def run(*command, **options):
    result = subprocess.run(list(map(str, command)), capture_output=True, text=True, **options)
    return sys.exit(f"{command}:\n{result.stdout}{result.stderr}") if result.returncode else result


def expect(condition, problem):
    condition or problems.append(problem)


def installed():
    shutil.rmtree(PREFIX, ignore_errors=True)
    run(E["CMAKE"], "--install", E["BUILD_DIR"], "--prefix", PREFIX)
    found = {p.relative_to(PREFIX).as_posix() for p in PREFIX.rglob("*") if p.is_file()}
    expect(found == FILES, f"installed {sorted(found ^ FILES)} against the expected files")
    # Each page renders without a warning and names the version, every status message and, for
    # octaval-cli, every option of its --help.
    words = [f"Octaval {DISPLAY} {DATE}", "EXIT STATUS", *re.findall(r'=\s*"([^"]+)"', (
        SOURCE / "engine/calculator.h").read_text().split("namespace status {")[1])]
    usage = run(PREFIX / "bin/octaval-cli", "--help").stdout
    options = sorted(set(re.findall(r"(?<![\w-])--?[A-Za-z][\w-]*", usage)))
    for page in PROGRAMS:
        man = run("man", "--warnings", "-l", PREFIX / f"share/man/man1/{page}.1.gz",
                  env=dict(E, MANWIDTH="80", LC_ALL="C.UTF-8"))
        text = " ".join(re.sub("\u2010\n\\s*", "", man.stdout).split())
        expect(not man.stderr, f"{page}(1) warns: {man.stderr}")
        for word in words + options * (page == "octaval-cli"):
            expect(re.search(rf"(?<![\w-]){re.escape(word)}(?![\w-])", text), f"{page}(1): {word}?")
    if GUI:  # the desktop entry and the metadata name the installed programs and entry
        root = ET.parse(PREFIX / f"share/metainfo/{ID}.metainfo.xml").getroot()
        desktop = (PREFIX / f"share/applications/{ID}.desktop").read_text()
        named = {re.search(r"^Exec=(.*)", desktop, re.M)[1], root.findtext("launchable"),
                 *(binary.text for binary in root.findall("provides/binary"))}
        expect(named == {"octaval", "octaval-cli", f"{ID}.desktop"}, f"they name {named}")


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
        expect(files == {f for f in FILES if ("octaval-cli" in f) == (name == "octaval-cli")},
               f"{name} holds {sorted(files)}")
    cli, window = fields["octaval-cli"], fields.get("octaval")
    needs = set(re.findall(r"(?:^|, )([\w.+-]+)", cli["Depends"]))
    expect(needs <= {"libc6", "libgcc-s1", "libstdc++6"}, f"octaval-cli needs {needs}")
    if window:  # the window keeps the program's own synopsis; it recommends, not needs, the rest
        expect(window["Description"] == E["DESCRIPTION"] != cli["Description"], "the synopses")
        depends = window["Depends"]
        expect("libqt6widgets6" in depends and "octaval-cli" not in depends, f"needs {depends}")
        expect(window["Recommends"] == f"octaval-cli (= {VERSION}), qt6-wayland", window)


if __name__ == "__main__":
    {"installed": installed, "debs": debs}[sys.argv[1]]()
    sys.exit("\n".join(f"FAIL: {p}" for p in problems) or None)
