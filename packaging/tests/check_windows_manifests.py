#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 the Octaval developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the winget and Scoop manifests that CPack wrote beside the Windows packages
# (packaging/windows_manifests.cmake) against the packages themselves:
#   check_windows_manifests.py FOLDER [--wine]   the packages and manifests of a build folder
#                                                (build/windows); with --wine, the program that
#                                                Scoop would unpack runs under Wine
#   check_windows_manifests.py --fake CMAKE      writes the manifests of made-up packages in a
#                                                temporary folder with CMAKE, and checks those
# The manifests must parse, name the version of the root CMakeLists.txt and the packages' file
# names, and give their SHA-256.
import hashlib
import json
import re
import subprocess
import sys
import tempfile
import zipfile
from pathlib import Path

import yaml

SOURCE = Path(__file__).resolve().parents[2]
VERSION = re.search(r"project\(Octaval\s+VERSION\s+([\d.]+)", (SOURCE / "CMakeLists.txt").read_text())[1]
ZIP, SETUP = f"octaval-{VERSION}-win64.zip", f"octaval-{VERSION}-win64-setup.exe"
ID = "Octaval.Octaval"
problems = []


def expect(condition, problem):
    condition or problems.append(problem)


def sha256(path):
    return hashlib.sha256(path.read_bytes()).hexdigest()


def check(folder, wine):
    winget = {kind: yaml.safe_load((folder / "winget" / f"{ID}{suffix}.yaml").read_text())
              for kind, suffix in (("version", ""), ("installer", ".installer"),
                                   ("defaultLocale", ".locale.en-US"))}
    for kind, manifest in winget.items():
        expect((manifest["PackageIdentifier"], manifest["PackageVersion"], manifest["ManifestType"],
                manifest["ManifestVersion"]) == (ID, VERSION, kind, "1.6.0"), f"winget {kind}: {manifest}")
    expect(winget["version"]["DefaultLocale"] == winget["defaultLocale"]["PackageLocale"], "locale")
    installer = winget["installer"]["Installers"]
    expect(len(installer) == 1 and installer[0]["InstallerUrl"].endswith("/" + SETUP) and
           installer[0]["InstallerSha256"] == sha256(folder / SETUP).upper(), f"winget: {installer}")

    scoop = json.loads((folder / "scoop/octaval.json").read_text())
    download = scoop["architecture"]["64bit"]
    expect(scoop["version"] == VERSION and download["url"].endswith("/" + ZIP) and
           download["hash"] == sha256(folder / ZIP), f"scoop: {scoop}")
    with zipfile.ZipFile(folder / ZIP) as archive:
        names = set(archive.namelist())
        unpacked = f"{scoop['extract_dir']}/"
        programs = [scoop["bin"], *(shortcut[0] for shortcut in scoop["shortcuts"])]
        expect({unpacked + program for program in programs} <= names, f"scoop: {programs} in {ZIP}?")
        if wine:
            with tempfile.TemporaryDirectory() as scratch:
                archive.extractall(scratch)
                answer = subprocess.run(["wine", Path(scratch, unpacked, scoop["bin"]), "--version"],
                                        capture_output=True, text=True, timeout=120)
            # The version as the installer names the program, "Octaval 1.02.0011".
            display = winget["installer"]["AppsAndFeaturesEntries"][0]["DisplayName"].split()[-1]
            expect(answer.stdout.strip() == f"octaval-cli {display}",
                   f"unpacked {scoop['bin']} --version: {answer.stdout}{answer.stderr}")


def fake(cmake):
    with tempfile.TemporaryDirectory() as scratch:
        folder = Path(scratch)
        with zipfile.ZipFile(folder / ZIP, "w") as archive:
            for name in ("octaval-cli.exe", "octaval.exe", "README.md"):
                archive.writestr(f"octaval-{VERSION}-win64/{name}", name)
        (folder / SETUP).write_bytes(b"MZ made-up installer")
        for generator, package in (("ZIP", ZIP), ("NSIS", SETUP)):
            settings = {"GENERATOR": generator, "PACKAGE_FILES": folder / package,
                        "PACKAGE_DIRECTORY": folder, "PACKAGE_VERSION": VERSION,
                        "PACKAGE_VENDOR": "The O'Brien developers", "OCTAVAL_HOMEPAGE": "x",
                        "NSIS_DISPLAY_NAME": "Octaval 1.02.0011", "PACKAGE_INSTALL_REGISTRY_KEY": "Octaval",
                        "OCTAVAL_SUMMARY": 'To say "it": yes', "OCTAVAL_LICENSE": "GPL-3.0-or-later",
                        "OCTAVAL_COPYRIGHT": "(C)", "OCTAVAL_RELEASE_URL": "https://example.invalid/1",
                        "OCTAVAL_RELEASE_URL_PLACEHOLDER": "ON"}
            subprocess.run([cmake, *(f"-DCPACK_{key}={value}" for key, value in settings.items()),
                            "-P", SOURCE / "packaging/windows_manifests.cmake"],
                           check=True, capture_output=True)
        check(folder, wine=False)


if __name__ == "__main__":
    if sys.argv[1] == "--fake":
        fake(sys.argv[2])
    else:
        check(Path(sys.argv[1]), wine="--wine" in sys.argv[2:])
    sys.exit("\n".join(f"FAIL: {p}" for p in problems) or None)
