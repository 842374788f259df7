"""kelvo.Graph against the C calls it stands for: the same pixels, drawn by both."""

from __future__ import annotations

import math
import struct
import xml.etree.ElementTree as ElementTree
import zlib

import numpy as np
import pytest

import kelvo
from conftest import colour_count
from kelvo import lib

W, H = 160, 120
RED = lib.TkRGB(255, 0, 0, 0)
NAVY = lib.TkRGB(0, 0, 128, 0)
FIT_AND_AXES = 3


def wave(x: float) -> float:
    return math.sin(3 * x) * math.exp(-x / 4)


def c_ranges(graph: int, x1: float, x2: float, y1: float, y2: float) -> None:
    lib.TkSetRanges(graph, x1, x2, y1, y2)
    lib.TkSetScales(graph)


def c_text(graph: int) -> None:
    lib.TkFont2(graph, 1, 2, 14, 2)
    lib.TkTextJustified(graph, 3)
    lib.TkTextColor(graph, NAVY)
    lib.TkGpText(graph, lib.TkUserToWindowX(graph, 1.0, 0.5), lib.TkUserToWindowY(graph, 1.0, 0.5), "Größe")


def c_symbols(graph: int) -> None:
    c_ranges(graph, 0.0, 4.0, 0.0, 4.0)
    lib.TkSetGraphColor(graph, 14, RED)
    lib.TkDrawAxes(graph)  # the graph's first drawing, after ranges() and before axes()
    lib.TkLabelAxes(graph)
    for x, y in ((0.5, 1.0), (1.5, 3.0), (3.0, 2.0)):
        lib.TkPlotSymbol(graph, 9, x, y)


def c_error_bars(graph: int) -> None:
    c_ranges(graph, 0.0, 4.0, 0.0, 4.0)
    lib.TkSetGraphColor(graph, 14, RED)
    for x, y, ex, ey in ((1.0, 1.0, 0.0, 0.5), (2.0, 2.5, 0.3, 0.5), (3.0, 2.0, 0.0, 0.8)):
        lib.TkErrorBar(graph, 4, x, y, ex, ey)


def c_formula_with_parameters(graph: int) -> None:
    lib.TkAddParaList(graph, "a", 0.5)
    assert lib.TkDrawCurve1(graph, "a*x^2", "x", -2.0, 2.0, 100, RED, FIT_AND_AXES) == 0


def c_axes(graph: int) -> None:
    c_ranges(graph, -1.0, 5.0, 0.0, 100.0)
    lib.TkSetTitleString(graph, 4, "time")
    lib.TkSetTitleString(graph, 7, "Title")
    lib.TkSetGraphParam(graph, 143, 1)  # titles given before any drawing get room of their own
    lib.TkSetScales(graph)
    lib.TkSetGraphParam(graph, 131, 3)
    lib.TkSetGraphParam(graph, 140, 2)
    lib.TkDrawAxes(graph)
    lib.TkLabelAxes(graph)


def c_revolution_of_arrays(graph: int) -> None:
    heights, radii = lib.TkNewArray1(5), lib.TkNewArray1(5)
    for i, (z, r) in enumerate(((0, 1), (1, 2), (2, 1.5), (3, 2), (4, 0.5)), start=1):
        lib.TkSetArray1(heights, i, z)
        lib.TkSetArray1(radii, i, r)
    assert lib.TkDrawRevolutionArray(graph, heights, radii, 5, 24, 4, RED, NAVY, FIT_AND_AXES) == 0
    lib.TkDisposeArray(heights)
    lib.TkDisposeArray(radii)


