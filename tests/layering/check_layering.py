#!/usr/bin/env python3
"""Checks the program's layers from the build's manifest (one line a library: name|folder|closure).

1. No core library (every library but the ui/ ones and `cvi_widgets`) links Qt Widgets or Qt
   PrintSupport, directly or through anything it links.
2. Every project header a library's sources include belongs to the library itself or to a library
   of its link closure: a core never reaches a window, a window never reaches a library it does not
   link.
Prints each breach on a line of its own and exits 1 when there is any.
"""
import os
import re
import sys

WIDGET_TARGETS = {"Qt6::Widgets", "Qt6::PrintSupport"}
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.M)


def read_manifest(path):
    libraries = {}
    with open(path, encoding="utf-8") as manifest:
        for line in manifest:
            fields = line.rstrip("\n").split("|")
            if len(fields) >= 2 and fields[0]:
                libraries[fields[0]] = (os.path.normpath(fields[1]), set(filter(None, fields[2:])))
    return libraries


def is_core(name):
    return not name.endswith("_ui") and name != "cvi_widgets"


def main(manifest_path, source_root):
    libraries = read_manifest(manifest_path)
    owner = {folder: name for name, (folder, _) in libraries.items()}
    breaches = []
    for name, (folder, closure) in sorted(libraries.items()):
        if is_core(name):
            for widget in sorted(closure & WIDGET_TARGETS):
                breaches.append(f"{name}: a core library links {widget}")
        for unit in sorted(os.listdir(folder)):
            if not unit.endswith((".h", ".cpp")):
                continue
            with open(os.path.join(folder, unit), encoding="utf-8") as source:
                text = source.read()
            for header in INCLUDE.findall(text):
                path = os.path.normpath(os.path.join(source_root, header))
                if not os.path.isfile(path):
                    continue  # generated, or not the program's
                included_from = owner.get(os.path.dirname(path))
                if included_from and included_from != name and included_from not in closure:
                    breaches.append(f"{os.path.relpath(os.path.join(folder, unit), source_root)}: "
                                    f"includes {header} of {included_from}, which {name} does not link")
    for breach in breaches:
        print(breach)
    print(f"{len(libraries)} libraries, {len(breaches)} breaches")
    return 1 if breaches else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
