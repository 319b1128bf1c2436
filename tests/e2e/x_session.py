"""A private X server and the keyboard and mouse of it, through xdotool."""

import os
import re
import subprocess
import time


class XServer:
    """An Xvfb of its own on the first free display number."""

    def __init__(self, width: int = 1024, height: int = 768):
        read_end, write_end = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{width}x{height}x24",
             "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        number = b""
        with os.fdopen(read_end, "rb") as pipe:
            while not number.endswith(b"\n"):
                chunk = pipe.read(1)
                if not chunk:
                    break
                number += chunk
        if not number.strip():
            self.process.kill()
            raise RuntimeError("Xvfb did not start")
        self.display = ":" + number.decode().strip()

    def env(self, base: dict[str, str] | None = None) -> dict[str, str]:
        env = dict(os.environ if base is None else base)
        env["DISPLAY"] = self.display
        return env

    def stop(self) -> None:
        self.process.terminate()
        try:
            self.process.wait(5)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()


class Desktop:
    """What a person does at the screen: find a window, type, click, look."""

    def __init__(self, server: XServer):
        self.server = server

    def _run(self, *args: str, timeout: float = 10.0) -> str:
        result = subprocess.run(list(args), env=self.server.env(), capture_output=True,
                                text=True, timeout=timeout)
        if result.returncode != 0:
            raise RuntimeError(f"{' '.join(args)} failed: {result.stderr.strip()}")
        return result.stdout

    def find_window(self, name: str, timeout: float = 15.0) -> str | None:
        """The first visible window whose whole name is `name`."""
        pattern = "^" + re.escape(name) + "$"
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            try:
                found = self._run("xdotool", "search", "--onlyvisible", "--name", pattern)
            except RuntimeError:
                found = ""  # nothing matches yet
            if found.split():
                return found.split()[0]
            time.sleep(0.1)
        return None

    def window_gone(self, window: str) -> bool:
        try:
            self._run("xdotool", "getwindowname", window)
            return False
        except RuntimeError:
            return True

    def geometry(self, window: str) -> tuple[int, int, int, int]:
        values = dict(line.split("=", 1)
                      for line in self._run("xdotool", "getwindowgeometry", "--shell",
                                            window).split())
        return (int(values["X"]), int(values["Y"]), int(values["WIDTH"]),
                int(values["HEIGHT"]))

    def focus(self, window: str) -> None:
        self._run("xdotool", "windowfocus", "--sync", window)

    def keys(self, *names: str) -> None:
        for name in names:
            self._run("xdotool", "key", "--delay", "60", name)
            time.sleep(0.15)

    def type_text(self, text: str) -> None:
        self._run("xdotool", "type", "--delay", "40", "--", text)
        time.sleep(0.15)

    def click(self, x: int, y: int) -> None:
        self._run("xdotool", "mousemove", "--sync", str(x), str(y), "click", "1")
        time.sleep(0.25)

    def drag(self, x1: int, y1: int, x2: int, y2: int) -> None:
        self._run("xdotool", "mousemove", "--sync", str(x1), str(y1), "mousedown", "1",
                  "sleep", "0.1", "mousemove", "--sync", str(x2), str(y2), "sleep", "0.1",
                  "mouseup", "1")
        time.sleep(0.25)

    def primary_selection(self) -> str:
        """The text a middle click would paste: what is selected on screen."""
        try:
            return self._run("xclip", "-o", "-selection", "primary", timeout=5)
        except (RuntimeError, subprocess.TimeoutExpired):
            return ""

    def screenshot(self, path: str) -> None:
        self._run("/usr/bin/import", "-window", "root", path, timeout=30)


class DialogUnits:
    """Screen positions of a dialog laid out in dialog units: the client area
    of the window spans the template's width and height."""

    def __init__(self, geometry: tuple[int, int, int, int], width_du: int, height_du: int):
        self.x, self.y, self.width, self.height = geometry
        self.sx = self.width / width_du
        self.sy = self.height / height_du

    def point(self, x_du: float, y_du: float, dx_px: int = 0, dy_px: int = 0) -> tuple[int, int]:
        return (round(self.x + x_du * self.sx) + dx_px, round(self.y + y_du * self.sy) + dy_px)

    def centre(self, rect: tuple[int, int, int, int]) -> tuple[int, int]:
        x, y, w, h = rect
        return self.point(x + w / 2, y + h / 2)