# Each case: what kelvo draws, and the C calls it stands for.
CASES = {
    "formula curve": (
        lambda g: g.curve("sin(x)/x", x=(0.1, 10.0), n=200, colour="red"),
        lambda c: lib.TkDrawCurve1(c, "sin(x)/x", "x", 0.1, 10.0, 200, RED, FIT_AND_AXES),
    ),
    "python curve": (
        lambda g: g.curve(wave, x=(0.0, 8.0), n=150, colour=(255, 0, 0)),
        lambda c: lib.TkDrawCurveFunc1(c, wave, 0.0, 8.0, 150, RED, FIT_AND_AXES),
    ),
    "formula with parameters": (
        lambda g: g.curve(kelvo.Formula("a*x^2", params={"a": 0.5}), x=(-2, 2), n=100, colour="#ff0000"),
        c_formula_with_parameters,
    ),
    "curve in given ranges": (
        lambda g: g.ranges(x=(0, 4), y=(-1, 1)).curve("sin(x)", x=(0, 4), colour=RED, axes=False),
        lambda c: (c_ranges(c, 0, 4, -1, 1), lib.TkDrawCurve1(c, "sin(x)", "x", 0.0, 4.0, 200, RED, 0)),
    ),
    "boxed axes with grid and titles": (
        lambda g: g.ranges(x=(-1, 5), y=(0, 100)).titles(x="time", graph="Title").axes(kind="box", grid="both"),
        c_axes,
    ),
    "titles after the axes": (
        lambda g: g.curve("x", x=(0, 1), colour="red").titles(y="height", graph="Late"),
        lambda c: (lib.TkDrawCurve1(c, "x", "x", 0.0, 1.0, 200, RED, FIT_AND_AXES), lib.TkSetTitleString(c, 5, "height"),
                   lib.TkGraphTitle(c, 5, "height"), lib.TkSetTitleString(c, 7, "Late"), lib.TkGraphTitle(c, 7, "Late")),
    ),
    "text": (
        lambda g: g.ranges(x=(0, 2), y=(0, 1)).text(1.0, 0.5, "Größe", size=14, colour="navy", align="center",
                                                    rotation=90, font="times", style="bold"),
        lambda c: (c_ranges(c, 0, 2, 0, 1), c_text(c)),
    ),
    "symbols": (
        lambda g: g.ranges(x=(0, 4), y=(0, 4)).symbols([0.5, 1.5, 3], [1, 3, 2], mark="filled circle", colour="red"),
        c_symbols,
    ),
    "error bars": (
        lambda g: g.ranges(x=(0, 4), y=(0, 4)).errorbar([1, 2, 3], [1, 2.5, 2], yerr=[0.5, 0.5, 0.8],
                                                        xerr=[0, 0.3, 0], mark="s", colour="red", axes=False),
        c_error_bars,
    ),
    "revolution of a formula": (
        lambda g: g.revolution("1 + z/4", z=(0, 4), n=20, angles=30, style="wire", colour="red", lower_colour="navy"),
        lambda c: lib.TkDrawRevolution(c, "1 + z/4", "z", 0.0, 4.0, 20, 30, 3, RED, NAVY, FIT_AND_AXES),
    ),
    "revolution of arrays": (
        lambda g: g.revolution([1, 2, 1.5, 2, 0.5], z=[0, 1, 2, 3, 4], angles=24, colour="red", lower_colour="navy"),
        c_revolution_of_arrays,
    ),
    "3d view": (
        lambda g: g.view(50, -60).ranges(x=(-1, 1), y=(-1, 1), z=(0, 1)).axes(),
        lambda c: (lib.TkSetViewangles(c, math.radians(50), math.radians(-60)), lib.TkSetScales(c),
                   lib.TkSetRanges3(c, -1, 1, -1, 1, 0, 1), lib.TkSetScales(c), lib.TkDrawAxes(c), lib.TkLabelAxes(c)),
    ),
}


@pytest.mark.parametrize("case", sorted(CASES))
def test_pythonic_calls_draw_the_pixels_of_the_c_calls(case, c_graph):
    draw, c_calls = CASES[case]
    reference = c_graph(W, H)
    c_calls(reference.graph)
    with kelvo.Graph(W, H) as graph:
        assert draw(graph) is graph, "drawing calls return the graph"
        pixels = graph.pixels()
    expected = reference.pixels()
    assert colour_count(expected) >= 2, "the reference picture is more than a blank page"
    assert pixels.shape == (H, W, 4) and pixels.dtype == np.uint8
    np.testing.assert_array_equal(pixels, expected)


def test_styles_and_the_first_plot_fit_the_ranges_and_draw_the_axes(c_graph):
    reference = c_graph(W, H, style=2)
    lib.TkDrawCurve1(reference.graph, "x^2", "x", 0.0, 3.0, 50, RED, FIT_AND_AXES)
    lib.TkDrawCurve1(reference.graph, "x", "x", 0.0, 3.0, 50, NAVY, 0)
    with kelvo.Graph(W, H, style=2) as graph:
        graph.curve("x^2", x=(0, 3), n=50, colour="red").curve("x", x=(0, 3), n=50, colour="navy")
        np.testing.assert_array_equal(graph.pixels(), reference.pixels())


@pytest.mark.parametrize(
    "colour", ["red", "Red", "#ff0000", "#f00", (255, 0, 0), (1.0, 0.0, 0.0), [255, 0, 0], 0x0000FF],
    ids=["name", "name in capitals", "hex", "short hex", "integer tuple", "float tuple", "list", "value"],
)
def test_colours_by_name_tuple_text_or_value_are_one_colour(colour):
    assert kelvo.colour_value(colour) == RED


