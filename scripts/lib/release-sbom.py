#!/usr/bin/env python3
"""Writes the release's bill of materials, a CycloneDX 1.6 JSON document, from the release itself:
Seraphel and its version; each artefact (the Debian package, the Windows installer, the portable
archive) with every file it ships and their SHA-256; the Qt modules and plugins with their
version and licence; the third-party components compiled into them and the MinGW-w64 runtime's
Debian packages, as the Windows build found them (its third-party.json); and the Debian
package's dependencies with their version constraints. The same release gives the same bytes:
the time is SOURCE_DATE_EPOCH's and the serial number is derived from the content.

    release-sbom.py write --dist DIR --installer-files DIR --windows-parts JSON --developer NAME
                          --homepage URL --output FILE
    release-sbom.py refresh --dist DIR --output FILE

refresh takes the artefacts' hashes anew after signing, which changes the installer and the
portable archive's seraphel.exe but no file that the installer installs.
"""
import argparse
import datetime
import hashlib
import io
import json
import os
import re
import subprocess
import sys
import tarfile
import uuid
import zipfile
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
import windows_runtime  # noqa: E402

# Debian's relations as the "vers" notation writes them.
VERS_OPERATORS = {">=": ">=", "<=": "<=", ">>": ">", "<<": "<", "=": "="}


def sha256(data):
    return [{"alg": "SHA-256", "content": hashlib.sha256(data).hexdigest()}]


def file_component(prefix, name, data):
    return {"type": "file", "bom-ref": f"{prefix}:{name}", "name": name, "hashes": sha256(data)}


def artefact(path, files):
    """The artefact with the files it ships, each a (name, bytes) pair."""
    name = path.name
    return {"type": "file", "bom-ref": f"artefact:{name}", "name": name, "hashes": sha256(path.read_bytes()),
            "components": [file_component(name, n, d) for n, d in sorted(files)]}


def deb_files(deb):
    tree = subprocess.run(["dpkg-deb", "--fsys-tarfile", str(deb)], check=True, capture_output=True).stdout
    with tarfile.open(fileobj=io.BytesIO(tree)) as archive:
        return [(m.name.removeprefix("./"), archive.extractfile(m).read()) for m in archive if m.isfile()]


def zip_files(archive):
    with zipfile.ZipFile(archive) as z:
        return [(i.filename, z.read(i)) for i in z.infolist() if not i.is_dir()]


def folder_files(folder):
    return [(p.relative_to(folder).as_posix(), p.read_bytes()) for p in folder.rglob("*") if p.is_file()]


def licences(license_id, license_name):
    expression = windows_runtime.spdx_expression(license_id) if license_id else None
    if expression:
        return [{"expression": expression}]
    name = license_name or license_id
    return [{"license": {"name": name}}] if name else []


def deb_relations(deb, field, scope):
    """The package's relations in one control field, as components that it does not ship. CycloneDX
    1.6 has no field for a version constraint: it goes into a property, in the vers notation."""
    value = subprocess.run(["dpkg-deb", "-f", str(deb), field], check=True, capture_output=True,
                           text=True).stdout.strip()
    components = []
    for relation in filter(None, (r.strip() for r in value.split(","))):
        # "a | b" offers a choice; each alternative is listed with its own constraint.
        for alternative in relation.split("|"):
            match = re.fullmatch(r"\s*([^\s(]+)\s*(?:\(\s*(>=|<=|>>|<<|=)\s*([^)\s]+)\s*\))?\s*", alternative)
            name, operator, version = match.groups()
            constraint = f"{VERS_OPERATORS[operator]}{version}" if operator else "*"
            components.append({
                "type": "library", "bom-ref": f"debian:{name}", "name": name, "scope": scope,
                "description": f"{field} of the Debian package, from the user's Debian: {alternative.strip()}",
                "purl": f"pkg:deb/debian/{name}?arch=amd64",
                "properties": [{"name": "seraphel:debian:relation", "value": field},
                               {"name": "seraphel:version-range", "value": f"vers:deb/{constraint}"}],
            })
    return components


