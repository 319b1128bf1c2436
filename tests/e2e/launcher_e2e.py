#!/usr/bin/env python3
"""The real Linux launcher as a person uses it: under a private X server, with
a game directory of its own, driven only through keyboard and mouse. Checks
what a person can check from outside: the programs started with their
arguments, the archives in both directories, the store file, the description
as it can be selected on screen. Screenshots of each step are kept."""

import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import time

from checks import Checks
from game_dir import GameDir, Mod
from reg_store import int32, parse
from x_session import DialogUnits, Desktop, XServer

CAPTION = "VornakStarter v1.13"
DIALOG_DU = (315, 265)
# Control rectangles of the main dialog in dialog units (x, y, width, height).
RECT = {
    "modList": (0, 40, 112, 132),
    "noMusicCheck": (208, 42, 44, 10),
    "noSoundCheck": (208, 54, 44, 10),
    "windowCheck": (208, 66, 65, 10),
    "startButton": (116, 40, 88, 36),
    "exitButton": (276, 40, 36, 16),
    "descriptionEdit": (116, 80, 196, 92),
    "parametersEdit": (116, 178, 196, 13),
}
STORE_NAMES = {"nomusic", "nosound", "windowed", "startapp", "modgame", "parameters",
               "spylevel", "physicalfirst"}

MODS = [
    Mod("vornakgame.ini", "Vornak", version="1.13", description="The game itself, no mods.",
        icon=5),
    Mod("alpha.ini", "Alpha Campaign", version="0.9", authors="Ann Example",
        description="Two archives, both parked at first.", vdf="alpha1.mod alpha2.mod", icon=3),
    Mod("beta.ini", "Beta Ar\u00e8ne", version="2.0", webpage="none",
        description="Its archive already lies in the data directory.", vdf="beta.mod", icon=2),
    Mod("gamma.ini", "Gamma", vdf="gamma.mod", icon=40),
]
DATA_FILES = {"beta.mod": "archive beta", "core.vdf": "the game's own data",
              "notes.txt": "not an archive"}
PARKED_FILES = {"alpha1.mod": "archive alpha 1", "alpha2.mod": "archive alpha 2",
                "gamma.mod": "archive gamma", "spare.mod": "nobody's archive"}
EXTRA_INI = {"broken.ini": "[info]\r\ntitle=Only a title\r\n"}


