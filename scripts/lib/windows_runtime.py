"""What the Windows release ships besides Seraphel's own code, read from data: the Windows Qt's
build record (scripts/lib/qt-build-record.py) and the Debian packages of the MinGW-w64 runtime.
Shared by the third-party notices and the bill of materials, so that both name the same parts.
"""
import json
import re
import subprocess
from dataclasses import dataclass, field
from pathlib import Path, PurePosixPath

RECORD = PurePosixPath("share/seraphel/qt-build")

# Attribution entries whose data Qt's build generated into a file elsewhere in the source: such
# a component ships when that file went into a shipped library.
GENERATED_INTO = {
    "webgradients": ["src/gui/painting/webgradients.cpp"],
}

# The licence under which the Qt modules are used here, as their sources' SPDX headers offer it
# ("LicenseRef-Qt-Commercial OR LGPL-3.0-only OR GPL-2.0-only OR GPL-3.0-only").
QT_LICENSE = "LGPL-3.0-only OR GPL-2.0-only OR GPL-3.0-only"

_SPDX_TOKEN = re.compile(r"^[A-Za-z0-9][A-Za-z0-9.+-]*$")


@dataclass
class Component:
    """A third-party component compiled into the shipped Qt files."""
    id: str
    name: str
    version: str
    license_id: str
    license_name: str
    copyright: str
    homepage: str
    usage: str
    texts: list = field(default_factory=list)  # (file name, text) of its licence and copyright files


@dataclass
class RuntimePackage:
    """A Debian package that the shipped MinGW-w64 runtime comes from."""
    name: str
    version: str
    files: list  # the shipped or linked-in files that come from it, by name
    copyright: str


class QtRecord:
    def __init__(self, prefix):
        self.prefix = Path(prefix)
        self.root = self.prefix / RECORD
        if not (self.root / "used-sources").is_dir():
            raise SystemExit(f"the Windows Qt in {self.prefix} carries no build record; "
                             "build it anew with scripts/windows-qt.sh")
        dsc = next((self.root / "source").glob("*.dsc"))
        self.source_package = dsc.name.split("_")[0]
        self.debian_version = re.search(r"^Version: (\S+)$", dsc.read_text(encoding="utf-8"), re.M).group(1)
        self.version = self.debian_version.split("+")[0].split("-")[0]

    def relative(self, path):
        return PurePosixPath(Path(path).resolve().relative_to(self.prefix.resolve()).as_posix())

    def used_sources(self, shipped):
        used = set()
        for path in shipped:
            listing = self.root / "used-sources" / f"{self.relative(path)}.txt"
            used.update(listing.read_text(encoding="utf-8").split())
        return used

    def debian_copyright(self):
        return (self.root / "attribution" / "debian" / "copyright").read_text(encoding="utf-8")

    def components(self, shipped):
        """The attribution entries of every component that went into the shipped files, by name."""
        used = self.used_sources(shipped)
        attribution = self.root / "attribution"
        found = []
        for file in sorted(attribution.rglob("qt_attribution.json")):
            folder = file.parent.relative_to(attribution)
            for entry in _load_attribution(file):
                if _ships(entry, PurePosixPath(folder.as_posix()), used):
                    found.append(_component(entry, file.parent))
        return sorted(found, key=lambda c: c.name.lower())


def _load_attribution(path):
    # Qt's attribution files repeat keys (the last one counts) and break strings over lines.
    data = json.loads(path.read_text(encoding="utf-8"), strict=False, object_pairs_hook=dict)
    return data if isinstance(data, list) else [data]


def _ships(entry, folder, used):
    generated = GENERATED_INTO.get(entry.get("Id"))
    if generated:
        return any(f in used for f in generated)
    if "Path" in entry:
        scope = str(folder / entry["Path"])
        return any(f == scope or f.startswith(scope + "/") for f in used)
    if "Files" in entry:
        return any(str(folder / name) in used for name in re.split(r"[\s,]+", entry["Files"]) if name)
    return any(f.startswith(str(folder) + "/") for f in used)


def _component(entry, folder):
    names = [entry.get("LicenseFile"), *entry.get("LicenseFiles", []), entry.get("CopyrightFile")]
    texts = []
    for name in filter(None, names):
        path = (folder / name).resolve()
        texts.append((PurePosixPath(name).name, path.read_text(encoding="utf-8", errors="replace")))
    return Component(id=entry["Id"], name=entry["Name"], version=entry.get("Version", ""),
                     license_id=entry.get("LicenseId", ""), license_name=entry.get("License", ""),
                     copyright=entry.get("Copyright", ""), homepage=entry.get("Homepage", ""),
                     usage=entry.get("QtUsage", ""), texts=texts)


def spdx_expression(license_id):
    """The licence id as an SPDX expression, or None where it is no such expression."""
    expression = re.sub(r"\s+(and|or|with)\s+", lambda m: f" {m.group(1).upper()} ", license_id.strip())
    # Licence ids with an operator between each two: "ICC License" is a name, not two ids.
    tokens = expression.replace("(", " ").replace(")", " ").split()
    ids, operators = tokens[::2], tokens[1::2]
    valid = len(tokens) % 2 == 1 and all(_SPDX_TOKEN.match(t) and t not in ("AND", "OR", "WITH") for t in ids) \
        and all(o in ("AND", "OR", "WITH") for o in operators)
    return expression if valid else None


def runtime_packages(files):
    """The Debian packages the given runtime files come from, with their versions and copyright."""
    by_package = {}
    for file in files:
        owner = subprocess.run(["dpkg-query", "-S", str(Path(file).resolve())], check=True,
                               capture_output=True, text=True).stdout.split(":", 1)[0]
        by_package.setdefault(owner, []).append(Path(file).name)
    packages = []
    for name, owned in sorted(by_package.items()):
        version = subprocess.run(["dpkg-query", "-W", "-f=${Version}", name], check=True, capture_output=True,
                                 text=True).stdout
        copyright = Path("/usr/share/doc", name, "copyright").read_text(encoding="utf-8")
        packages.append(RuntimePackage(name, version, sorted(owned), copyright))
    return packages
