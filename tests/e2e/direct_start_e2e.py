#!/usr/bin/env python3
"""The real Linux launcher started without its window: --start from a script
with and without a display, a failed start that opens the window, and the
shortcut the mod list's context menu makes, started the way desktops start
it (gio launch). The game folder's path holds a blank and a "%"."""

import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import time

from checks import Checks
from game_dir import GameDir, Mod
from x_session import DialogUnits, Desktop, XServer

CAPTION = "VornakStarter v1.13"
DIALOG_DU = (315, 265)
MOD_LIST = (0, 40)  # the list's corner in dialog units
MODS = [
    Mod("vornakgame.ini", "Vornak", version="1.13"),
    Mod("Frost.ini", "Frost Peak", version="2", vdf="frost.mod"),
]
# Saved choices: windowed, and parameters with a blank and a quote.
STORE = ('Windows Registry Editor Version 5.00\r\n\r\n'
         '[HKEY_CURRENT_USER\\Software\\KARNOW-STUDIO Software GmbH\\VornakStarter]\r\n'
         '"windowed"=hex:01,00,00,00\r\n'
         '"parameters"=hex:2d,78,20,22,61,20,62,22,00\r\n')
EXPECTED_ARGUMENTS = ["-game:frost.ini", "-zwindow", "-x", "a b"]


