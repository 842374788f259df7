"""kelvo's numerical functions: each method on formula texts and on Python functions, the
library's failures as KelvoError, and exceptions of Python functions propagated."""

from __future__ import annotations

import math

import numpy as np
import pytest

import kelvo
from kelvo import lib

# (formula, the same as a Python function, interval, the zero in it)
ROOTS = [
    ("x^2 - 2", lambda x: x * x - 2, (0.0, 2.0), math.sqrt(2)),
    ("cos(x) - x", lambda x: math.cos(x) - x, (0.0, 1.0), 0.7390851332151607),
    ("exp(x) - 10", lambda x: math.exp(x) - 10, (0.0, 5.0), math.log(10)),
    ("sin(x) - x/4", lambda x: math.sin(x) - x / 4, (2.0, 3.0), 2.474576787369829),
]
ROOT_IDS = [row[0] for row in ROOTS]


@pytest.mark.parametrize("formula, function, interval, zero", ROOTS, ids=ROOT_IDS)
@pytest.mark.parametrize("form", ["text", "callable", "formula"])
def test_zeroin_finds_the_zero_of_every_form(formula, function, interval, zero, form):
    f = {"text": formula, "callable": function, "formula": kelvo.Formula(formula)}[form]
    assert kelvo.zeroin(f, *interval, tol=1e-12) == pytest.approx(zero, abs=1e-10)


@pytest.mark.parametrize(
    "f, interval, minimum",
    [("(x - 1.5)^2 + 1", (-3.0, 3.0), 1.5), (lambda x: math.cosh(x - 0.25), (-2.0, 2.0), 0.25)],
    ids=["parabola text", "cosh callable"],
)
def test_fmin_finds_the_minimum(f, interval, minimum):
    assert kelvo.fmin(f, *interval, tol=1e-9) == pytest.approx(minimum, abs=1e-6)


@pytest.mark.parametrize(
    "f, a, b, integral",
    [("x^2", 0.0, 3.0, 9.0), (math.sin, 0.0, math.pi, 2.0), ("exp(x)", 1.0, 0.0, 1.0 - math.e)],
    ids=["x squared text", "sine callable", "reversed limits"],
)
def test_romberg_integrates(f, a, b, integral):
    assert kelvo.romberg(f, a, b, halvings=12) == pytest.approx(integral, rel=1e-10)


def test_formulae_with_parameters_are_called_back():
    f = kelvo.Formula("x^2 - c", params={"c": 3})
    assert kelvo.zeroin(f, 0, 3) == pytest.approx(math.sqrt(3))
    assert kelvo.romberg(f, 0, 3) == pytest.approx(0.0, abs=1e-9)


@pytest.mark.parametrize(
    "call, code",
    [
        pytest.param(lambda: kelvo.zeroin("x^2 + 1", 0, 1), 20902, id="zeroin without a sign change"),
        pytest.param(lambda: kelvo.zeroin(lambda x: x * x + 1, 0, 1), 20902, id="zeroin callable without a sign change"),
        pytest.param(lambda: kelvo.zeroin("sqrt(x)", -1, 1), 20901, id="zeroin of a failing formula"),
        pytest.param(lambda: kelvo.fmin("x^2", 1, 0), 20903, id="fmin of a reversed interval"),
        pytest.param(lambda: kelvo.fmin(abs, 1, 0), 20903, id="fmin callable of a reversed interval"),
        pytest.param(lambda: kelvo.romberg("1/x", -1, 1), 20901, id="romberg through a pole"),
        pytest.param(lambda: kelvo.zeroin("x +* 2", 0, 1), 10406, id="formula that does not compile"),
    ],
)
def test_library_failures_raise_kelvo_error_with_code_and_message(call, code):
    with pytest.raises(kelvo.KelvoError) as error:
        call()
    assert error.value.code == code
    assert error.value.message, "the library's message comes with the code"


def test_an_error_left_pending_by_another_call_does_not_stop_the_next_one():
    lib.TkSetError(201, "left over")
    assert kelvo.zeroin(lambda x: x - 0.5, 0, 1) == pytest.approx(0.5)
    lib.TkSetError(201, "left over")
    np.testing.assert_allclose(kelvo.fft([1.0, 0.0]), [1.0, 1.0])


class Raised(Exception):
    pass


def failing(x: float) -> float:
    raise Raised(x)


@pytest.mark.parametrize(
    "call",
    [lambda: kelvo.zeroin(failing, 0, 1), lambda: kelvo.fmin(failing, 0, 1), lambda: kelvo.romberg(failing, 0, 1)],
    ids=["zeroin", "fmin", "romberg"],
)
def test_exceptions_of_python_functions_propagate(call):
    with pytest.raises(Raised):
        call()


TWO_VARIABLES = kelvo.Formula("x*y", ("x", "y"))


