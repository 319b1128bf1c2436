#!/usr/bin/env python3
"""The Debian packages the README's table of desktop libraries names for one
system, one per line: the README is the one list the release promises and
tools/check_minimal_root.sh installs. With --libraries, the library files
of its first column, which the packages stage compares with what the
release's files need.

    desktop_packages.py SUITE [README]     SUITE as in a column's header: bookworm, trixie
    desktop_packages.py --libraries [README]
"""
import re
import sys

HEADER = "the release needs"


def table_rows(lines):
    """The rows of the table whose first header cell is HEADER, as cells."""
    rows = []
    for line in lines:
        cells = [c.strip() for c in line.strip().strip("|").split("|")]
        if not rows and line.startswith("|") and cells[0] == HEADER:
            rows.append(cells)
        elif rows and line.startswith("|"):
            if not set(line) <= set("|-: \n"):
                rows.append(cells)
        elif rows:
            break
    return rows


def table(readme: str) -> list[list[str]]:
    rows = table_rows(readme.splitlines())
    if not rows:
        raise ValueError(f"the README has no table headed '{HEADER}'")
    return rows


def libraries(readme: str) -> list[str]:
    return [name for row in table(readme)[1:]
            for name in re.findall(r"`((?:lib|ld-)[^`]*[.]so[.][0-9]+)`", row[0])]


def packages(readme: str, suite: str) -> list[str]:
    rows = table(readme)
    columns = [i for i, cell in enumerate(rows[0]) if f"({suite})" in cell]
    if not columns:
        raise ValueError(f"the README's table has no column for ({suite}): {rows[0][1:]}")
    names = []
    for row in rows[1:]:
        found = re.findall(r"`([a-z0-9][a-z0-9.+-]*)`", row[columns[0]])
        if not found:
            raise ValueError(f"no package for {suite} in the row '{row[0]}'")
        names += [n for n in found if n not in names]
    return names


def main() -> int:
    if len(sys.argv) not in (2, 3):
        print(__doc__.strip(), file=sys.stderr)
        return 2
    with open(sys.argv[2] if len(sys.argv) == 3 else "README.md", encoding="utf-8") as f:
        text = f.read()
    try:
        names = libraries(text) if sys.argv[1] == "--libraries" else packages(text, sys.argv[1])
        print("\n".join(names))
    except ValueError as error:
        print(f"desktop_packages.py: {error}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
