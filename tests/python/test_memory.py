"""Reference counts and memory stay steady over many graphs and calls."""

from __future__ import annotations

import gc
import sys

import numpy as np

import kelvo
from kelvo import lib


def resident_kib() -> int:
    with open("/proc/self/statm") as statm:
        return int(statm.read().split()[1]) * 4


def curve(x: float) -> float:
    return x * x


def open_and_close(count: int) -> None:
    """Graphs closed by with, by close() and by the garbage collector, in turn."""
    for i in range(count):
        graph = kelvo.Graph(64, 48)
        graph.curve(curve, x=(0, 1), n=20).titles(graph="t")
        graph.pixels()
        if i % 3 == 0:
            with graph:
                pass
        elif i % 3 == 1:
            graph.close()
        del graph


def test_ten_thousand_graphs_leave_no_objects_memory_or_references_behind():
    open_and_close(300)  # the allocators reach their working size
    gc.collect()
    objects, resident, references = len(gc.get_objects()), resident_kib(), sys.getrefcount(curve)
    open_and_close(10_000)
    gc.collect()
    assert sys.getrefcount(curve) == references, "the curve function is not kept"
    assert len(gc.get_objects()) - objects < 50
    assert resident_kib() - resident < 4096, "less than 4 MiB more after 10,000 graphs"


def test_library_calls_keep_no_references_to_their_arguments():
    data = np.zeros(4)
    function = lambda: None  # noqa: E731
    before = sys.getrefcount(data), sys.getrefcount(function)
    for _ in range(1000):
        lib.Fft(data, 1, -1)
        lib.TkDrawData3(0, data, data, data, data.size, 10, 0, 0)
        lib.Rkf(1, np.zeros(1), np.ones(1), 1e-6, 1e-6, 1e-9, function, data, np.zeros(2), np.zeros(1, dtype=np.int32))
        lib.TkClearError()
    assert (sys.getrefcount(data), sys.getrefcount(function)) == before
