"""kelvo.lib against the C headers: every export bound under its own name, texts as UTF-8,
buffers used in place, and Python callables as the caller's functions."""

from __future__ import annotations

import math
import re
from pathlib import Path

import numpy as np
import pytest

from kelvo import lib

SOURCE = Path(__file__).resolve().parents[2]
HEADERS = [SOURCE / "lib" / "kelvolib.h", SOURCE / "platform" / "kelvoplatform.h"]
# A declaration at the start of a line: return type, name, parameters, semicolon.
DECLARATION = re.compile(r"^(?:KELVO_API\s+)?(?!typedef\b)[A-Za-z_][\w \t\*]*?\b([A-Za-z_]\w*)\s*\([^;{}#]*\)\s*;", re.M)
RECORD = re.compile(r"typedef struct (\w+) \{(.*?)\} \1;", re.S)


def header_exports() -> set[str]:
    return {name for header in HEADERS for name in DECLARATION.findall(header.read_text())}


def test_the_module_binds_every_export_of_the_headers_and_nothing_else():
    exported = header_exports()
    assert {"TkGetVersion", "Fft", "KpCreateHeadlessHost", "KpGetPixels"} <= exported, "the header pattern reads"
    bound = {name for name in dir(lib) if not name.startswith("_") and not isinstance(getattr(lib, name), type)}
    assert sorted(exported - bound) == [], "exports without a binding"
    assert sorted(bound - exported) == [], "bindings of no export"


def test_records_have_the_fields_of_their_c_structs():
    for name, body in RECORD.findall((SOURCE / "lib" / "kelvolib.h").read_text()):
        fields = re.findall(r"^\s*\w+\s+(\w+);", body, re.M)
        record = getattr(lib, name)()
        assert fields and all(hasattr(record, field) for field in fields), name


def test_texts_go_in_and_come_back_as_utf8(c_graph):
    graph = c_graph(100, 80).graph
    title = "Größe in µm – €"
    lib.TkSetTitleString(graph, 7, title)
    copied, text = lib.TkGetTitleString(graph, 7)
    assert (copied, text) == (len(title.encode()), title)
    assert lib.TkGetTitleString(graph, 7, 5) == (4, "Grö"), "cut to size - 1 bytes"
    assert lib.Trim("  \t ab c \n", 8) == (4, "ab c")
    assert lib.MakePChar("short") == "short"
    assert lib.IntToShortStr(-42) == "-42"
    assert lib.RealToStr(2, 3.14159) == "3.14"
    assert lib.TkFormatReal(8, 1.5) == (0, " 1.5    "), "a blank before, the decimals' zeros blank"
    assert lib.TkFormatReal(3, 12345.0)[0] == 10201
    colours = lib.TkGetColorSet()
    assert (len(colours), colours[0], colours[15]) == (16, 0, 0xFFFFFF)


def test_results_written_through_pointers_come_back_beside_the_code():
    assert lib.TkEvaluate1ByVar("x^2", "x", 3.0) == (0, 9.0)
    assert lib.TkEvaluate2ByVar("x-y", "x", "y", 3.0, 1.0) == (0, 2.0)
    assert lib.TkEvaluate3ByVar("x*y*z", "x", "y", "z", 2.0, 3.0, 4.0) == (0, 24.0)
    code, result = lib.TkEvaluate1ByVar("1/x", "x", 0.0)
    assert (code, result) == (10414, 0.0), "an evaluation error yields 0"
    code, result = lib.TkEvaluate1ByVar("1/", "x", 0.0)
    assert code == 10406 and math.isnan(result), "a compile error leaves the result untouched"
    code, integral, estimate = lib.TkIntegrateByVar(6, "x", "x", 0.0, 2.0)
    assert code == 0 and integral == pytest.approx(2.0) and estimate >= 0.0


@pytest.mark.parametrize(
    "call",
    [
        pytest.param(lambda: lib.TkSetRanges(0, "0", 1, 0, 1), id="text for a real"),
        pytest.param(lambda: lib.TkPen(0, -1, 1, 1), id="negative colour"),
        pytest.param(lambda: lib.TkDrawCurve1(0, "x", "x", 0, 1, 10, 0, 256), id="option beyond a byte"),
        pytest.param(lambda: lib.TkGetArray1(1.5, 1), id="real for a handle"),
        pytest.param(lambda: lib.Zeroin("x", 0, 1, 1e-9), id="text for a function"),
        pytest.param(lambda: lib.Fft([1.0, 0.0, 2.0, 0.0], 1, -1), id="list for a buffer"),
        pytest.param(lambda: lib.Fft(np.zeros(4, dtype=np.float32), 1, -1), id="float32 for float64"),
        pytest.param(lambda: lib.Fft(np.zeros(8)[::2], 1, -1), id="strided buffer"),
        pytest.param(lambda: lib.KpGetPixels(0, 0, 0, 1, 1, np.zeros(1, dtype=np.int32)), id="int32 for uint32"),
        pytest.param(lambda: lib.TkDrawData1(0, None, [1.0, 2.0], 2, 10, 0, 0), id="list for data"),
        pytest.param(lambda: lib.TkDrawData3(0, np.zeros(2), np.zeros(2), np.zeros(2, dtype=np.float32), 2, 10, 0, 0),
                     id="float32 data"),
    ],
)
def test_arguments_of_the_wrong_type_raise_type_error(call):
    with pytest.raises(TypeError):
        call()


