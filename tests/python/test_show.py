"""Graph.show(): a real window through KelvoQt where a display exists (ctest runs this file
under Xvfb), and a clear message without a hang where none does."""

from __future__ import annotations

import os
import shutil
import struct
import subprocess
import sys
import time

import numpy as np
import pytest

import kelvo
from kelvo._display import display_problem

needs_display = pytest.mark.skipif(display_problem() is not None, reason="needs a display, such as xvfb-run gives")


def drawn_graph() -> kelvo.Graph:
    graph = kelvo.Graph(240, 160)
    return graph.curve("sin(x)", x=(0, 6.3), colour="red").titles(graph="shown")


@needs_display
def test_a_shown_graph_is_a_window_of_its_pixels_until_closed():
    with drawn_graph() as graph:
        window = graph.show(title="kelvo test", block=False)
        assert window is not None and window.visible
        np.testing.assert_array_equal(window.picture(), graph.pixels())
        started = time.monotonic()
        window.run(timeout=0.3)
        assert not window.visible, "closed when run() returned"
        assert time.monotonic() - started < 10
        window.close()


def read_xwd(dump: bytes) -> np.ndarray:
    """The RGB pixels of an X window dump (xwd) of 32 bits per pixel."""
    fields = struct.unpack(">25I", dump[:100])
    header_size, width, height, byte_order, bits_per_pixel, bytes_per_line, colours = (
        fields[0], fields[4], fields[5], fields[7], fields[11], fields[12], fields[19])
    red_mask, green_mask, blue_mask = fields[14:17]
    assert bits_per_pixel == 32 and (red_mask, green_mask, blue_mask) == (0xFF0000, 0xFF00, 0xFF)
    start = header_size + 12 * colours
    rows = np.frombuffer(dump[start : start + height * bytes_per_line], dtype="<u4" if byte_order == 0 else ">u4")
    pixels = rows.reshape(height, bytes_per_line // 4)[:, :width]
    return np.stack([(pixels >> 16) & 0xFF, (pixels >> 8) & 0xFF, pixels & 0xFF], axis=-1).astype(np.uint8)


@needs_display
@pytest.mark.skipif(shutil.which("xwd") is None, reason="needs xwd (x11-apps) to read the screen")
def test_the_x_server_shows_the_graph_in_the_window():
    from kelvo import _window

    with drawn_graph() as graph:
        window = graph.show(title="kelvo on screen", block=False)
        _window.process_events(0.5)
        dump = subprocess.run(["xwd", "-name", "kelvo on screen", "-silent"], capture_output=True, check=True).stdout
        window.close()
        np.testing.assert_array_equal(read_xwd(dump), graph.pixels()[..., :3])


@needs_display
def test_show_blocks_until_the_window_is_closed():
    with drawn_graph() as graph:
        started = time.monotonic()
        window = graph.show(timeout=0.5)
        elapsed = time.monotonic() - started
    assert window is not None and not window.visible
    assert 0.4 < elapsed < 10, "it waited for the window to close, and no longer"


SHOW_SCRIPT = """
import warnings, kelvo
with warnings.catch_warnings(record=True) as caught:
    warnings.simplefilter("always")
    window = kelvo.Graph(100, 80).curve("x").show()
print(window is None, caught[0].message if caught else "no warning")
"""


@pytest.mark.parametrize(
    "display",
    [None, ":4242"],
    ids=["no display", "display that does not answer"],
)
def test_without_a_display_show_warns_and_returns_at_once(display):
    environment = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    if display is not None:
        environment["DISPLAY"] = display
    started = time.monotonic()
    result = subprocess.run([sys.executable, "-c", SHOW_SCRIPT], env=environment, capture_output=True, text=True,
                            timeout=60)
    assert result.returncode == 0, result.stderr
    shown, message = result.stdout.strip().split(" ", 1)
    assert shown == "True"
    assert "cannot show the graph" in message and "graph.save" in message
    assert time.monotonic() - started < 30
