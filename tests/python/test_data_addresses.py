"""The data calls read numpy arrays where they lie: the addresses that KelvoLib receives,
noted by a library preloaded in front of it (address_probe.cpp), are the arrays' own."""

from __future__ import annotations

import ctypes

import numpy as np
import pytest

import kelvo

try:
    RECEIVED = (ctypes.c_void_p * 3).in_dll(ctypes.CDLL(None), "kelvo_probe_received")
except ValueError:
    pytest.skip("runs with address_probe preloaded (LD_PRELOAD), as ctest runs it", allow_module_level=True)

WALK = np.cumsum(np.random.default_rng(5).normal(size=10_000))


def address(array):
    return None if array is None else array.ctypes.data


def received(*arrays):
    """What the probe noted, beside the addresses of arrays (None for NULL)."""
    noted = [RECEIVED[i] for i in range(len(arrays))]
    RECEIVED[:] = [None] * 3
    return noted, [address(array) for array in arrays]


def read_only(array):
    array = array.copy()
    array.setflags(write=False)
    return array


@pytest.mark.parametrize(
    "y",
    [
        pytest.param(WALK, id="float64"),
        pytest.param(read_only(WALK), id="read-only float64"),
        pytest.param(WALK[100:], id="contiguous view inside another array"),
        pytest.param(np.asfortranarray(WALK), id="fortran order of one dimension"),
    ],
)
def test_plot_hands_contiguous_float64_to_the_library_in_place(y):
    x = np.arange(y.size, dtype=np.float64)
    with kelvo.Graph(200, 150) as graph:
        graph.plot(x, y)
        noted, own = received(x, y)
        assert noted == own
        graph.plot(y)
        noted, own = received(None, y)
        assert noted == own, "plot(y) gives the library no x"


def test_plot3_hands_all_three_coordinates_in_place():
    x, y, z = np.cos(WALK), np.sin(WALK), WALK.copy()
    with kelvo.Graph(200, 150) as graph:
        graph.plot3(x, y, z)
        noted, own = received(x, y, z)
    assert noted == own


def test_hist_hands_the_samples_in_place():
    with kelvo.Graph(200, 150) as graph:
        graph.hist(WALK, bins=12)
        noted, own = received(WALK)
    assert noted == own


GX, GY = np.linspace(-2, 2, 40), np.linspace(-1, 1, 30)
HEIGHTS = np.exp(-np.add.outer(GX**2, GY**2))


@pytest.mark.parametrize(
    "draw",
    [
        pytest.param(lambda graph, z, x, y: graph.contour(z, x, y, levels=6), id="contour"),
        pytest.param(lambda graph, z, x, y: graph.surface(z, x, y), id="surface"),
    ],
)
def test_grids_of_the_first_index_along_x_are_handed_in_place(draw):
    with kelvo.Graph(200, 150) as graph:
        draw(graph, HEIGHTS, GX, GY)
        noted, own = received(GX, GY, HEIGHTS)
        assert noted == own
        draw(graph, HEIGHTS, None, None)
        noted, own = received(None, None, HEIGHTS)
        assert noted == own, "no coordinates: the library counts them"
        # matplotlib's layout, the first index along y: the library gets the transpose.
        transposed = np.ascontiguousarray(HEIGHTS.T).T
        draw(graph, transposed, GX, GY)
        (_, _, noted), (_, _, own) = received(GX, GY, transposed)
        assert noted is not None and noted != own, "a copy in the library's order"


@pytest.mark.parametrize(
    "y",
    [
        pytest.param(np.arange(50), id="int64"),
        pytest.param(WALK[::2], id="strided"),
        pytest.param(WALK.astype(np.float32), id="float32"),
    ],
)
def test_other_arrays_reach_the_library_as_a_float64_copy(y):
    with kelvo.Graph(200, 150) as graph:
        graph.plot(y)
        (_, noted), (_, own) = received(None, y)
    assert noted is not None and noted != own, "the probe tells a copy from the array"
