"""Whether a window can be shown: Qt ends the whole process when it cannot reach the
display it is told to use, so the display is tried here first."""

from __future__ import annotations

import os
import re
import socket
from typing import Optional

_X_DISPLAY = re.compile(r"^(?P<host>[^:]*):(?P<number>\d+)(\.\d+)?$")
_TIMEOUT_SECONDS = 2.0


def _x_server_answers(display: str) -> bool:
    match = _X_DISPLAY.match(display)
    if match is None:
        return False
    host, number = match["host"], int(match["number"])
    try:
        if host in ("", "unix"):
            for address in (f"\0/tmp/.X11-unix/X{number}", f"/tmp/.X11-unix/X{number}"):
                with socket.socket(socket.AF_UNIX, socket.SOCK_STREAM) as connection:
                    connection.settimeout(_TIMEOUT_SECONDS)
                    try:
                        connection.connect(address)
                        return True
                    except OSError:
                        continue
            return False
        with socket.create_connection((host, 6000 + number), timeout=_TIMEOUT_SECONDS):
            return True
    except OSError:
        return False


def _wayland_answers(name: str) -> bool:
    path = name if os.path.isabs(name) else os.path.join(os.environ.get("XDG_RUNTIME_DIR", ""), name)
    return os.path.exists(path)


def display_problem() -> Optional[str]:
    """Why no window can be shown, or None when one can."""
    platform = os.environ.get("QT_QPA_PLATFORM", "")
    if platform and not platform.startswith(("xcb", "wayland")):
        return None  # a platform of Qt's own choosing (offscreen, vnc ...) needs no display
    display = os.environ.get("DISPLAY", "")
    wayland = os.environ.get("WAYLAND_DISPLAY", "")
    if display and _x_server_answers(display):
        return None
    if wayland and _wayland_answers(wayland):
        return None
    if display:
        return f"the X display {display!r} does not answer"
    return "there is no display (DISPLAY and WAYLAND_DISPLAY are not set)"