class Session:
    """One game directory, one X server, the launcher runs in them."""

    def __init__(self, launcher: str, artifacts: str, checks: Checks, preload: str | None = None):
        self.checks = checks
        self.preload = preload
        self.artifacts = artifacts
        self.tmp = tempfile.mkdtemp(prefix="vs-e2e-")
        self.game = GameDir(os.path.join(self.tmp, "game"), MODS, dict(DATA_FILES),
                            dict(PARKED_FILES))
        self.launcher = self.game.lay_out(launcher, EXTRA_INI)
        self.order = self.game.listed_order()
        assert len(self.order) == len(MODS), "the game directory lacks a mod file"
        self.config = os.path.join(self.tmp, "config")
        self.runtime = os.path.join(self.tmp, "runtime")
        os.makedirs(self.runtime, mode=0o700)
        self.store = os.path.join(self.config, "KARNOW-STUDIO Software GmbH", "VornakStarter.reg")
        self.archives = {**DATA_FILES, **PARKED_FILES}
        self.archives = {n: t for n, t in self.archives.items() if n.endswith(".mod")}
        self.server = XServer()
        self.desktop = Desktop(self.server)
        self.shot = 0
        self.process = None

    def close(self, keep: bool) -> None:
        if self.process and self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        self.server.stop()
        if not keep:
            shutil.rmtree(self.tmp, ignore_errors=True)

    def screenshot(self, step: str) -> None:
        self.shot += 1
        path = os.path.join(self.artifacts, f"{self.shot:02d}-{step}.png")
        try:
            self.desktop.screenshot(path)
        except (RuntimeError, subprocess.TimeoutExpired) as error:
            print(f"     (no screenshot {path}: {error})")

    # The launcher

    def start(self, run: str, cwd: str, lang: str = "C.UTF-8") -> DialogUnits | None:
        env = self.server.env()
        env.pop("LC_ALL", None)
        env.pop("LC_CTYPE", None)
        env.update(XDG_CONFIG_HOME=self.config, XDG_RUNTIME_DIR=self.runtime,
                   HOME=self.tmp, QT_QPA_PLATFORM="xcb", LANG=lang)
        if self.preload:
            env["LD_PRELOAD"] = self.preload
        log = open(os.path.join(self.artifacts, f"launcher-{run}.log"), "wb")
        self.process = subprocess.Popen([self.launcher], cwd=cwd, env=env, stdout=log,
                                        stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL)
        log.close()
        self.window = self.desktop.find_window(CAPTION)
        if not self.checks.true(f"{run}: a window named {CAPTION!r} is shown",
                                self.window is not None):
            self.screenshot(f"{run}-no-window")
            return None
        time.sleep(0.5)  # let the first paint settle before looking
        self.desktop.focus(self.window)
        return DialogUnits(self.desktop.geometry(self.window), *DIALOG_DU)

    def wait_exit(self, run: str) -> None:
        try:
            code = self.process.wait(10)
            self.checks.equal(f"{run}: the launcher ends, with exit code", code, 0)
        except subprocess.TimeoutExpired:
            self.checks.true(f"{run}: the launcher ends", False, "still running after 10 s")
            self.process.kill()
            self.process.wait()

    # What a person sees and checks

    def click_item(self, du: DialogUnits, index: int) -> None:
        """Clicks the index-th row of the list: rows are the 24-pixel images high."""
        x, y = du.point(RECT["modList"][0], RECT["modList"][1], 30, 3 + 24 * index + 12)
        self.desktop.click(x, y)

    def click_check(self, du: DialogUnits, name: str) -> None:
        x, y, _, h = RECT[name]
        self.desktop.click(*du.point(x + 4, y + h / 2))

    def check_description(self, du: DialogUnits, what: str, mod: Mod) -> None:
        x, y, w, h = RECT["descriptionEdit"]
        start = du.point(x, y, 4, 4)
        end = du.point(x + w, y + h, -24, -6)
        self.desktop.drag(*start, *end)
        expected = mod.description_text().replace("\r\n", "\n")
        deadline = time.monotonic() + 5
        while True:  # the program may still be busy with the drag
            shown = self.desktop.primary_selection().replace("\r\n", "\n")
            if shown == expected or time.monotonic() > deadline:
                break
            time.sleep(0.2)
        self.checks.equal(f"{what}: the description of {mod.file_name} is shown", shown, expected)

    def check_start(self, what: str, calls_before: int, program: str, arguments: list[str],
                    mod: Mod) -> None:
        calls = self.game.wait_for_calls(calls_before + 1)
        if not self.checks.equal(f"{what}: programs started", len(calls), calls_before + 1):
            return
        call = calls[-1]
        self.checks.equal(f"{what}: program", os.path.basename(call.program), program)
        self.checks.equal(f"{what}: arguments", call.arguments, arguments)
        self.checks.equal(f"{what}: its working directory",
                          os.path.realpath(call.working_directory), os.path.realpath(self.game.bin))
        self.check_placement(what, mod)

    def check_placement(self, what: str, mod: Mod) -> None:
        data = self.game.contents(self.game.data)
        parked = self.game.contents(self.game.parking)
        wanted = {n for n in self.archives if n in mod.archives()}
        self.checks.equal(f"{what}: archives in ../data/",
                          sorted(n for n in data if n.endswith(".mod")), sorted(wanted))
        self.checks.equal(f"{what}: archives in ../data/modvdf/", sorted(parked),
                          sorted(set(self.archives) - wanted))
        others = {n: t for n, t in DATA_FILES.items() if not n.endswith(".mod")}
        self.checks.equal(f"{what}: other files of ../data/ untouched",
                          {n: t for n, t in data.items() if not n.endswith(".mod")}, others)
        merged = {**{n: t for n, t in data.items() if n.endswith(".mod")}, **parked}
        self.checks.equal(f"{what}: every archive kept whole", merged, self.archives)

    def read_store(self, what: str) -> dict[str, bytes]:
        if not self.checks.true(f"{what}: the store file exists", os.path.isfile(self.store),
                                self.store):
            return {}
        with open(self.store, encoding="utf-8", errors="replace") as f:
            text = f.read()
        shutil.copy(self.store, os.path.join(self.artifacts, f"store-{what}.reg"))
        try:
            keys, values = parse(text)
        except ValueError as error:
            self.checks.true(f"{what}: the store file is REGEDIT4 with binary values", False,
                             str(error))
            return {}
        self.checks.equal(f"{what}: the store's key", keys,
                          ["HKEY_CURRENT_USER\\Software\\KARNOW-STUDIO Software GmbH\\VornakStarter"])
        self.checks.equal(f"{what}: the store holds the eight values", set(values), STORE_NAMES)
        return values


