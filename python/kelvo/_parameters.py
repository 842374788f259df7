"""A graph that holds nothing but a parameter list, for the calls that read formula
parameters from a graph."""

from __future__ import annotations

from typing import Mapping

from . import lib

# The graph is never drawn in: hidden, without images of its own (drawing mode 1), and just
# large enough for the margins of its scales to leave room.
_HIDDEN = 128
_SIDE = 200
_graph = 0


def parameter_graph(parameters: Mapping[str, float]) -> int:
    """The shared parameter graph, its list holding exactly these parameters. It is made at
    the first call and lives as long as the process (the library closes it at exit)."""
    global _graph
    if _graph == 0:
        host = lib.KpCreateHeadlessHost(_SIDE, _SIDE)
        _graph = lib.TkOpenGraph(host, 0, 0, _SIDE, _SIDE, 1 | _HIDDEN)
        if _graph == 0:
            raise MemoryError("kelvo: no graph could be opened to hold formula parameters")
    lib.TkClearParaList(_graph)
    for name, value in parameters.items():
        lib.TkAddParaList(_graph, name, value)
    return _graph
