"""Shared parts of the kelvo test suites: graphs made with the C calls that kelvo.Graph
stands for."""

from __future__ import annotations

import numpy as np
import pytest

from kelvo import lib


# kelvo.Graph draws in mode 4, "Delay Redraw", and publishes when its picture is read.
DELAY_REDRAW = 4


class CGraph:
    """A graph opened and read with nothing but the C calls."""

    def __init__(self, width: int, height: int, style: int = 1) -> None:
        self.width, self.height = width, height
        self.host = lib.KpCreateHeadlessHost(width, height)
        self.graph = lib.TkOpenGraph(self.host, 0, 0, width, height, DELAY_REDRAW)
        assert self.graph != 0
        lib.TkKelvoStyle(self.graph, style)
        lib.TkClearWindow(self.graph)
        lib.TkSetScales(self.graph)

    def pixels(self) -> np.ndarray:
        lib.TkDispatchToWindow(self.graph)
        lib.KpUpdate()
        colours = np.zeros(self.width * self.height, dtype=np.uint32)
        assert lib.KpGetPixels(lib.TkGetGraphHWnd(self.graph), 0, 0, self.width, self.height, colours) == 0
        colours = colours.astype(np.int64).reshape(self.height, self.width)
        rgba = np.stack([colours & 0xFF, (colours >> 8) & 0xFF, (colours >> 16) & 0xFF, np.full_like(colours, 255)], -1)
        return rgba.astype(np.uint8)

    def close(self) -> None:
        lib.TkCloseGraph(self.graph)
        lib.KpDestroyWindow(self.host)


def colour_count(pixels: np.ndarray) -> int:
    return len(np.unique(pixels.reshape(-1, 4), axis=0))


@pytest.fixture
def c_graph():
    """Makes CGraphs and closes them after the test."""
    made: list[CGraph] = []

    def make(width: int, height: int, style: int = 1) -> CGraph:
        made.append(CGraph(width, height, style))
        return made[-1]

    yield make
    for graph in made:
        graph.close()