def run_first(s: Session, checks: Checks) -> dict[str, bytes]:
    du = s.start("run1", cwd=s.tmp)
    if du is None:
        return {}
    s.screenshot("run1-shown")
    first, second, third = s.order[0], s.order[1], s.order[2]

    s.desktop.keys("Return")
    s.check_start("run1 Enter", 0, "vornakmod.exe", [f"-game:{first.file_name}"], first)
    s.screenshot("run1-first-started")
    s.check_description(du, "run1 at start-up", first)
    s.screenshot("run1-first-described")

    s.click_item(du, 0)
    s.desktop.keys("Down", "Return")
    s.check_start("run1 Down Enter", 1, "vornakmod.exe", [f"-game:{second.file_name}"], second)
    s.screenshot("run1-next-started")

    s.click_item(du, 2)
    s.check_description(du, "run1 click on the third item", third)
    s.screenshot("run1-third-described")

    s.click_check(du, "noMusicCheck")
    s.click_check(du, "windowCheck")
    s.desktop.click(*du.centre(RECT["parametersEdit"]))
    s.desktop.type_text("-nomenu +sky")
    # Parameters -> "MOD Development"; in the development face on through
    # convert all, physical first, the message level and the application.
    s.desktop.keys("Tab", "space")
    s.screenshot("run1-development-face")
    s.desktop.keys("Tab", "Tab", "Tab", "space", "Tab", "Tab", "space", "Tab", "Down", "Down",
                   "Tab", "Down")
    s.screenshot("run1-morlex-chosen")
    s.desktop.keys("Return")
    s.check_start("run1 Morlex", 2, "morlex.exe",
                  [f"-game:{third.file_name}", "-zwindow", "-znomusic", "-vdfs:physicalfirst",
                   "-zconvertall", "-zlog:5,s", "-nomenu", "+sky"], third)
    s.screenshot("run1-morlex-started")

    s.desktop.keys("Escape")
    s.wait_exit("run1 Escape")
    values = s.read_store("run1")
    expected = {"nomusic": int32(1), "nosound": int32(0), "windowed": int32(1),
                "startapp": int32(1), "modgame": int32(2), "spylevel": int32(2),
                "physicalfirst": int32(1)}
    for name, data in expected.items():
        checks.equal(f"run1: stored {name!r}", values.get(name), data)
    parameters = values.get("parameters", b"")
    checks.equal("run1: stored 'parameters' is 260 bytes", len(parameters), 260)
    checks.equal("run1: stored 'parameters' text", parameters[:13], b"-nomenu +sky\0")
    return values


def run_second(s: Session, checks: Checks, stored: dict[str, bytes]) -> None:
    du = s.start("run2", cwd="/")
    if du is None:
        return
    s.screenshot("run2-shown")
    third = s.order[2]
    calls = len(s.game.recorded_calls())
    s.desktop.keys("Return")
    s.check_start("run2 Enter", calls, "morlex.exe",
                  [f"-game:{third.file_name}", "-zwindow", "-znomusic", "-vdfs:physicalfirst",
                   "-zlog:5,s", "-nomenu", "+sky"], third)
    s.screenshot("run2-started")
    s.check_description(du, "run2 at start-up", third)
    s.desktop.click(*du.centre(RECT["exitButton"]))
    s.wait_exit("run2 Exit button")
    values = s.read_store("run2")
    checks.equal("run2: the store is as the first run left it", values, stored)


# Written on a Polish Windows: its bytes are windows-1250. Its name lists it
# after every other mod.
POLISH = Mod("zpolski.ini", "Pog\u0142os", version="1.0",
             description="\u017b\u00f3\u0142ta \u0142\u00f3d\u017a p\u0142ynie.", icon=1)


def run_polish(s: Session, checks: Checks) -> None:
    with open(os.path.join(s.game.bin, POLISH.file_name), "wb") as f:
        f.write(POLISH.ini_text().encode("cp1250"))
    du = s.start("run3", cwd="/", lang="pl_PL.UTF-8")
    if du is None:
        return
    s.click_item(du, len(s.order))
    s.check_description(du, "run3 under pl_PL.UTF-8", POLISH)
    s.screenshot("run3-polish-described")
    s.desktop.keys("Escape")
    s.wait_exit("run3 Escape")


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--launcher", required=True, help="the built VornakStarter program")
    parser.add_argument("--artifacts", required=True, help="where screenshots and logs go")
    parser.add_argument("--keep", action="store_true", help="keep the game directory")
    parser.add_argument("--polish-only", action="store_true",
                        help="only the run under pl_PL.UTF-8 with a windows-1250 mod (for a"
                             " release: --launcher names the unpacked package's program)")
    parser.add_argument("--preload", help="a library preloaded into the launcher only, such as"
                                          " tools/icu_tripwire.sh's")
    args = parser.parse_args()
    os.makedirs(args.artifacts, exist_ok=True)
    for old in os.listdir(args.artifacts):
        os.remove(os.path.join(args.artifacts, old))

    checks = Checks()
    session = Session(os.path.abspath(args.launcher), os.path.abspath(args.artifacts), checks,
                      args.preload and os.path.abspath(args.preload))
    try:
        try:
            if not args.polish_only:
                stored = run_first(session, checks)
                if stored:
                    run_second(session, checks, stored)
            run_polish(session, checks)
        except (RuntimeError, subprocess.TimeoutExpired) as error:
            session.screenshot("broken-off")
            checks.true("the steps run to their end", False, str(error))
    finally:
        if args.keep:
            print(f"game directory kept in {session.tmp}")
        session.close(args.keep)
    print(f"screenshots in {args.artifacts}")
    print(checks.summary())
    return 0 if checks.failed == 0 and checks.passed > 0 else 1


if __name__ == "__main__":
    sys.exit(main())