def _read_only(n: int) -> np.ndarray:
    data = np.zeros(n)
    data.setflags(write=False)
    return data


@pytest.mark.parametrize(
    "call",
    [
        pytest.param(lambda: lib.Fft(np.zeros(7), 2, -1), id="fft data shorter than 2^(m+1)"),
        pytest.param(lambda: lib.KpGetPixels(0, 0, 0, 3, 3, np.zeros(8, dtype=np.uint32)), id="pixels too few"),
        pytest.param(lambda: lib.TkGpPoly(0, 3, np.zeros(5, dtype=np.int32), 0), id="polygon short of its count"),
        pytest.param(
            lambda: lib.Rkf(2, np.zeros(1), np.ones(1), 0, 0, 1e-9, lambda: None, np.zeros(1), np.zeros(2),
                            np.zeros(1, dtype=np.int32)),
            id="rkf state short of n",
        ),
        pytest.param(lambda: lib.Fft(_read_only(4), 1, -1), id="read-only buffer written"),
        pytest.param(lambda: lib.TkDrawData3(0, None, np.zeros(3), np.zeros(2), 3, 10, 0, 0), id="data short of n"),
    ],
)
def test_buffers_the_call_would_overrun_or_cannot_write_raise_value_error(call):
    with pytest.raises(ValueError):
        call()


def test_buffers_are_read_and_written_in_place():
    data = np.array([1.0, 0.0, 1.0, 0.0])
    lib.Fft(data, 1, -1)
    assert data.tolist() == [2.0, 0.0, 0.0, 0.0], "the array itself holds the transform"
    array = lib.TkNewArray1(3)
    try:
        address = lib.TkGetArrayAddress(array)
        assert address != 0 and lib.TkGetArrayAddress(0) == 0
        lib.TkSetArray1(array, 2, 7.5)
        assert lib.TkGetArray2byVar(array, 2, 1) == 7.5
    finally:
        lib.TkDisposeArray(array)


def test_data_calls_read_read_only_arrays_and_pass_none_as_null(c_graph):
    graph = c_graph(80, 60).graph
    assert lib.TkDrawData1(graph, None, _read_only(4), 4, 10, 0, 3) == 0, "only read, never written"
    assert lib.TkDrawData1(graph, None, None, 4, 10, 0, 3) == 20804, "a NULL y"
    assert lib.TkDrawData3(graph, None, np.zeros(0), np.zeros(0), 0, 10, 0, 3) == 20802, "no points"
    assert lib.TkDrawContoursData(graph, None, None, _read_only(12), 4, 3, 2, 0.0, 0.0, 1, 0, 3) == 0
    assert lib.TkDrawSurfaceData(graph, None, None, None, 4, 3, 3, 0, 0, 3) == 20804, "a NULL z"
    with pytest.raises(ValueError, match="z holds 11 elements"):
        lib.TkDrawSurfaceData(graph, None, None, np.zeros(11), 4, 3, 3, 0, 0, 3)
    assert lib.TkDrawHistogramData(graph, _read_only(5), 5, 3, 0, 3) == 0
    lib.TkClearError()


def test_message_boxes_without_a_window_are_written_to_standard_error(capfd):
    assert lib.KpMessageBox("Größe?", "Frage", 2, 2) == 6, "the first button, Yes"
    assert lib.KpMessageBox(None, None, 0, 0) == 1
    assert "[Frage] Größe?" in capfd.readouterr().err


def test_records_are_the_callers_and_kind_8_rewrites_them(c_graph):
    graph = c_graph(120, 90).graph
    lib.TkSetRanges(graph, -1.0, 3.0, 0.0, 5.0)
    lib.TkSetScales(graph)
    zoom = lib.TkGetActualZoom(graph)
    assert zoom.XMin <= -1.0 and zoom.XMax >= 3.0 and zoom.Theta == 0.0
    settings = lib.TkGetLabelSettings(graph, 8)
    settings.AutoPlace, settings.FontSize = 1, 12
    lib.TkSetLabelSettings(graph, 8, settings)
    assert (settings.Justification, settings.XOffset, settings.YOffset) == (3, 0, -12)


