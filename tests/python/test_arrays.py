"""Arrays shared with the library without a copy: library arrays as numpy arrays, and numpy
arrays read by the library in place."""

from __future__ import annotations

import gc
import tracemalloc

import numpy as np
import pytest

import kelvo
from kelvo import lib
from kelvo._arrays import float64_array


def test_a_library_array_and_its_numpy_values_are_one_memory():
    array = kelvo.Array(3, 2)
    assert array.values.ctypes.data == lib.TkGetArrayAddress(array.handle), "the library's own address"
    array.values[1, 0] = 4.5
    assert lib.TkGetArray2(array.handle, 2, 1) == 4.5
    lib.TkSetArray2(array.handle, 3, 2, -1.0)
    assert array.values[2, 1] == -1.0
    assert array.shape == (3, 2) and len(array) == 3


def test_the_library_array_lives_as_long_as_a_numpy_array_of_it():
    array = kelvo.Array.of([1.0, 2.0, 3.0])
    handle, view = array.handle, array.values[1:]
    del array
    gc.collect()
    assert lib.TkGetArray1(handle, 2) == 2.0, "still there while a view is"
    view[0] = 9.0
    assert lib.TkGetArray1(handle, 2) == 9.0
    del view
    gc.collect()
    lib.TkClearError()
    assert lib.TkGetArray1(handle, 2) == 0.0 and lib.TkGetErrorCode() == 0, "disposed: a bad handle reads 0"


@pytest.mark.parametrize("shape", [(), (0,), (1, 2, 3, 4), (200_000,), (1000, 1000)],
                         ids=["no extents", "empty", "four extents", "over a megabyte", "grid over a megabyte"])
def test_arrays_the_library_cannot_hold_are_refused(shape):
    with pytest.raises(ValueError):
        kelvo.Array(*shape)


def test_contiguous_float64_data_are_taken_as_they_are_and_other_data_converted():
    data = np.linspace(0, 1, 10)
    assert float64_array(data, "x") is data
    converted = float64_array(np.arange(10), "x")
    assert converted.dtype == np.float64 and converted.flags.c_contiguous
    strided = float64_array(data[::2], "x")
    assert strided.flags.c_contiguous and np.shares_memory(strided, data) is False


def test_plot_reads_the_callers_memory_without_a_copy():
    y = np.cumsum(np.random.default_rng(1).normal(size=1_000_000))
    x = np.arange(y.size, dtype=np.float64)
    with kelvo.Graph(200, 150) as graph:
        tracemalloc.start()
        graph.plot(x, y)
        _, peak = tracemalloc.get_traced_memory()
        tracemalloc.stop()
    assert peak < x.nbytes / 8, f"{peak} bytes allocated by numpy for a plot of {x.nbytes}-byte arrays"