@pytest.mark.parametrize(
    "colour, error",
    [("nosuchcolour", ValueError), ("#12345", ValueError), ((256, 0, 0), ValueError), ((1.5, 0, 0), ValueError),
     (-1, ValueError), (True, TypeError), ((1, 2), TypeError), (None, TypeError), (("a", 0, 0), TypeError)],
    ids=["unknown name", "short hex", "component above 255", "float above 1", "negative value", "bool",
         "two components", "none", "text component"],
)
def test_bad_colours_raise(colour, error):
    with pytest.raises(error):
        kelvo.colour_value(colour)


def png_size_and_rows(data: bytes) -> tuple[int, int, bytes]:
    """Reads a PNG without any library: its size, checking every chunk's CRC, and its
    inflated image data."""
    assert data[:8] == b"\x89PNG\r\n\x1a\n"
    at, idat, size = 8, b"", None
    while at < len(data):
        (length,) = struct.unpack(">I", data[at : at + 4])
        kind, body = data[at + 4 : at + 8], data[at + 8 : at + 8 + length]
        (crc,) = struct.unpack(">I", data[at + 8 + length : at + 12 + length])
        assert zlib.crc32(kind + body) == crc, kind
        if kind == b"IHDR":
            size = struct.unpack(">II", body[:8])
        elif kind == b"IDAT":
            idat += body
        at += 12 + length
    assert kind == b"IEND" and size is not None
    return size[0], size[1], zlib.decompress(idat)


def test_repr_png_and_svg_are_valid_pictures_of_the_graph():
    with kelvo.Graph(W, H) as graph:
        assert graph._repr_svg_() is None, "nothing drawn, no SVG"
        graph.curve("cos(x)", x=(0, 6), colour="red").titles(graph="Cosine")
        width, height, rows = png_size_and_rows(graph._repr_png_())
        assert (width, height) == (W, H)
        assert len(rows) in (H * (1 + 3 * W), H * (1 + 4 * W)), "one filter byte and W pixels per row"
        svg = ElementTree.fromstring(graph._repr_svg_())
        assert svg.tag.endswith("svg")
        assert any(element.tag.endswith(("path", "polyline", "line")) for element in svg.iter())


@pytest.mark.parametrize("extension", [".png", ".svg", ".pdf"])
def test_save_writes_the_format_of_the_extension(tmp_path, extension):
    path = tmp_path / f"picture{extension}"
    with kelvo.Graph(W, H) as graph:
        assert graph.curve("x^3", x=(-1, 1)).save(path) is graph
    start = path.read_bytes()[:8]
    assert {".png": start.startswith(b"\x89PNG"), ".svg": b"<" in start, ".pdf": start.startswith(b"%PDF")}[extension]


def test_save_errors_raise_kelvo_error_with_the_code(tmp_path):
    with kelvo.Graph(W, H) as graph:
        with pytest.raises(kelvo.KelvoError) as nothing_drawn:
            graph.save(tmp_path / "a.png")
        assert nothing_drawn.value.code == 25002
        graph.curve("x")
        with pytest.raises(kelvo.KelvoError) as unknown:
            graph.save(tmp_path / "a.gif")
        assert unknown.value.code == 25003 and unknown.value.call == "TkSaveGraph"


def test_a_closed_graph_refuses_calls_and_closing_twice_is_harmless():
    graph = kelvo.Graph(W, H)
    handle = graph.handle
    with graph:
        pass
    assert graph.closed and "closed" in repr(graph)
    graph.close()
    assert lib.TkCloseGraph(handle) == 0, "the library's graph is gone"
    with pytest.raises(ValueError):
        graph.curve("x")


@pytest.mark.parametrize(
    "call, error",
    [
        pytest.param(lambda g: g.curve(3), TypeError, id="curve of a number"),
        pytest.param(lambda g: g.curve("x", x=(0,)), TypeError, id="interval of one end"),
        pytest.param(lambda g: g.curve("x", n=2.5), TypeError, id="real count"),
        pytest.param(lambda g: g.curve(kelvo.Formula("x*y", ("x", "y"))), ValueError, id="curve of two variables"),
        pytest.param(lambda g: g.axes(kind="round"), ValueError, id="unknown axis kind"),
        pytest.param(lambda g: g.text(0, 0, 5), TypeError, id="text of a number"),
        pytest.param(lambda g: g.text(0, 0, "a", rotation=45), ValueError, id="rotation not a quarter turn"),
        pytest.param(lambda g: g.titles(x=1), TypeError, id="title of a number"),
        pytest.param(lambda g: g.ranges(x=("a", 1)), TypeError, id="range of a text"),
        pytest.param(lambda g: g.symbols([1, 2], [1]), ValueError, id="symbols of unequal lengths"),
        pytest.param(lambda g: g.symbols([1], [1], mark=12), ValueError, id="symbol beyond 9"),
        pytest.param(lambda g: g.plot(["a", "b"]), TypeError, id="plot of texts"),
        pytest.param(lambda g: g.plot([1, 2, 3], [1, 2]), ValueError, id="plot of unequal lengths"),
        pytest.param(lambda g: g.plot([1j, 2j]), TypeError, id="plot of complex numbers"),
        pytest.param(lambda g: g.contour([1.0, 2.0]), ValueError, id="contour of one dimension"),
        pytest.param(lambda g: g.surface(np.zeros((3, 3)), x=[1, 2]), ValueError, id="surface x of another length"),
        pytest.param(lambda g: g.revolution([1, 2], z=[0]), ValueError, id="revolution of unequal lengths"),
        pytest.param(lambda g: g.curve("x", colour="nosuchcolour"), ValueError, id="unknown colour"),
    ],
)
def test_bad_arguments_raise_before_anything_is_drawn(call, error):
    with kelvo.Graph(W, H) as graph:
        graph.curve("x", x=(0, 1), colour="red")
        before = graph.pixels().copy()
        with pytest.raises(error):
            call(graph)
        np.testing.assert_array_equal(graph.pixels(), before)


