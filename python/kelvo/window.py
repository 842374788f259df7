"""Graphs shown in windows through KelvoQt."""

from __future__ import annotations

import importlib
import warnings
from typing import TYPE_CHECKING, Optional

import numpy as np

from . import lib
from ._display import display_problem
from ._errors import KelvoWarning

if TYPE_CHECKING:
    from .graph import Graph

_AUTO_REDRAW = 2
_COPY = 1


class Window:
    """A window that shows a copy of a graph's picture, open until closed.

    Its graph is a new graph in the window's own host; the picture of the graph that was
    shown is copied into it (TkGetImage, TkPutImage), so both can go on separately.
    """

    def __init__(self, graph: "Graph", title: str) -> None:
        from . import _window

        self._window = _window.Window(graph.width, graph.height, title)
        self._graph = lib.TkOpenGraph(self._window.host(), 0, 0, graph.width, graph.height, _AUTO_REDRAW)
        image = lib.TkGetImage(graph.handle, 0, 0, graph.width - 1, graph.height - 1)
        lib.TkPutImage(self._graph, 0, 0, image, _COPY)
        lib.TkClearImage(image)
        self._window.show()

    @property
    def visible(self) -> bool:
        return self._window.visible()

    def picture(self) -> np.ndarray:
        """What the window shows, as a (height, width, 4) uint8 RGBA array."""
        return self._window.picture()

    def run(self, timeout: Optional[float] = None) -> None:
        """Lets the window answer the user until it is closed (or timeout seconds pass,
        which close it)."""
        self._window.run(-1.0 if timeout is None else max(0.0, float(timeout)))

    def close(self) -> None:
        lib.TkCloseGraph(self._graph)
        self._window.close()


def show(graph: "Graph", title: str, block: bool, timeout: Optional[float]) -> Optional[Window]:
    """Graph.show(): the window, or None with a warning when none can be shown."""
    problem = display_problem()
    if problem is None:
        try:
            importlib.import_module("._window", __package__)
        except ImportError as error:
            problem = f"kelvo was built without its KelvoQt window ({error})"
    if problem is not None:
        warnings.warn(
            KelvoWarning(0, f"cannot show the graph: {problem}; save it instead, as graph.save('graph.png')", "show"),
            stacklevel=3,
        )
        return None
    window = Window(graph, title)
    if block:
        window.run(timeout)
        window.close()
    return window