class Boom(Exception):
    pass


def raise_at(call: int):
    """A function that raises Boom at its call-th call and counts every call."""
    calls = []

    def function(*arguments):
        calls.append(arguments)
        if len(calls) >= call:
            raise Boom(f"call {len(calls)}")
        return 0.5

    return function, calls


def _rkf(derivs):
    return lib.Rkf(1, np.zeros(1), np.full(1, 0.1), 1e-9, 1e-9, 1e-12, derivs, np.ones(1), np.zeros(1),
                   np.full(1, 5, dtype=np.int32))


CALLBACK_CALLS = {
    "Zeroin": lambda f: lib.Zeroin(lambda x: f(x) - x, 0.0, 1.0, 1e-12),
    "Fmin": lambda f: lib.Fmin(lambda x: f(x) + (x - 0.3) ** 2, 0.0, 1.0, 1e-12),
    "Romb": lambda f: lib.Romb(8, f, 0.0, 1.0),
    "TkDrawCurveFunc1": lambda f: lib.TkDrawCurveFunc1(GRAPH[0], f, 0.0, 1.0, 50, 0, 0),
    "TkDrawCurveFunc2": lambda f: lib.TkDrawCurveFunc2(GRAPH[0], lambda t: (f(t), t), 0.0, 1.0, 50, 0, 0),
    "TkDrawCurveFunc3": lambda f: lib.TkDrawCurveFunc3(GRAPH[0], lambda t: (f(t), t, t), 0.0, 1.0, 50, 0, 0),
    "Rkf": lambda f: _rkf(lambda: f()),
}
GRAPH = [0]


@pytest.fixture
def graph_for_curves(c_graph):
    GRAPH[0] = c_graph(80, 60).graph
    yield
    GRAPH[0] = 0


@pytest.mark.usefixtures("graph_for_curves")
@pytest.mark.parametrize("name", sorted(CALLBACK_CALLS))
@pytest.mark.parametrize("raising_call", [1, 3], ids=["first call", "third call"])
def test_an_exception_in_a_callback_ends_the_library_call_and_propagates(name, raising_call):
    function, calls = raise_at(raising_call)
    with pytest.raises(Boom, match=f"call {raising_call}"):
        CALLBACK_CALLS[name](function)
    assert len(calls) == raising_call, "no call of the function after it raised"
    assert lib.TkGetErrorCode() != 0, "the library was told that the function failed"
    lib.TkClearError()
    assert lib.Zeroin(lambda x: x - 0.25, 0.0, 1.0, 1e-12) == pytest.approx(0.25), "later calls work"


@pytest.mark.usefixtures("graph_for_curves")
@pytest.mark.parametrize(
    "call, error",
    [
        pytest.param(lambda: lib.Zeroin(lambda x: "a", 0.0, 1.0, 1e-9), TypeError, id="real function returns text"),
        pytest.param(lambda: lib.TkDrawCurveFunc2(GRAPH[0], lambda t: (t,), 0, 1, 10, 0, 0), ValueError,
                     id="plane point of one value"),
        pytest.param(lambda: lib.TkDrawCurveFunc3(GRAPH[0], lambda t: 5, 0, 1, 10, 0, 0), TypeError,
                     id="space point not a sequence"),
    ],
)
def test_a_callback_that_returns_the_wrong_thing_raises(call, error):
    with pytest.raises(error):
        call()


def test_point_functions_lift_the_pen_where_they_return_none(c_graph):
    with_gap, without = c_graph(100, 80), c_graph(100, 80)
    for graph, gap in ((with_gap, True), (without, False)):
        lib.TkSetRanges(graph.graph, 0.0, 1.0, 0.0, 1.0)
        lib.TkSetScales(graph.graph)
        code = lib.TkDrawCurveFunc2(graph.graph, lambda t: None if gap and 0.4 < t < 0.6 else (t, t), 0, 1, 50, 0, 0)
        assert code == 0
    assert (with_gap.pixels() != without.pixels()).any()


def test_nested_callbacks_each_call_their_own_function():
    # A function of Romb that finds a root with Zeroin: each library call calls its own.
    inner = lambda c: lib.Zeroin(lambda x: x * x - c, 0.0, 2.0, 1e-13)
    integral, _ = lib.Romb(6, lambda c: inner(c), 1.0, 2.0)
    assert integral == pytest.approx((2 * 2**1.5 - 2) / 3, rel=1e-9)
