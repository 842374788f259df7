"""Root finding, minimisation, Romberg integration and the FFT of the library."""

from __future__ import annotations

from typing import Callable, Union

import numpy as np
from numpy.typing import ArrayLike

from . import lib
from ._arrays import integer, real
from ._errors import check, check_error_state
from .formula import Formula

#: A function of one real: a formula text in x, a Formula of one variable, or a callable.
RealFunction = Union[str, Formula, Callable[[float], float]]


def _formula_text(f: RealFunction) -> tuple[str, str] | None:
    """(text, variable) of a function the library can evaluate as a formula of its own, or
    None for a function it calls back (callables, and Formulae with parameters)."""
    if isinstance(f, str):
        return f, "x"
    if isinstance(f, Formula):
        if len(f.variables) != 1:
            raise ValueError(f"{f!r} has two variables; these methods need one")
        if not f.params:
            return f.text, f.variables[0]
        return None
    if callable(f):
        return None
    raise TypeError(f"f must be a formula text, a kelvo.Formula or a callable, not {f!r}")


def _brent(f: RealFunction, a: float, b: float, tol: float, by_formula: str, by_function: str) -> float:
    """A search of Brent's method: the formula call for formulae, else the function call."""
    a, b, tol = real(a, "a"), real(b, "b"), real(tol, "tol")
    formula = _formula_text(f)
    if formula is not None:
        code, x = getattr(lib, by_formula)(formula[0], formula[1], a, b, tol)
        check(code, by_formula)
        return x
    lib.TkClearError()  # Zeroin and Fmin return at once while an earlier error is pending
    x = getattr(lib, by_function)(f, a, b, tol)
    check_error_state(by_function)
    return x


def zeroin(f: RealFunction, a: float, b: float, tol: float = 1e-10) -> float:
    """A zero of f between a and b by Brent's method.

    Parameters
    ----------
    f : str, Formula or callable
        The function: a formula text in ``x``, a Formula of one variable, or ``f(x) -> float``.
    a, b : float
        The ends of the interval; f(a) and f(b) must not have the same sign.
    tol : float
        The accuracy wanted in x.

    Returns
    -------
    float
        The zero.

    Raises
    ------
    KelvoError
        20902 when f(a) and f(b) have the same sign, 20914 without convergence, 20901 or a
        formula code when f cannot be evaluated.
    Exception
        Whatever a callable f raised.

    Examples
    --------
    >>> kelvo.zeroin("x^2 - 2", 0, 2)
    1.4142135623...
    """
    return _brent(f, a, b, tol, "TkFindRootByVar", "Zeroin")


def fmin(f: RealFunction, a: float, b: float, tol: float = 1e-10) -> float:
    """The x of a minimum of f on [a, b] by Brent's method.

    Parameters
    ----------
    f : str, Formula or callable
        The function, as for zeroin().
    a, b : float
        The interval, a < b.
    tol : float
        The accuracy wanted in x.

    Returns
    -------
    float
        The x where f is least.

    Raises
    ------
    KelvoError
        20903 for b <= a, 20914 without convergence, 20901 or a formula code when f cannot be
        evaluated.
    """
    return _brent(f, a, b, tol, "TkFindminByVar", "Fmin")


def romberg(f: RealFunction, a: float, b: float, halvings: int = 10) -> float:
    """The integral of f from a to b by Romberg's method.

    Parameters
    ----------
    f : str, Formula or callable
        The function, as for zeroin().
    a, b : float
        The limits, in either order (b < a gives the negative integral).
    halvings : int
        How many times the interval is halved, 1 to 30: f is evaluated 2**halvings + 1
        times.

    Returns
    -------
    float
        The integral.

    Raises
    ------
    KelvoError
        20901 or a formula code when f cannot be evaluated, 20907 without memory.
    """
    a, b = real(a, "a"), real(b, "b")
    halvings = integer(halvings, "halvings", 1, 30)
    formula = _formula_text(f)
    if formula is not None:
        code, integral, _ = lib.TkIntegrateByVar(halvings, formula[0], formula[1], a, b)
        check(code, "TkIntegrateByVar")
        return integral
    integral, _ = lib.Romb(halvings, f, a, b)
    check_error_state("Romb")
    return integral


def fft(values: ArrayLike, inverse: bool = False) -> np.ndarray:
    """The discrete Fourier transform of 2**m complex numbers, as numpy.fft.fft gives it.

    Parameters
    ----------
    values : array_like
        One dimension of 2, 4, 8 ... numbers, real or complex; they are not changed.
    inverse : bool
        The inverse transform instead, divided by the length as numpy.fft.ifft does.

    Returns
    -------
    numpy.ndarray
        complex128, of the same length: sum over k of values[k] exp(-2 pi i jk / N)
        (exp(+2 pi i jk / N) / N for the inverse).

    Raises
    ------
    ValueError
        For another number of dimensions or a length that is not a power of 2 (2 or more).
    """
    try:
        data = np.array(values, dtype=np.complex128, order="C", copy=True)
    except (TypeError, ValueError) as error:
        raise TypeError(f"values must be numbers: {error}") from None
    if data.ndim != 1:
        raise ValueError(f"values must have one dimension, not {data.ndim}")
    n = data.size
    if n < 2 or n & (n - 1):
        raise ValueError(f"the length must be a power of 2, 2 or more, not {n}")
    lib.TkClearError()  # Fft returns at once while an earlier error is pending
    lib.Fft(data.view(np.float64), n.bit_length() - 1, 1.0 if inverse else -1.0)
    check_error_state("Fft")
    if inverse:
        data /= n
    return data