def write(args):
    dist = Path(args.dist)
    deb, installer, portable = artefacts(dist)
    parts = json.loads(Path(args.windows_parts).read_text(encoding="utf-8"))
    version = subprocess.run(["dpkg-deb", "-f", str(deb), "Version"], check=True, capture_output=True,
                             text=True).stdout.strip()
    qt = parts["qt"]

    components = [artefact(deb, deb_files(deb)), artefact(installer, folder_files(Path(args.installer_files))),
                  artefact(portable, zip_files(portable))]
    qt_purl = f"pkg:deb/debian/{qt['sourcePackage']}@{qt['debianVersion'].replace('+', '%2B')}?arch=source"
    qt_parts = []
    for file in qt["files"]:
        qt_parts.append({"type": "library", "bom-ref": f"qt:{file}", "group": "Qt", "name": Path(file).stem,
                         "version": qt["version"], "description": f"{file}, built for Windows",
                         "licenses": [{"expression": qt["license"]}], "purl": qt_purl})
    for part in parts["components"]:
        component = {"type": "library", "bom-ref": f"qt-bundled:{part['id']}", "name": part["name"]}
        if part["version"]:
            component["version"] = part["version"]
        component["description"] = part["usage"] or "compiled into the Qt libraries"
        component["licenses"] = licences(part["license_id"], part["license_name"])
        if part["copyright"]:
            component["copyright"] = part["copyright"]
        if part["homepage"]:
            component["externalReferences"] = [{"type": "website", "url": part["homepage"]}]
        qt_parts.append(component)
    # The Qt that ships, from one source package: its modules and plugins, and the third-party
    # components compiled into them.
    components.append({"type": "framework", "bom-ref": "qt", "name": "Qt", "version": qt["version"],
                       "description": f"built for Windows from the Debian source package {qt['sourcePackage']} "
                       f"{qt['debianVersion']}", "licenses": [{"expression": qt["license"]}], "purl": qt_purl,
                       "components": qt_parts})
    runtime_refs = []
    for package in parts["runtime"]:
        ref = f"mingw-w64:{package['name']}"
        runtime_refs.append(ref)
        components.append({"type": "library", "bom-ref": ref, "group": "MinGW-w64", "name": package["name"],
                           "version": package["version"], "description": "shipped or linked in: "
                           + ", ".join(package["files"]),
                           "purl": f"pkg:deb/debian/{package['name']}@{package['version'].replace('+', '%2B')}"})
    debian = deb_relations(deb, "Depends", "required") + deb_relations(deb, "Recommends", "optional")
    components += debian

    epoch = int(os.environ["SOURCE_DATE_EPOCH"])
    timestamp = datetime.datetime.fromtimestamp(epoch, datetime.timezone.utc).strftime("%Y-%m-%dT%H:%M:%SZ")
    bom = {
        "bomFormat": "CycloneDX",
        "specVersion": "1.6",
        "version": 1,
        "metadata": {
            "timestamp": timestamp,
            "component": {"type": "application", "bom-ref": "seraphel", "name": "Seraphel", "version": version,
                          "supplier": {"name": args.developer, "url": [args.homepage]},
                          "licenses": [{"expression": "LicenseRef-proprietary"}]},
        },
        "components": components,
        "dependencies": [
            {"ref": "seraphel", "dependsOn": sorted(["qt", *runtime_refs, *(c["bom-ref"] for c in debian)])},
        ],
    }
    save(bom, args.output)


def refresh(args):
    dist = Path(args.dist)
    bom = json.loads(Path(args.output).read_text(encoding="utf-8"))
    deb, installer, portable = artefacts(dist)
    by_name = {c["name"]: c for c in bom["components"] if c["bom-ref"].startswith("artefact:")}
    for path in (deb, installer):
        by_name[path.name]["hashes"] = sha256(path.read_bytes())
    by_name[portable.name].update(artefact(portable, zip_files(portable)))
    save(bom, args.output)


def artefacts(dist):
    return (next(dist.glob("seraphel_*.deb")), next(dist.glob("Seraphel-*-windows-x64.exe")),
            next(dist.glob("Seraphel-*-windows-x64.zip")))


def save(bom, output):
    """Writes the document with a serial number derived from the rest of it."""
    bom.pop("serialNumber", None)
    content = json.dumps(bom, sort_keys=True).encode()
    bom["serialNumber"] = f"urn:uuid:{uuid.uuid5(uuid.NAMESPACE_URL, hashlib.sha256(content).hexdigest())}"
    order = ("bomFormat", "specVersion", "serialNumber", "version", "metadata", "components", "dependencies")
    Path(output).write_text(json.dumps({key: bom[key] for key in order}, indent=2, ensure_ascii=False) + "\n",
                            encoding="utf-8")


def main():
    parser = argparse.ArgumentParser()
    commands = parser.add_subparsers(dest="command", required=True)
    writing = commands.add_parser("write")
    for option in ("--dist", "--installer-files", "--windows-parts", "--developer", "--homepage", "--output"):
        writing.add_argument(option, required=True)
    refreshing = commands.add_parser("refresh")
    for option in ("--dist", "--output"):
        refreshing.add_argument(option, required=True)
    args = parser.parse_args()
    (write if args.command == "write" else refresh)(args)


if __name__ == "__main__":
    main()
