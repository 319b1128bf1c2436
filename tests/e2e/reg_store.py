"""Reads the launcher's per-user store: REGEDIT4 text with "name"=hex:.. lines."""

import re

_VALUE = re.compile(r'^"((?:[^"\\]|\\.)*)"=(.*)$')


def logical_lines(text: str) -> list[str]:
    """Lines with their "\\" continuations joined."""
    lines, pending = [], ""
    for raw in text.splitlines():
        line = raw.strip() if pending else raw.rstrip()
        if line.endswith("\\"):
            pending += line[:-1]
            continue
        lines.append(pending + line)
        pending = ""
    if pending:
        lines.append(pending)
    return lines


def parse(text: str) -> tuple[list[str], dict[str, bytes]]:
    """The key headers and the binary values of a store file.

    Raises ValueError for a value that is not REG_BINARY ("hex:") or whose
    bytes do not parse, so that a damaged store fails the test loudly."""
    lines = logical_lines(text)
    if not lines or lines[0].strip() != "REGEDIT4":
        raise ValueError("store does not start with REGEDIT4")
    keys, values = [], {}
    for line in lines[1:]:
        if not line.strip():
            continue
        if line.startswith("[") and line.endswith("]"):
            keys.append(line[1:-1])
            continue
        match = _VALUE.match(line)
        if not match:
            raise ValueError(f"unexpected store line: {line!r}")
        name = re.sub(r"\\(.)", r"\1", match.group(1))
        data = match.group(2)
        if not data.startswith("hex:"):
            raise ValueError(f"value {name!r} is not binary: {data!r}")
        digits = data[4:].replace(" ", "")
        values[name] = bytes(int(b, 16) for b in digits.split(",")) if digits else b""
    return keys, values


def int32(value: int) -> bytes:
    return value.to_bytes(4, "little", signed=True)
