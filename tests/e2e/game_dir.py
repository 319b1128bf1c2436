"""A game directory on disk for the launcher: the program directory with the
launcher, its INI files and the two stand-in programs, and beside it the data
directory with its parking directory."""

import os
import shutil
import stat
import time
from dataclasses import dataclass, field


@dataclass
class Mod:
    file_name: str
    title: str
    version: str = ""
    authors: str = ""
    webpage: str = ""
    description: str | None = None
    vdf: str = ""
    icon: int = 0

    def ini_text(self) -> str:
        lines = ["; written by the end-to-end test", "[info]", f"title={self.title}"]
        for key in ("version", "authors", "webpage"):
            if getattr(self, key):
                lines.append(f"{key}={getattr(self, key)}")
        if self.description is not None:
            lines.append(f"description={self.description}")
        lines.append(f"vdf={self.vdf}")
        lines.append(f"icon={self.icon}")
        return "\r\n".join(lines) + "\r\n"

    def archives(self) -> list[str]:
        return [name for name in self.vdf.split(" ") if len(name) >= 2]

    def description_text(self) -> str:
        """The panel text for this record, line breaks as CR LF."""
        text = f"title: {self.title}" if self.title else ""
        for key in ("version", "authors", "webpage"):
            if getattr(self, key):
                text += f"\r\n{key}: {getattr(self, key)}"
        description = "no description available" if self.description is None else self.description
        return text + "\r\n\r\n" + description


@dataclass
class Call:
    """One start of a stand-in program, as it recorded itself."""
    working_directory: str
    program: str
    arguments: list[str]


STAND_IN = """#!/bin/sh
# Stand-in for {name}: records its working directory and arguments, then ends.
out='{calls}'/$(date +%s%N)-$$
printf '%s\\0' "$(pwd)" "$0" "$@" > "$out.tmp"
mv "$out.tmp" "$out.call"
"""


@dataclass
class GameDir:
    root: str
    mods: list[Mod]
    data_files: dict[str, str] = field(default_factory=dict)
    parked_files: dict[str, str] = field(default_factory=dict)

    @property
    def bin(self) -> str:
        return os.path.join(self.root, "bin")

    @property
    def data(self) -> str:
        return os.path.join(self.root, "data")

    @property
    def parking(self) -> str:
        return os.path.join(self.root, "data", "modvdf")

    @property
    def calls(self) -> str:
        return os.path.join(self.root, "calls")

    def lay_out(self, launcher: str, extra_files: dict[str, str]) -> str:
        for directory in (self.bin, self.parking, self.calls):
            os.makedirs(directory, exist_ok=True)
        copy = os.path.join(self.bin, "VornakStarter")
        shutil.copy2(launcher, copy)
        # An unpacked release brings its libraries in a folder beside the program.
        libraries = os.path.join(os.path.dirname(launcher), "VornakStarter-libs")
        if os.path.isdir(libraries):
            shutil.copytree(libraries, os.path.join(self.bin, "VornakStarter-libs"), symlinks=True)
        for mod in self.mods:
            write(os.path.join(self.bin, mod.file_name), mod.ini_text())
        for name, text in extra_files.items():
            write(os.path.join(self.bin, name), text)
        for program in ("vornakmod.exe", "morlex.exe"):
            path = os.path.join(self.bin, program)
            write(path, STAND_IN.format(name=program, calls=self.calls))
            os.chmod(path, os.stat(path).st_mode | stat.S_IXUSR | stat.S_IXGRP | stat.S_IXOTH)
        for name, text in self.data_files.items():
            write(os.path.join(self.data, name), text)
        for name, text in self.parked_files.items():
            write(os.path.join(self.parking, name), text)
        return copy

    def listed_order(self) -> list[Mod]:
        """The valid mods in the order the launcher lists them: a Windows
        folder's order, ASCII letters as upper case, then byte order."""
        by_name = {mod.file_name: mod for mod in self.mods}
        names = sorted(os.listdir(self.bin), key=lambda n: (n.encode().upper(), n.encode()))
        return [by_name[name] for name in names if name in by_name]

    def recorded_calls(self) -> list[Call]:
        names = sorted(n for n in os.listdir(self.calls) if n.endswith(".call"))
        calls = []
        for name in names:
            with open(os.path.join(self.calls, name), "rb") as f:
                parts = f.read().split(b"\0")[:-1]
            text = [p.decode("utf-8", "replace") for p in parts]
            calls.append(Call(text[0], text[1], text[2:]))
        return calls

    def wait_for_calls(self, count: int, timeout: float = 10.0) -> list[Call]:
        deadline = time.monotonic() + timeout
        while True:
            calls = self.recorded_calls()
            if len(calls) >= count or time.monotonic() > deadline:
                return calls
            time.sleep(0.05)

    def contents(self, directory: str) -> dict[str, str]:
        """Every regular file of a directory (not below it) with its text."""
        result = {}
        for name in os.listdir(directory):
            path = os.path.join(directory, name)
            if os.path.isfile(path):
                with open(path, encoding="utf-8") as f:
                    result[name] = f.read()
        return result


def write(path: str, text: str) -> None:
    with open(path, "w", encoding="utf-8", newline="") as f:
        f.write(text)
