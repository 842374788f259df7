"""kelvo.Formula: compiled when made, evaluated by the library on numbers and arrays."""

from __future__ import annotations

import math

import numpy as np
import pytest

import kelvo
from kelvo import lib


@pytest.mark.parametrize(
    "text, variables, params, code",
    [
        ("sin(x", ("x",), None, 10405),
        ("x +", ("x",), None, 10406),
        ("a*x", ("x",), None, 10408),
        ("x*y", ("x",), None, 10408),
        ("x + 1", ("x",), {"x": 1.0}, 10425),
        ("pi*x", ("pi",), None, 10425),
        ("A*x", ("x",), {"a": 1.0, "A": 2.0}, 10425),
        ("sin*x", ("sin",), None, 10425),
    ],
    ids=["open bracket", "missing operand", "unknown parameter", "unknown variable", "parameter named like variable",
         "variable named pi", "parameters differing in case", "variable named like a function"],
)
def test_formulae_that_do_not_compile_fail_when_made(text, variables, params, code):
    with pytest.raises(kelvo.KelvoError) as error:
        kelvo.Formula(text, variables, params)
    assert error.value.code == code


def test_formulae_keep_their_text_names_and_parameters():
    f = kelvo.Formula("a*sin(x) + b", params={"a": 2, "b": 0.5})
    assert (f.text, f.variables, f.params) == ("a*sin(x) + b", ("x",), {"a": 2.0, "b": 0.5})
    assert kelvo.Formula("2*t", variables="t").variables == ("t",), "one name alone is one variable"
    assert "a*sin(x)" in repr(f)


@pytest.mark.parametrize(
    "make, error",
    [
        pytest.param(lambda: kelvo.Formula(3), TypeError, id="text that is a number"),
        pytest.param(lambda: kelvo.Formula("x", ()), ValueError, id="no variables"),
        pytest.param(lambda: kelvo.Formula("x", ("x", "y", "z")), ValueError, id="three variables"),
        pytest.param(lambda: kelvo.Formula("x", ("",)), TypeError, id="empty name"),
        pytest.param(lambda: kelvo.Formula("x", ("abcdefghi",)), ValueError, id="name of nine characters"),
        pytest.param(lambda: kelvo.Formula("x", params={"a": "1"}), TypeError, id="parameter of a text"),
        pytest.param(lambda: kelvo.Formula("x", params={f"p{i}": 1 for i in range(12)}), ValueError,
                     id="thirteen names"),
    ],
)
def test_bad_formula_arguments_raise(make, error):
    with pytest.raises(error):
        make()


def test_formulae_evaluate_numbers_and_arrays_as_the_single_point_calls_do():
    f = kelvo.Formula("a*sin(x) + x^2", params={"a": 2})
    x = np.linspace(-3, 3, 1001)
    expected = [2 * math.sin(v) + v * v for v in x]
    # Whole arrays go through vector sine, within a few units in the last place of the
    # terms; near the zero of the sum that is no longer a small relative difference.
    np.testing.assert_allclose(f(x), expected, rtol=1e-15, atol=4 * np.spacing(9.0))
    assert f(0.5) == pytest.approx(2 * math.sin(0.5) + 0.25) and isinstance(f(0.5), float)
    g = kelvo.Formula("x - 2*y", ("x", "y"))
    for xv, yv in ((1.0, 2.0), (-3.5, 0.25)):
        assert g(xv, yv) == lib.TkEvaluate2ByVar("x - 2*y", "x", "y", xv, yv)[1]
    np.testing.assert_array_equal(g(x[:, None], x[None, :3]), x[:, None] - 2 * x[None, :3])


def test_results_go_into_out_in_place_and_failures_raise_or_give_zero():
    f = kelvo.Formula("1/x")
    out = np.empty(3)
    assert f(np.array([1.0, 2.0, 4.0]), out=out) is out
    np.testing.assert_array_equal(out, [1.0, 0.5, 0.25])
    with pytest.raises(kelvo.KelvoError) as error:
        f(np.array([1.0, 0.0]))
    assert error.value.code == 10414
    np.testing.assert_array_equal(f(np.array([1.0, 0.0]), errors="ignore"), [1.0, 0.0])
    with pytest.raises(TypeError):
        f(np.array([1.0]), out=np.empty(1, dtype=np.float32))