class Run:
    def __init__(self, launcher: str, artifacts: str, checks: Checks):
        self.checks = checks
        self.artifacts = artifacts
        self.tmp = tempfile.mkdtemp(prefix="vs-direct-")
        self.game = GameDir(os.path.join(self.tmp, "my games 100%", "vornak"), MODS, {},
                            {"frost.mod": "archive frost"})
        self.launcher = self.game.lay_out(launcher, {})
        self.home = os.path.join(self.tmp, "home")
        self.config = os.path.join(self.home, ".config")
        self.data_home = os.path.join(self.home, ".local", "share")
        self.runtime = os.path.join(self.tmp, "runtime")
        os.makedirs(self.runtime, mode=0o700)
        store = os.path.join(self.config, "KARNOW-STUDIO Software GmbH", "VornakStarter.reg")
        os.makedirs(os.path.dirname(store))
        with open(store, "w", newline="") as f:
            f.write(STORE)
        self.store = store
        self.server = XServer()
        self.desktop = Desktop(self.server)

    def env(self, display: bool) -> dict[str, str]:
        env = {k: v for k, v in os.environ.items()
               if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LD_DEBUG")}
        env.update(HOME=self.home, XDG_CONFIG_HOME=self.config, XDG_DATA_HOME=self.data_home,
                   XDG_RUNTIME_DIR=self.runtime, LANG="C.UTF-8")
        return self.server.env(env) if display else env

    def reset(self) -> None:
        for name in os.listdir(self.game.calls):
            os.remove(os.path.join(self.game.calls, name))
        for name in os.listdir(self.game.data):
            if name.endswith(".mod"):
                shutil.move(os.path.join(self.game.data, name), self.game.parking)

    def launch(self, args: list[str], display: bool, **extra) -> subprocess.CompletedProcess:
        env = self.env(display)
        env.update(extra)
        return subprocess.run([self.launcher, *args], cwd="/", env=env, capture_output=True,
                              text=True, timeout=30)

    def screenshot(self, name: str) -> None:
        try:
            self.desktop.screenshot(os.path.join(self.artifacts, name + ".png"))
        except (RuntimeError, subprocess.TimeoutExpired) as error:
            print(f"     (no screenshot {name}: {error})")

    def close(self) -> None:
        self.server.stop()
        shutil.rmtree(self.tmp, ignore_errors=True)


def check_start(r: Run, what: str, display: bool) -> None:
    r.reset()
    before = open(r.store, newline="").read()
    # The loader names every library it opens: a start must open no Qt.
    done = r.launch(["--start", "frost.INI"], display, LD_DEBUG="files")
    r.checks.equal(f"{what}: exit status", done.returncode, 0)
    calls = r.game.wait_for_calls(1)
    r.checks.equal(f"{what}: the game gets the exact line",
                   [c.arguments for c in calls], [EXPECTED_ARGUMENTS])
    r.checks.equal(f"{what}: from the launcher's folder",
                   [c.working_directory for c in calls], [r.game.bin])
    r.checks.equal(f"{what}: the archive is in place", list(r.game.contents(r.game.data)),
                   ["frost.mod"])
    r.checks.true(f"{what}: no Qt library is loaded", "libQt6" not in done.stderr,
                  "\n".join(l for l in done.stderr.splitlines() if "libQt6" in l)[:400])
    r.checks.equal(f"{what}: the settings stay as they were",
                   open(r.store, newline="").read(), before)
    r.checks.true(f"{what}: no window", r.desktop.find_window(CAPTION, timeout=0.5) is None)


def check_failures(r: Run) -> None:
    r.reset()
    done = r.launch(["--start", "ice.ini"], display=False)
    r.checks.equal("no display, missing NAME: exit status and standard error",
                   (done.returncode, done.stderr),
                   (1, 'Error: No configuration "ice.ini" beside the launcher\n'))
    done = r.launch(["--bogus"], display=True)
    r.checks.equal("an unknown option: status 2, the usage, no game",
                   (done.returncode, done.stderr.splitlines()[0], r.game.recorded_calls()),
                   (2, 'VornakStarter: unknown option "--bogus"', []))
    done = r.launch(["--list"], display=False)
    r.checks.equal("--list", (done.returncode, done.stdout),
                   (0, "frost.ini\tFrost Peak (2)\nvornakgame.ini\tVornak (1.13)\n"))

    # With a display the window opens, the log showing the attempt.
    process = subprocess.Popen([r.launcher, "--start", "ice.ini"], cwd="/", env=r.env(True),
                               stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    window = r.desktop.find_window(CAPTION)
    r.checks.true("a display, missing NAME: the window opens", window is not None)
    if window is not None:
        time.sleep(0.5)
        r.screenshot("direct-start-failed")
        r.desktop.focus(window)
        r.desktop.keys("Escape")
    try:
        _, err = process.communicate(timeout=10)
        r.checks.equal("...and once it is closed the status is 1", process.returncode, 1)
        r.checks.equal("...its log went to standard error too", err,
                       'Error: No configuration "ice.ini" beside the launcher\n')
    except subprocess.TimeoutExpired:
        process.kill()
        r.checks.true("...the launcher ends", False, "still running after 10 s")


def check_shortcut(r: Run) -> None:
    r.reset()
    process = subprocess.Popen([r.launcher], cwd="/", env=r.env(True),
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    window = r.desktop.find_window(CAPTION)
    if not r.checks.true("the window opens", window is not None):
        process.kill()
        return
    time.sleep(0.5)
    du = DialogUnits(r.desktop.geometry(window), *DIALOG_DU)
    # Frost Peak is the first row; a right click on it, then its one entry.
    x, y = du.point(MOD_LIST[0], MOD_LIST[1], 30, 3 + 12)
    r.desktop._run("xdotool", "mousemove", "--sync", str(x), str(y), "click", "3")
    time.sleep(0.5)
    r.screenshot("context-menu")
    r.desktop.keys("Down", "Return")
    entry = os.path.join(r.data_home, "applications", "vornakstarter-frost.desktop")
    deadline = time.monotonic() + 5
    while not os.path.exists(entry) and time.monotonic() < deadline:
        time.sleep(0.1)
    r.screenshot("shortcut-made")
    r.desktop.focus(window)
    r.desktop.keys("Escape")
    process.wait(10)
    if not r.checks.true("the menu made the desktop entry", os.path.exists(entry)):
        return
    validated = subprocess.run(["desktop-file-validate", entry], capture_output=True, text=True)
    r.checks.equal("desktop-file-validate accepts it", (validated.returncode, validated.stdout),
                   (0, ""))
    icon = os.path.join(r.data_home, "icons/hicolor/48x48/apps/vornakstarter.png")
    r.checks.true("its icon is a PNG",
                  os.path.exists(icon) and open(icon, "rb").read(8) == b"\x89PNG\r\n\x1a\n")
    r.reset()
    launched = subprocess.run(["gio", "launch", entry], env=r.env(False), capture_output=True,
                              text=True, timeout=30)
    r.checks.equal("gio launch starts it", (launched.returncode, launched.stderr), (0, ""))
    calls = r.game.wait_for_calls(1)
    r.checks.equal("...and the game gets the exact line", [c.arguments for c in calls],
                   [EXPECTED_ARGUMENTS])


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--launcher", required=True)
    parser.add_argument("--artifacts", required=True)
    args = parser.parse_args()
    os.makedirs(args.artifacts, exist_ok=True)
    checks = Checks()
    run = Run(os.path.abspath(args.launcher), os.path.abspath(args.artifacts), checks)
    try:
        check_start(run, "--start from a script with a display", display=True)
        check_start(run, "--start without a display", display=False)
        check_failures(run)
        check_shortcut(run)
    except (RuntimeError, subprocess.TimeoutExpired) as error:
        checks.true("the steps run to their end", False, str(error))
    finally:
        run.close()
    print(checks.summary())
    return 0 if checks.failed == 0 and checks.passed > 0 else 1


if __name__ == "__main__":
    sys.exit(main())
