#!/usr/bin/env python3
"""Every include in src/ points inward: app -> dialog -> ui, os -> core.

The build already keeps each layer to the headers of what it links; this check
also catches what the compiler would let through: a relative include that
climbs out of its folder, a layer path written in angle brackets, a file
outside any layer.

    check_includes.py [ROOT]     exits 1 and names each include that breaks the rule
"""
import os
import re
import sys

# Each layer and the layers its files may include, its own first.
REACHES = {
    "core": ["core"],
    "os": ["os", "core"],
    "os/posix": ["os/posix", "os", "core"],
    "os/win32": ["os/win32", "os", "core"],
    "ui": ["ui", "core"],
    "ui/qt": ["ui/qt", "ui", "core"],
    "ui/win32": ["ui/win32", "ui", "core"],
    "dialog": ["dialog", "ui", "os", "core"],
    "app": ["app", "dialog", "ui", "ui/qt", "ui/win32", "os", "os/posix", "os/win32", "core"],
}
# The Linux and the Windows program each build from one front end and one set
# of services.
APART = [("ui/qt", "ui/win32"), ("os/posix", "os/win32"), ("ui/qt", "os/win32"),
         ("ui/win32", "os/posix")]

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)
SOURCES = (".h", ".hpp", ".cpp", ".c", ".inc")


def layer_of(path):
    """The layer a path inside src/ belongs to: the longest that matches."""
    folder = os.path.dirname(path).replace(os.sep, "/")
    matches = [l for l in REACHES if folder == l or folder.startswith(l + "/")]
    return max(matches, key=len) if matches else None


def problems(root):
    src = os.path.join(root, "src")
    for folder, _, files in sorted(os.walk(src)):
        for name in sorted(files):
            if not name.endswith(SOURCES):
                continue
            path = os.path.relpath(os.path.join(folder, name), src)
            layer = layer_of(path)
            where = "src/" + path.replace(os.sep, "/")
            if layer is None:
                yield "%s: lies in no layer" % where
                continue
            with open(os.path.join(folder, name), encoding="utf-8", errors="replace") as f:
                text = f.read()
            reached = set()
            for m in INCLUDE.finditer(text):
                line = text.count("\n", 0, m.start()) + 1
                yield from judge(where, line, layer, m.group(1), m.group(2), reached)
            for a, b in APART:
                if a in reached and b in reached:
                    yield "%s: includes both %s and %s" % (where, a, b)


def judge(where, line, layer, bracket, target, reached):
    first = target.split("/")[0]
    if bracket == "<" and first not in REACHES:
        return  # a system or library header
    if ".." in target.split("/") or (bracket == '"' and first not in REACHES):
        yield '%s:%d: "%s" names no layer: write the path from src/' % (where, line, target)
        return
    if bracket == "<":
        yield '%s:%d: <%s> is one of ours: write it in quotes' % (where, line, target)
    to = layer_of(target)
    reached.add(to)
    if to not in REACHES[layer]:
        yield "%s:%d: %s includes %s, which lies outward or beside it (%s reaches %s)" % (
            where, line, layer, target, layer, ", ".join(REACHES[layer]))


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")
    found = list(problems(root))
    for p in found:
        print(p)
    if found:
        print("%d include(s) against the layer rule" % len(found))
        sys.exit(1)
    print("includes: every arrow points inward")


if __name__ == "__main__":
    main()
