#!/usr/bin/env python3
"""Writes THIRD-PARTY-NOTICES.txt for the Windows release: every third-party part that ships
beside seraphel.exe or is compiled into what ships, with its version, copyright lines and licence
text. It is generated from data, so that it follows the Qt that ships: the Windows Qt's build
record (which files went into each shipped library, and qtbase's attribution files) and the
Debian packages' copyright files of the MinGW-w64 runtime. The same parts go, without their
texts, into a JSON file for the release's bill of materials.

    third-party-notices.py --qt-prefix DIR --product NAME --source-archive FILE --output FILE
                           --json FILE --qt-file DLL [--qt-file DLL ...] --runtime-file FILE [...]
"""
import argparse
import dataclasses
import json
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
import windows_runtime  # noqa: E402

RULE = "=" * 78


def section(number, title):
    return f"\n{RULE}\n{number}. {title}\n{RULE}\n"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--qt-prefix", required=True)
    parser.add_argument("--product", required=True, help='as "Seraphel 2.00"')
    parser.add_argument("--source-archive", required=True, help="the file name of the Qt source archive")
    parser.add_argument("--output", required=True)
    parser.add_argument("--json", required=True)
    parser.add_argument("--qt-file", action="append", required=True)
    parser.add_argument("--runtime-file", action="append", required=True)
    args = parser.parse_args()

    qt = windows_runtime.QtRecord(args.qt_prefix)
    components = qt.components(args.qt_file)
    packages = windows_runtime.runtime_packages(args.runtime_file)
    qt_files = ", ".join(sorted(Path(f).name for f in args.qt_file))

    out = [f"Third-party notices for {args.product} for Windows\n",
           f"""
{args.product} for Windows comes with the software of others listed below: the Qt
libraries, the third-party components compiled into them, and the MinGW-w64 runtime. Each
is licensed under its own terms, set out in full below; {args.product}'s own licence
(LICENSE.txt) does not limit the rights they give you.

Source code. The Qt libraries are licensed under the GNU Lesser General Public License,
version 3 (LGPL-3.txt, which adds to the GNU General Public License, version 3, in
GPL-3.txt). Their complete source code, the Debian source package {qt.source_package}
{qt.debian_version} exactly as the Windows build used it, with the configure options, the
toolchain file and instructions to rebuild them, is published with each release in the
archive {args.source_archive}, at the same place as the installer and listed in its
SHA256SUMS (LGPL-3.0 section 4, GPL-3.0 section 6). You may modify the Qt libraries, or put
other builds of them in place of the DLLs beside seraphel.exe, for use with {args.product}.
"""]
    out.append("\nContents\n\n")
    entries = [f"Qt {qt.version}"] + [f"{c.name} {c.version}".strip() for c in components] + \
              [f"{p.name} {p.version} (MinGW-w64 runtime)" for p in packages]
    out += [f"  {i}. {title}\n" for i, title in enumerate(entries, 1)]

    number = 1
    out.append(section(number, f"Qt {qt.version}"))
    out.append(f"""Files: {qt_files}
From: the Debian source package {qt.source_package} {qt.debian_version}
Licence: {windows_runtime.QT_LICENSE}; used here under LGPL-3.0-only (LGPL-3.txt, GPL-3.txt)

The Debian source package's copyright file, which states the copyright and licences of all
of qtbase:

{qt.debian_copyright()}""")
    for component in components:
        number += 1
        out.append(section(number, f"{component.name} {component.version}".strip()))
        lines = [("Used in", component.usage), ("Homepage", component.homepage),
                 ("Copyright", component.copyright.strip()),
                 ("Licence", component.license_id or component.license_name)]
        out += [f"{label}: {value}\n" for label, value in lines if value]
        for name, text in component.texts:
            out.append(f"\n--- {name} ---\n\n{text.rstrip()}\n")
    for package in packages:
        number += 1
        out.append(section(number, f"{package.name} {package.version} (MinGW-w64 runtime)"))
        out.append(f"Shipped, or linked into seraphel.exe and the Qt libraries: {', '.join(package.files)}\n"
                   f"The Debian package's copyright file:\n\n{package.copyright}")

    Path(args.output).write_text("".join(out), encoding="utf-8", newline="\r\n")

    parts = {
        "qt": {"version": qt.version, "sourcePackage": qt.source_package, "debianVersion": qt.debian_version,
               "license": windows_runtime.QT_LICENSE, "files": sorted(Path(f).name for f in args.qt_file)},
        "components": [{k: v for k, v in dataclasses.asdict(c).items() if k != "texts"} for c in components],
        "runtime": [{k: v for k, v in dataclasses.asdict(p).items() if k != "copyright"} for p in packages],
    }
    Path(args.json).write_text(json.dumps(parts, indent=2, ensure_ascii=False) + "\n", encoding="utf-8")


if __name__ == "__main__":
    main()