@pytest.mark.parametrize(
    "call, error",
    [
        pytest.param(lambda: kelvo.zeroin(3, 0, 1), TypeError, id="function that is a number"),
        pytest.param(lambda: kelvo.zeroin("x", "0", 1), TypeError, id="end that is a text"),
        pytest.param(lambda: kelvo.zeroin(TWO_VARIABLES, 0, 1), ValueError, id="two variables"),
        pytest.param(lambda: kelvo.romberg("x", 0, 1, halvings=0), ValueError, id="no halving"),
        pytest.param(lambda: kelvo.romberg("x", 0, 1, halvings=2.0), TypeError, id="real halvings"),
        pytest.param(lambda: kelvo.fft([1, 2, 3]), ValueError, id="fft of three numbers"),
        pytest.param(lambda: kelvo.fft([[1, 2], [3, 4]]), ValueError, id="fft of two dimensions"),
        pytest.param(lambda: kelvo.fft(["a", "b"]), TypeError, id="fft of texts"),
    ],
)
def test_bad_arguments_raise_before_the_library_is_called(call, error):
    lib.TkSetError(4242, "untouched")
    with pytest.raises(error):
        call()
    assert lib.TkGetErrorCode() == 4242, "no library call cleared the error state"
    lib.TkClearError()


@pytest.mark.parametrize("n", [2, 8, 1024])
@pytest.mark.parametrize("kind", ["real", "complex"])
def test_fft_matches_numpy_both_ways(n, kind):
    random = np.random.default_rng(n)
    values = random.normal(size=n) + (1j * random.normal(size=n) if kind == "complex" else 0)
    kept = np.array(values, copy=True)
    forward = kelvo.fft(values)
    assert forward.dtype == np.complex128
    np.testing.assert_allclose(forward, np.fft.fft(values), atol=1e-9 * n)
    np.testing.assert_allclose(kelvo.fft(forward, inverse=True), values, atol=1e-9)
    np.testing.assert_array_equal(values, kept), "the input is not changed"


OSCILLATOR = {"x": "v", "v": "-x - 0.3*v"}


def oscillator(t: float, y: np.ndarray) -> list[float]:
    return [y[1], -y[0] - 0.3 * y[1]]


def damped(t: float) -> float:
    """x(t) of x'' = -x - 0.3 x' with x(0) = 1, x'(0) = 0."""
    w = math.sqrt(1 - 0.15**2)
    return math.exp(-0.15 * t) * (math.cos(w * t) + 0.15 / w * math.sin(w * t))


@pytest.mark.parametrize(
    "equations, y0",
    [(OSCILLATOR, {"x": 1.0, "v": 0.0}), (oscillator, [1.0, 0.0])],
    ids=["formulae", "python function"],
)
def test_ode_sets_follow_the_solution_and_end_on_t_end(equations, y0):
    ode = kelvo.ODE(equations, y0, abs_tol=1e-10, rel_tol=1e-10)
    t, y = ode.solve(10.0)
    assert t[0] == 0.0 and t[-1] == pytest.approx(10.0, abs=1e-12) and np.all(np.diff(t) > 0)
    assert y.shape == (t.size, 2)
    np.testing.assert_allclose(y[:, 0], [damped(ti) for ti in t], atol=1e-7)
    t2, _ = ode.solve(12.0)
    assert t2[0] == pytest.approx(10.0) and t2[-1] == pytest.approx(12.0), "a second solve goes on from the first"


def test_both_forms_of_an_ode_take_the_same_steps():
    by_formulae = kelvo.ODE(OSCILLATOR, {"x": 1.0, "v": 0.0})
    by_function = kelvo.ODE(oscillator, [1.0, 0.0])
    for _ in range(50):
        assert by_formulae.step() == by_function.step()
    np.testing.assert_allclose(by_formulae.y, by_function.y, rtol=1e-14)


def test_exceptions_of_the_derivatives_function_propagate():
    calls = []

    def derivatives(t, y):
        calls.append(t)
        if len(calls) == 4:
            raise Raised("in the derivatives")
        return [y[1], -y[0]]

    ode = kelvo.ODE(derivatives, [1.0, 0.0])
    with pytest.raises(Raised):
        ode.solve(1.0)
    assert len(calls) == 4


@pytest.mark.parametrize(
    "make, error",
    [
        pytest.param(lambda: kelvo.ODE({"x": "x"}, {"y": 1.0}), ValueError, id="initial state of another name"),
        pytest.param(lambda: kelvo.ODE({f"y{i}": "1" for i in range(9)}, [0.0] * 9), ValueError, id="nine formulae"),
        pytest.param(lambda: kelvo.ODE({"a_long_name": "1"}, [0.0]), ValueError, id="name of ten characters"),
        pytest.param(lambda: kelvo.ODE({"x": 1}, [0.0]), TypeError, id="right-hand side not a text"),
        pytest.param(lambda: kelvo.ODE(lambda t, y: y, [0.0] * 31), ValueError, id="31 equations"),
        pytest.param(lambda: kelvo.ODE("x", [0.0]), TypeError, id="equations of a text"),
        pytest.param(lambda: kelvo.ODE(lambda t, y: [1, 2], [0.0]).step(), ValueError, id="derivatives of two values"),
    ],
)
def test_bad_ode_arguments_raise(make, error):
    with pytest.raises(error):
        make()


def test_ode_failures_raise_kelvo_error():
    with pytest.raises(kelvo.KelvoError) as wrong_formula:
        kelvo.ODE({"x": "x +"}, [1.0]).step()
    assert 10400 <= wrong_formula.value.code <= 10413
    with pytest.raises(kelvo.KelvoError) as failed_step:
        kelvo.ODE({"x": "sqrt(-1 - t)"}, [1.0]).step()
    assert failed_step.value.code == 22010
    with pytest.raises(kelvo.KelvoError) as no_minimum:
        kelvo.ODE(oscillator, [1.0, 0.0], h_min=0.0).step()
    assert no_minimum.value.code == 20912
