#!/usr/bin/env python3
"""The real Linux launcher in a game installed the Windows way, inside a Wine
prefix of its own: folders and files in mixed case, the game a Windows
program. Driven through keyboard and mouse, the launcher lists the mods,
switches the archives whatever their case, and starts the game through Wine
and the relay beside it; the game (a stand-in that records GetCommandLineA)
must see exactly the Windows build's command line."""

import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import time

from checks import Checks
from launcher_e2e import CAPTION, DIALOG_DU, RECT
from x_session import DialogUnits, Desktop, XServer

HERE = os.path.dirname(os.path.abspath(__file__))
STAND_IN_SOURCE = os.path.join(HERE, "..", "os", "win32", "child", "record_command_line.cpp")
WINE_QUIET = {"WINEDEBUG": "-all", "WINEARCH": "win64",
              "WINEDLLOVERRIDES": "mscoree,mshtml=;winemenubuilder.exe=d;winedbg.exe=d"}
PARAMETERS = '-x "a b"  c\\"d e\\\\ '


def ini(title: str, vdf: str) -> str:
    return f"[info]\r\ntitle={title}\r\nvdf={vdf}\r\n"


def write(path: str, text: str) -> None:
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8", newline="") as f:
        f.write(text)


def files_of(directory: str) -> dict[str, str]:
    result = {}
    for name in os.listdir(directory):
        path = os.path.join(directory, name)
        result[name] = open(path, encoding="utf-8").read() if os.path.isfile(path) else "dir"
    return result


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--launcher", required=True, help="the built VornakStarter program")
    parser.add_argument("--relay", required=True, help="the built VornakStarterRelay.exe")
    parser.add_argument("--prefix", required=True, help="a Wine prefix, made when missing")
    parser.add_argument("--artifacts", required=True, help="where screenshots and logs go")
    args = parser.parse_args()
    os.makedirs(args.artifacts, exist_ok=True)
    prefix = os.path.abspath(args.prefix)
    checks = Checks()
    tmp = tempfile.mkdtemp(prefix="vs-e2e-windows-")
    server = XServer()
    desktop = Desktop(server)
    wine_env = server.env()
    wine_env.update(WINE_QUIET, WINEPREFIX=prefix, HOME=tmp, TMPDIR=tmp)
    process = None
    try:
        if not os.path.isfile(os.path.join(prefix, "system.reg")):
            subprocess.run(["wineboot", "-i"], env=wine_env, stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL, timeout=300)
            subprocess.run(["wineserver", "-w"], env=wine_env, timeout=300)

        game = os.path.join(prefix, "drive_c", "Games", "Vornak")
        shutil.rmtree(game, ignore_errors=True)
        system, data = os.path.join(game, "System"), os.path.join(game, "Data")
        parking = os.path.join(data, "ModVDF")
        write(os.path.join(system, "VornakGame.ini"), ini("Vornak", ""))
        write(os.path.join(system, "MyMod.INI"), ini("My Mod", "mine.mod"))
        write(os.path.join(data, "Other.MOD"), "other")
        write(os.path.join(parking, "MINE.mod"), "mine")
        stand_in = os.path.join(system, "VornakMod.exe")
        subprocess.run(["x86_64-w64-mingw32-g++-posix", "-O2", "-s", "-static", "-o", stand_in,
                        STAND_IN_SOURCE], check=True, timeout=300)
        os.chmod(stand_in, 0o644)  # as copied from a Windows disk
        launcher = os.path.join(system, "VornakStarter")
        shutil.copy(args.launcher, launcher)
        shutil.copy(args.relay, os.path.join(system, "VornakStarterRelay.exe"))

        # The launcher is given no prefix: it finds the one it lies in.
        env = {k: v for k, v in wine_env.items() if k != "WINEPREFIX"}
        runtime = os.path.join(tmp, "runtime")
        os.makedirs(runtime, mode=0o700)
        env.update(XDG_CONFIG_HOME=os.path.join(tmp, "config"), XDG_RUNTIME_DIR=runtime,
                   QT_QPA_PLATFORM="xcb", LANG="C.UTF-8", VS_RECORD_FILE="last-start.txt")
        log = open(os.path.join(args.artifacts, "launcher-windows-install.log"), "wb")
        process = subprocess.Popen([launcher], cwd="/", env=env, stdout=log,
                                   stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL)
        log.close()
        window = desktop.find_window(CAPTION)
        if not checks.true(f"a window named {CAPTION!r} is shown", window is not None):
            return 1
        time.sleep(0.5)
        desktop.focus(window)
        du = DialogUnits(desktop.geometry(window), *DIALOG_DU)
        desktop.screenshot(os.path.join(args.artifacts, "windows-install-1-shown.png"))

        # "mymod.ini" lists before "vornakgame.ini": the first row.
        x, y = du.point(RECT["modList"][0], RECT["modList"][1], 30, 3 + 12)
        desktop.click(x, y)
        desktop.click(*du.centre(RECT["parametersEdit"]))
        desktop.type_text(PARAMETERS)
        desktop.keys("Return")
        record = os.path.join(system, "last-start.txt")
        expected = "vornakmod.exe  -game:mymod.ini " + PARAMETERS
        deadline = time.monotonic() + 60
        line = ""
        while time.monotonic() < deadline:
            if os.path.isfile(record):
                line = open(record, "rb").read().decode("latin-1")
                if len(line) >= len(expected):
                    break
            time.sleep(0.2)
        time.sleep(0.5)
        desktop.screenshot(os.path.join(args.artifacts, "windows-install-2-started.png"))
        checks.equal("the Windows game got the Windows build's command line", line, expected)
        checks.equal("Data/ holds the mod's archive, named as its list writes it",
                     files_of(data), {"mine.mod": "mine", "ModVDF": "dir"})
        checks.equal("Data/ModVDF/ holds the other archive", files_of(parking),
                     {"Other.MOD": "other"})
        checks.true("Wine used the prefix the game lies in",
                    not os.path.exists(os.path.join(tmp, ".wine")))

        desktop.keys("Escape")
        checks.equal("the launcher ends, with exit code", process.wait(10), 0)
    except (RuntimeError, subprocess.TimeoutExpired, subprocess.CalledProcessError) as error:
        checks.true("the steps run to their end", False, str(error))
    finally:
        if process and process.poll() is None:
            process.kill()
            process.wait()
        subprocess.run(["wineserver", "-k"], env=wine_env, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL)
        server.stop()
        shutil.rmtree(tmp, ignore_errors=True)
    print(checks.summary().replace("e2e:", "e2e (Windows installation):"))
    return 0 if checks.failed == 0 and checks.passed > 0 else 1


if __name__ == "__main__":
    sys.exit(main())
