#!/usr/bin/env python3
"""Records, beside a freshly built and installed Windows Qt, what a release needs to say of it.

    qt-build-record.py BUILD SOURCE PREFIX

Into PREFIX/share/seraphel/qt-build it writes:
  used-sources/<library>.txt  for every DLL installed under PREFIX, the source files (relative to
                              SOURCE) that went into it, its dependencies' included: the inputs
                              ninja knows of, and the headers each object file included
  attribution/                every qt_attribution.json of SOURCE with the licence and copyright
                              files it names, and Qt's own licence texts (LICENSES/), at their
                              places in SOURCE, and debian/copyright of the source package
  config.summary              the summary of features that configure printed
The release's notices and bill of materials are generated from these, so they follow the Qt
that ships without the source tree being kept.
"""
import json
import os
import shutil
import subprocess
import sys
from pathlib import Path


def ninja(build, *args):
    return subprocess.run(["ninja", "-C", str(build), "-t", *args], check=True, capture_output=True,
                          text=True).stdout


def object_dependencies(build):
    """Every object file's recorded dependencies (its source and the headers it included)."""
    deps, current = {}, None
    for line in ninja(build, "deps").splitlines():
        if not line.strip():
            current = None
        elif not line.startswith(" "):
            current = deps.setdefault(line.split(":", 1)[0], [])
        elif current is not None:
            current.append(line.strip())
    return deps


def within(path, folder):
    try:
        return Path(path).relative_to(folder).as_posix()
    except ValueError:
        return None


def used_sources(build, source, library, deps):
    files = set()
    for entry in ninja(build, "inputs", library).splitlines():
        files.add(entry)
        files.update(deps.get(entry, ()))
    relative = (within(os.path.realpath(build / f), source) for f in files)
    return sorted(r for r in relative if r)


def load_attribution(path):
    # Qt's attribution files repeat keys (the last one counts) and break strings over lines.
    data = json.loads(path.read_text(encoding="utf-8"), strict=False, object_pairs_hook=dict)
    return data if isinstance(data, list) else [data]


def named_files(entry):
    names = [entry.get("LicenseFile"), entry.get("CopyrightFile"), *entry.get("LicenseFiles", [])]
    return [n for n in names if n]


def copy_attribution(source, target):
    for attribution in sorted(source.rglob("qt_attribution.json")):
        folder = attribution.parent
        files = [attribution] + [(folder / n).resolve() for e in load_attribution(attribution) for n in named_files(e)]
        for file in files:
            if file.is_file():
                destination = target / file.relative_to(source)
                destination.parent.mkdir(parents=True, exist_ok=True)
                shutil.copyfile(file, destination)
    shutil.copytree(source / "LICENSES", target / "LICENSES", dirs_exist_ok=True)
    (target / "debian").mkdir(exist_ok=True)
    shutil.copyfile(source / "debian" / "copyright", target / "debian" / "copyright")


def main(build, source, prefix):
    build, source, prefix = Path(build).resolve(), Path(source).resolve(), Path(prefix).resolve()
    record = prefix / "share" / "seraphel" / "qt-build"
    shutil.rmtree(record, ignore_errors=True)
    deps = object_dependencies(build)
    libraries = sorted(p.relative_to(prefix).as_posix() for p in prefix.rglob("*.dll"))
    if not libraries:
        sys.exit(f"{sys.argv[0]}: no DLL under {prefix}")
    for library in libraries:
        files = used_sources(build, source, library, deps)
        if not files:
            sys.exit(f"{sys.argv[0]}: ninja knows no sources of {library}")
        listing = record / "used-sources" / f"{library}.txt"
        listing.parent.mkdir(parents=True, exist_ok=True)
        listing.write_text("".join(f + "\n" for f in files), encoding="utf-8")
    copy_attribution(source, record / "attribution")
    shutil.copyfile(build / "config.summary", record / "config.summary")


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