@pytest.mark.parametrize("size", [(0, 10), (10, -1), (100000, 10)], ids=["no width", "negative height", "too wide"])
def test_graphs_of_impossible_sizes_are_refused(size):
    with pytest.raises(ValueError):
        kelvo.Graph(*size)


def test_library_errors_of_drawing_calls_raise_kelvo_error():
    with kelvo.Graph(W, H) as graph:
        with pytest.raises(kelvo.KelvoError) as error:
            graph.curve("sin(x", x=(0, 1))
        assert error.value.code == 10405 and "expected" in error.value.message
        with pytest.raises(kelvo.KelvoError) as empty:
            graph.curve("x", x=(1, 1))
        assert empty.value.code == 20803


def test_scaling_warnings_become_kelvo_warnings():
    with kelvo.Graph(W, H) as graph:
        with pytest.warns(kelvo.KelvoWarning) as warned:
            graph.ranges(x=(1, 1), y=(0, 1))
        assert warned[0].message.code == 10603


@pytest.mark.parametrize(
    "draw, c_calls",
    [
        pytest.param(
            lambda g, d: g.plot(d["x"], d["y"], mark=16, colour="red"),
            lambda c, d: lib.TkDrawData1(c, d["x"], d["y"], d["x"].size, 16, RED, FIT_AND_AXES), id="plot",
        ),
        pytest.param(
            lambda g, d: g.plot(d["y"], colour="red"),
            lambda c, d: lib.TkDrawData1(c, None, d["y"], d["y"].size, 10, RED, FIT_AND_AXES), id="plot of y alone",
        ),
        pytest.param(
            lambda g, d: g.plot3(d["x"], d["y"], d["x"] * d["y"], colour="red"),
            lambda c, d: lib.TkDrawData3(c, d["x"], d["y"], d["x"] * d["y"], d["x"].size, 10, RED, FIT_AND_AXES),
            id="plot3",
        ),
        pytest.param(
            lambda g, d: g.hist(d["samples"], bins=15, colour="red"),
            lambda c, d: lib.TkDrawHistogramData(c, d["samples"], d["samples"].size, 15, RED, FIT_AND_AXES), id="hist",
        ),
        pytest.param(
            lambda g, d: g.contour(d["z"], d["gx"], d["gy"], levels=8, colour="red"),
            lambda c, d: lib.TkDrawContoursData(c, d["gx"], d["gy"], d["z"], 30, 20, 8, 0.0, 0.0, 1, RED, FIT_AND_AXES),
            id="contour",
        ),
        pytest.param(
            lambda g, d: g.surface(d["z"], colour="red", lower_colour="navy"),
            lambda c, d: lib.TkDrawSurfaceData(c, None, None, d["z"], 30, 20, 4, RED, NAVY, FIT_AND_AXES),
            id="surface",
        ),
    ],
)
def test_data_plots_draw_the_pixels_of_the_data_calls(draw, c_calls, c_graph):
    random = np.random.default_rng(26)
    gx, gy = np.linspace(-2, 2, 30), np.linspace(-1, 1, 20)
    data = {
        "x": np.linspace(0, 10, 500), "y": np.cumsum(random.normal(size=500)), "samples": random.normal(size=5000),
        "gx": gx, "gy": gy, "z": np.exp(-np.add.outer(gx**2, gy**2)),
    }
    reference = c_graph(W, H)
    assert c_calls(reference.graph, data) == 0
    with kelvo.Graph(W, H) as graph:
        np.testing.assert_array_equal(draw(graph, data).pixels(), reference.pixels())
