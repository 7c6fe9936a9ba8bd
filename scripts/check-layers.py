#!/usr/bin/env python3
"""Fails when a source file includes a header of a layer it must not see.

The layers, from the bottom: the engine (engine/) sees only itself; the platform services
(app/platform/) see only themselves; the windows (ui/) see themselves, the platform and the
engine; start-up (app/) sees everything. An include names its header by a path relative to the
including file or by a name that the include folders find: both are resolved here, so
"../app/Startup.h" counts as much as "Startup.h". A generated header that is in no layer's
folder (BuildInfo.h, the engine's embedded texts) is its own folder's.

Usage: check-layers.py [project root]; prints each crossing and exits 1 if there is any.
"""
import re
import sys
from pathlib import Path

LAYERS = {  # folder: the layers its files may include
    "engine": {"engine"},
    "app/platform": {"app/platform"},
    "ui": {"ui", "app/platform", "engine"},
    "app": {"app", "app/platform", "ui", "engine"},
}
SOURCE_SUFFIXES = {".h", ".hpp", ".cpp", ".in"}
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.MULTILINE)


def layer_of(path, root):
    """The innermost layer folder holding path, or None outside every layer."""
    relative = path.relative_to(root).as_posix()
    matches = [folder for folder in LAYERS if relative.startswith(folder + "/")]
    return max(matches, key=len) if matches else None


def headers_named(name, headers):
    """The project's headers that an include of name can mean through an include folder."""
    wanted = Path(name).parts
    return [header for header in headers if header.parts[-len(wanted):] == wanted]


def crossings(root):
    sources = [path for folder in LAYERS for path in (root / folder).glob("*")
               if path.is_file() and path.suffix in SOURCE_SUFFIXES]
    headers = [path.resolve() for folder in LAYERS for path in (root / folder).rglob("*")
               if path.is_file() and path.suffix in SOURCE_SUFFIXES - {".cpp"}]
    for source in sorted(set(sources)):
        layer = layer_of(source, root)
        text = source.read_text(encoding="utf-8", errors="replace")
        for name in INCLUDE.findall(text):
            beside = (source.parent / name).resolve()
            if beside.is_file():
                meant = [beside]
            else:
                meant = headers_named(name, headers)
            seen = {layer_of(header, root) if header.is_relative_to(root) else None for header in meant}
            forbidden = sorted(str(other) for other in seen - LAYERS[layer])
            if forbidden:
                yield f"{source.relative_to(root)}: #include \"{name}\" reaches {', '.join(forbidden)}"


def main():
    root = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent).resolve()
    found = list(crossings(root))
    for line in found:
        print(line)
    print(f"{len(found)} include(s) crossing a layer the wrong way")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
