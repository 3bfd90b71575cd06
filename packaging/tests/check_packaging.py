#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 the Octaval developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks of Octaval's install rules and packages: check_packaging.py CHECK.

CTest runs one CHECK per test, with the build's settings in the environment (see
CMakeLists.txt next to this file). "install" installs the build into a folder of its own; the
checks "files", "version", "man", "desktop" and "appstream" look at what it installed.
"""
import configparser
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree
from pathlib import Path

ENV = os.environ
BUILD_DIR = Path(ENV["OCTAVAL_BUILD_DIR"])
WORK_DIR = Path(ENV["OCTAVAL_WORK_DIR"])
PREFIX = WORK_DIR / "install"
GUI = ENV["OCTAVAL_GUI"] == "1"
APP_ID = ENV["OCTAVAL_APP_ID"]
VERSION_NUMERIC = ENV["OCTAVAL_VERSION_NUMERIC"]
VERSION_DISPLAY = ENV["OCTAVAL_VERSION_DISPLAY"]
RELEASE_DATE = ENV["OCTAVAL_RELEASE_DATE"]
DESCRIPTION = ENV["OCTAVAL_DESCRIPTION"]
COMMENT = ENV["OCTAVAL_COMMENT"]
SOURCE_DIR = Path(__file__).resolve().parents[2]

# The status messages, from the engine's namespace of them.
STATUS_MESSAGES = re.findall(
    r'std::string_view \w+ =\s*"([^"]+)"',
    "".join(re.findall(r"namespace status \{(.*?)\}  // namespace status",
                       (SOURCE_DIR / "engine" / "calculator.h").read_text(), re.DOTALL)))

# The Debian packages that hold the tools, for the message when one is missing.
TOOL_PACKAGES = {
    "appstreamcli": "appstream",
    "cpp": "cpp",
    "desktop-file-validate": "desktop-file-utils",
    "dpkg": "dpkg",
    "dpkg-deb": "dpkg",
    "dpkg-shlibdeps": "dpkg-dev",
    "file": "file",
    "man": "man-db",
    "x86_64-w64-mingw32-windres": "binutils-mingw-w64-x86-64",
}

problems = []


def expect(condition, message):
    if not condition:
        problems.append(message)
    return condition


def tool(name):
    path = shutil.which(name)
    if path is None:
        sys.exit(f"{name} is not installed: install the Debian package {TOOL_PACKAGES[name]} "
                 "(scripts/install-deps installs it)")
    return path


def run(command, **kwargs):
    return subprocess.run([str(part) for part in command], capture_output=True, text=True,
                          timeout=300, **kwargs)


def run_ok(command, **kwargs):
    result = run(command, **kwargs)
    if result.returncode != 0:
        sys.exit(f"{' '.join(map(str, command))} failed with status {result.returncode}:\n"
                 f"{result.stdout}{result.stderr}")
    return result


def expected_files():
    """The files that an installation holds, relative to its prefix."""
    files = {"bin/octaval-cli", "share/man/man1/octaval-cli.1.gz"}
    if GUI:
        icons = "share/icons/hicolor"
        files |= {
            "bin/octaval",
            "share/man/man1/octaval.1.gz",
            f"share/applications/{APP_ID}.desktop",
            f"share/metainfo/{APP_ID}.metainfo.xml",
            f"{icons}/scalable/apps/{APP_ID}.svg",
        }
        files |= {f"{icons}/{n}x{n}/apps/{APP_ID}.png" for n in (32, 64, 128, 256)}
    return files


def installed(relative):
    path = PREFIX / relative
    if not path.is_file():
        sys.exit(f"{path} is not installed: run the test packaging_install first")
    return path


def check_install():
    shutil.rmtree(PREFIX, ignore_errors=True)
    run_ok([ENV.get("OCTAVAL_CMAKE", "cmake"), "--install", BUILD_DIR, "--prefix", PREFIX])


def check_files():
    found = {p.relative_to(PREFIX).as_posix() for p in PREFIX.rglob("*") if not p.is_dir()}
    expected = expected_files()
    expect(not expected - found, f"not installed: {sorted(expected - found)}")
    expect(not found - expected, f"installed but not expected: {sorted(found - expected)}")
    for name in found & expected:
        executable = os.access(PREFIX / name, os.X_OK)
        expect(executable == name.startswith("bin/"),
               f"{name} is {'' if executable else 'not '}executable")


def check_version():
    result = run([installed("bin/octaval-cli"), "--version"])
    expect(result.returncode == 0, f"octaval-cli --version ended with {result.returncode}")
    expect(result.stdout == f"octaval-cli {VERSION_DISPLAY}\n",
           f"octaval-cli --version printed {result.stdout!r}")
    expect(result.stderr == "", f"octaval-cli --version wrote to standard error: {result.stderr}")


def rendered_man_page(page):
    """The page as man shows it on an 80-column terminal, with its warnings."""
    environment = dict(ENV, MANWIDTH="80", LC_ALL="C.UTF-8")
    environment.pop("MAN_KEEP_FORMATTING", None)  # plain text, without overstrikes
    result = run([tool("man"), "--warnings", "-l", page], env=environment)
    expect(result.returncode == 0, f"man -l {page} ended with {result.returncode}")
    expect(result.stderr == "", f"man -l {page} warns:\n{result.stderr}")
    # Undo the line filling: join words hyphenated at a line end, then all blanks.
    text = re.sub(r"\u2010\n\s*", "", result.stdout)
    return " ".join(text.split())


def check_man():
    pages = {"octaval-cli": "share/man/man1/octaval-cli.1.gz"}
    if GUI:
        pages["octaval"] = "share/man/man1/octaval.1.gz"
    texts = {name: rendered_man_page(installed(relative)) for name, relative in pages.items()}
    for name, text in texts.items():
        expect(f"Octaval {VERSION_DISPLAY} {RELEASE_DATE}" in text,
               f"{name}(1) does not carry the version {VERSION_DISPLAY} and date {RELEASE_DATE}")
        sections = ["NAME", "SYNOPSIS", "DESCRIPTION", "OPTIONS", "EXIT STATUS", "SEE ALSO"]
        if name == "octaval-cli":
            sections.append("BATCH MODE")
        for section in sections:
            expect(f" {section} " in f" {text} ", f"{name}(1) has no section {section}")
        for message in STATUS_MESSAGES:
            expect(message in text, f"{name}(1) does not list the status {message!r}")

    # Every option of --help is described.
    cli_page = texts["octaval-cli"]
    help_text = run_ok([installed("bin/octaval-cli"), "--help"]).stdout
    options = set(re.findall(r"(?<![\w-])(--?[A-Za-z][\w-]*)", help_text))
    expect(len(options) >= 8, f"found only {sorted(options)} in --help")
    for option in sorted(options):
        expect(re.search(rf"(?<![\w-]){re.escape(option)}(?![\w-])", cli_page),
               f"octaval-cli(1) does not describe {option} of --help")
    for status in ("0", "1", "2"):
        expect(re.search(rf"EXIT STATUS.*?\s{status}\s", cli_page),
               f"octaval-cli(1) does not describe the exit status {status}")


def check_desktop():
    desktop = installed(f"share/applications/{APP_ID}.desktop")
    result = run([tool("desktop-file-validate"), "--no-hints", desktop])
    expect(result.returncode == 0 and result.stdout + result.stderr == "",
           f"desktop-file-validate:\n{result.stdout}{result.stderr}")
    parser = configparser.ConfigParser(interpolation=None)
    parser.optionxform = str
    parser.read(desktop, encoding="utf-8")
    entry = parser["Desktop Entry"]
    wanted = {"Type": "Application", "Name": "Octaval", "Comment": COMMENT,
              "Terminal": "false", "Icon": APP_ID, "StartupWMClass": "Octaval"}
    for key, value in wanted.items():
        expect(entry.get(key) == value, f"{key}={entry.get(key)}, expected {value}")
    categories = entry.get("Categories", "").split(";")
    for category in ("Network", "Utility", "Calculator"):
        expect(category in categories, f"Categories lacks {category}")
    program = entry.get("Exec", "").split()[0]
    expect((PREFIX / "bin" / program).is_file(), f"Exec={program} names no installed program")
    for size in ("32x32", "scalable"):
        suffix = "svg" if size == "scalable" else "png"
        expect((PREFIX / f"share/icons/hicolor/{size}/apps/{APP_ID}.{suffix}").is_file(),
               f"no {size} icon named {APP_ID}")


def check_appstream():
    metainfo = installed(f"share/metainfo/{APP_ID}.metainfo.xml")
    result = run([tool("appstreamcli"), "validate", "--no-net", "--strict", "--pedantic",
                  metainfo])
    issues = [line for line in result.stdout.splitlines() if re.match(r"[EWIP]: ", line)]
    expect(result.returncode == 0 and not issues,
           f"appstreamcli validate:\n{result.stdout}{result.stderr}")
    root = ElementTree.parse(metainfo).getroot()
    expect(root.findtext("id") == APP_ID, f"id {root.findtext('id')}, expected {APP_ID}")
    expect(root.findtext("summary") == DESCRIPTION, f"summary {root.findtext('summary')!r}")
    release = root.find("releases/release")
    expect(release is not None and release.get("version") == VERSION_DISPLAY
           and release.get("date") == RELEASE_DATE,
           f"release {release.attrib if release is not None else None}, expected "
           f"{VERSION_DISPLAY} of {RELEASE_DATE}")
    launchable = root.findtext("launchable[@type='desktop-id']")
    expect((PREFIX / "share/applications" / str(launchable)).is_file(),
           f"launchable {launchable} is no installed desktop entry")
    binaries = [element.text for element in root.findall("provides/binary")]
    expect(sorted(binaries) == ["octaval", "octaval-cli"], f"provides {binaries}")
    for binary in binaries:
        expect((PREFIX / "bin" / str(binary)).is_file(), f"provides {binary}, not installed")
    expect(root.find("screenshots/screenshot/image") is not None, "no screenshot")
    expect(root.find("content_rating") is not None, "no content rating")


def check_windres():
    # The script includes no headers, so the host's C preprocessor serves (windres would look
    # for a MinGW compiler that this machine need not have).
    windres = [tool("x86_64-w64-mingw32-windres"), f"--preprocessor={tool('cpp')}"]
    rc_file = Path(ENV["OCTAVAL_RC_FILE"])
    with tempfile.TemporaryDirectory() as folder:
        res = Path(folder) / "octaval.res"
        # As an object file, the form in which a MinGW build links it...
        run_ok([*windres, "-i", rc_file, "-O", "coff", "-o", Path(folder) / "octaval.o"])
        # ...and as a .res, which windres turns back into a script to read the result from.
        run_ok([*windres, "-i", rc_file, "-O", "res", "-o", res])
        script = run_ok([*windres, "-i", res, "-O", "rc"]).stdout
    numbers = ", *".join(VERSION_NUMERIC.split("."))
    for field in ("FILEVERSION", "PRODUCTVERSION"):
        expect(re.search(rf"^\s*{field}\s+{numbers}\s*$", script, re.MULTILINE),
               f"{field} is not {VERSION_NUMERIC}:\n{script}")
    expect(re.search(r'BLOCK "040904[bB]0"', script), "no string table 040904B0")
    strings = dict(re.findall(r'VALUE "(\w+)", "([^"]*)"', script))
    wanted = {"Comments": COMMENT, "FileDescription": DESCRIPTION,
              "FileVersion": VERSION_DISPLAY, "ProductVersion": VERSION_DISPLAY,
              "ProductName": "Octaval", "InternalName": "octaval",
              "OriginalFilename": "octaval.exe"}
    for key, value in wanted.items():
        expect(strings.get(key) == value, f'{key} is {strings.get(key)!r}, expected {value!r}')
    for key in ("CompanyName", "LegalCopyright"):
        expect(strings.get(key), f"{key} is empty")
    expect(re.search(r"^\s*VALUE \"Translation\", 0x409, 1200", script, re.MULTILINE),
           "no translation entry for US English, Unicode")
    # The icon group and its two images: the 16-colour original and a large one.
    expect(len(re.findall(r"^\w+ 3 /\* RT_ICON \*/", script, re.MULTILINE)) == 2,
           "expected two icon images")
    expect(re.search(r"^\"?IDI_ICON1\"? 14 /\* RT_GROUP_ICON \*/", script, re.MULTILINE),
           "no icon group IDI_ICON1")


def deb_fields(deb):
    text = run_ok([tool("dpkg-deb"), "--field", deb]).stdout
    return dict(re.findall(r"^(\S+): (.*(?:\n .*)*)", text, re.MULTILINE))


def deb_files(deb):
    """The files of a package, as paths without the leading "./", with their modes."""
    files = {}
    for line in run_ok([tool("dpkg-deb"), "--contents", deb]).stdout.splitlines():
        mode, owner, *_, path = line.split()
        if not mode.startswith("d"):
            files[path.removeprefix("./")] = (mode, owner)
    return files


def check_deb():
    tool("dpkg-shlibdeps")
    architecture = run_ok([tool("dpkg"), "--print-architecture"]).stdout.strip()
    packages = ["octaval-cli"] + (["octaval"] if GUI else [])
    with tempfile.TemporaryDirectory(dir=WORK_DIR) as folder:
        run_ok([ENV.get("OCTAVAL_CPACK", "cpack"), "-G", "DEB", "--config",
                BUILD_DIR / "CPackConfig.cmake", "-B", folder])
        built = sorted(p.name for p in Path(folder).glob("*.deb"))
        expected = sorted(f"{name}_{VERSION_NUMERIC}_{architecture}.deb" for name in packages)
        if not expect(built == expected, f"cpack built {built}, expected {expected}"):
            return
        files_by_package = {"octaval-cli": set(), "octaval": set()}
        for name in expected_files():
            package = "octaval-cli" if "octaval-cli" in name else "octaval"
            files_by_package[package].add(f"usr/{name}")
        for name in packages:
            deb = Path(folder) / f"{name}_{VERSION_NUMERIC}_{architecture}.deb"
            run_ok([tool("dpkg-deb"), "--info", deb])
            fields = deb_fields(deb)
            for key, value in {"Package": name, "Version": VERSION_NUMERIC,
                               "Architecture": architecture, "Section": "net"}.items():
                expect(fields.get(key) == value, f"{name}: {key} is {fields.get(key)!r}")
            expect(fields.get("Maintainer"), f"{name}: no maintainer")
            description = fields.get("Description", "").splitlines()
            expect(description[:1] == [DESCRIPTION] and len(description) > 2,
                   f"{name}: Description {description}")
            depends = [d.strip() for d in fields.get("Depends", "").split(",") if d.strip()]
            files = deb_files(deb)
            expect(set(files) == files_by_package[name],
                   f"{name} holds {sorted(files)}, expected {sorted(files_by_package[name])}")
            for path, (mode, owner) in files.items():
                wanted = "-rwxr-xr-x" if path.startswith("usr/bin/") else "-rw-r--r--"
                expect((mode, owner) == (wanted, "root/root"), f"{name}: {path} {mode} {owner}")

            unpacked = Path(folder) / name
            run_ok([tool("dpkg-deb"), "--extract", deb, unpacked])
            program = unpacked / "usr/bin" / name
            kind = run_ok([tool("file"), "-b", program]).stdout
            expect("ELF" in kind and ", stripped" in kind, f"{name}: the program is {kind}")
            if name == "octaval-cli":
                # Only what every Debian system has, so that it installs on a bare server.
                base = {"libc6", "libgcc-s1", "libstdc++6"}
                expect(all(d.split()[0] in base for d in depends),
                       f"octaval-cli depends on more than the C and C++ runtime: {depends}")
                version = run_ok([program, "--version"]).stdout
                expect(version == f"octaval-cli {VERSION_DISPLAY}\n",
                       f"the packaged octaval-cli --version prints {version!r}")
            else:
                # Read from the program by dpkg-shlibdeps.
                for library in ("libc6", "libqt6core6", "libqt6gui6", "libqt6widgets6"):
                    expect(any(d.startswith(library) for d in depends),
                           f"octaval: Depends lacks {library}: {depends}")
                expect(f"octaval-cli (= {VERSION_NUMERIC})" in depends,
                       f"octaval: Depends lacks octaval-cli of its own version: {depends}")


CHECKS = {name.removeprefix("check_"): function
          for name, function in globals().items() if name.startswith("check_")}


def main():
    if len(sys.argv) != 2 or sys.argv[1] not in CHECKS:
        sys.exit(f"usage: check_packaging.py {{{'|'.join(CHECKS)}}}")
    if not STATUS_MESSAGES:
        sys.exit("found no status messages in engine/calculator.h")
    CHECKS[sys.argv[1]]()
    for problem in problems:
        print(f"FAIL: {problem}", file=sys.stderr)
    sys.exit(1 if problems else 0)


if __name__ == "__main__":
    main()
