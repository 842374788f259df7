"""Sets of ordinary differential equations, solved by Runge-Kutta-Fehlberg 4(5) steps."""

from __future__ import annotations

import weakref
from typing import Callable, Mapping, Optional, Sequence, Union

import numpy as np
from numpy.typing import ArrayLike

from . import lib
from ._arrays import real
from ._errors import KelvoError, check, check_error_state

Derivatives = Callable[[float, np.ndarray], ArrayLike]

# The library's limits: formula sets hold 1 to 8 equations with names of at most 9
# characters; Rkf() takes 1 to 30 equations.
_MOST_FORMULA_EQUATIONS = 8
_MOST_EQUATIONS = 30
_ODE_NAME_LENGTH = 9
# Each step starts its counter afresh, as the library's formula sets do.
_STEP_COUNT = 5
_FAILED_STEP = 22010


class _FormulaSteps:
    """Steps of a library ODE set (TkNewODE) whose right-hand sides are formulae."""

    def __init__(self, equations: Mapping[str, str], time: str, abs_tol: float, rel_tol: float) -> None:
        for name, rhs in equations.items():
            _ode_name(name, "state")
            if not isinstance(rhs, str):
                raise TypeError(f"the right-hand side of {name} must be a formula text, not {rhs!r}")
        self.names = tuple(equations)
        self.handle = lib.TkNewODE(len(self.names), _ode_name(time, "time"), abs_tol, rel_tol)
        self._finalizer = weakref.finalize(self, lib.TkDisposeODE, self.handle)
        for i, (name, rhs) in enumerate(equations.items(), start=1):
            lib.TkSetODELine(self.handle, i, name, rhs)

    def value(self, i: int) -> float:
        return lib.TkGetODEValueByVar(self.handle, i)

    def set_value(self, i: int, value: float) -> None:
        lib.TkSetODEValue(self.handle, i, value)

    def state(self) -> np.ndarray:
        return np.array([self.value(i) for i in range(1, len(self.names) + 1)])

    def step(self) -> None:
        lib.TkClearError()
        check(lib.TkODESolve(self.handle), "TkODESolve")


class _FunctionSteps:
    """Steps of Rkf() with a Python function for the derivatives."""

    def __init__(self, f: Derivatives, n: int, abs_tol: float, rel_tol: float) -> None:
        self.names = tuple(f"y{i}" for i in range(n))
        self._f = f
        self._abs_tol, self._rel_tol = abs_tol, rel_tol
        # The buffers Rkf() reads and writes in place; the derivatives function reads t and y
        # from them while a step runs.
        self._t = np.zeros(1)
        self._h = np.zeros(1)
        self._h_min = 0.0
        self._y = np.zeros(n)
        self._dydt = np.zeros(n)
        self._k = np.zeros(1, dtype=np.int32)

    def value(self, i: int) -> float:
        if i > 0:
            return float(self._y[i - 1])
        return {-1: float(self._t[0]), -2: float(self._h[0]), -3: self._h_min}[i]

    def set_value(self, i: int, value: float) -> None:
        if i > 0:
            self._y[i - 1] = value
        elif i == -3:
            self._h_min = value
        else:
            (self._t if i == -1 else self._h)[0] = value

    def state(self) -> np.ndarray:
        return self._y.copy()

    def _derivatives(self) -> None:
        derivatives = np.asarray(self._f(float(self._t[0]), self._y), dtype=np.float64)
        if derivatives.shape != self._dydt.shape:
            raise ValueError(
                f"the derivatives function returned {derivatives.shape} values where {self._dydt.shape} were wanted"
            )
        self._dydt[:] = derivatives

    def step(self) -> None:
        lib.TkClearError()
        self._k[0] = _STEP_COUNT
        ok = lib.Rkf(
            self._y.size, self._t, self._h, self._abs_tol, self._rel_tol, self._h_min, self._derivatives, self._y,
            self._dydt, self._k,
        )
        if not ok:
            check_error_state("Rkf")
            raise KelvoError(_FAILED_STEP, "The step became smaller than h_min", "Rkf")


class ODE:
    """A set of ordinary differential equations y' = f(t, y), solved step by step by the
    Runge-Kutta-Fehlberg 4(5) method with an adaptive step.

    Parameters
    ----------
    equations : mapping of str to str, or callable
        Either the states' names with their derivatives as formulae of the time and the
        states (at most 8 equations, names of at most 9 characters, letter case matters),
        evaluated by the library: ``{"x": "v", "v": "-x - 0.3*v"}``; or a function
        ``f(t, y) -> derivatives`` of up to 30 equations, which the library calls back (it must
        not change ``y``).
    y0 : mapping of str to float, or sequence of float
        The initial states: by name (formulae) or in order.
    t0 : float
        The initial time.
    time : str
        The name of the time in the formulae.
    abs_tol, rel_tol : float
        Each step keeps its error estimate within abs_tol + rel_tol * |y| in every equation.
    h : float
        The first step to try; the steps then adapt.
    h_min : float
        The smallest step allowed: a step that would need a smaller one fails.

    Raises
    ------
    KelvoError
        From a step: a formula code, 22010 (a formula set's failed step), 20901 or 20908 to
        20912 (Rkf's failures).

    Examples
    --------
    >>> ode = kelvo.ODE({"x": "v", "v": "-x"}, {"x": 1.0, "v": 0.0})
    >>> t, y = ode.solve(3.14159)
    >>> y[-1]
    array([-1.0000...,  0.0000...])
    """

    def __init__(
        self,
        equations: Union[Mapping[str, str], Derivatives],
        y0: Union[Mapping[str, float], Sequence[float]],
        *,
        t0: float = 0.0,
        time: str = "t",
        abs_tol: float = 1e-8,
        rel_tol: float = 1e-8,
        h: float = 1e-4,
        h_min: float = 1e-12,
    ) -> None:
        abs_tol, rel_tol = real(abs_tol, "abs_tol"), real(rel_tol, "rel_tol")
        self._steps: Union[_FormulaSteps, _FunctionSteps]
        if isinstance(equations, Mapping):
            if not 1 <= len(equations) <= _MOST_FORMULA_EQUATIONS:
                raise ValueError(f"a set of formulae holds 1 to {_MOST_FORMULA_EQUATIONS} equations")
            self._steps = _FormulaSteps(equations, time, abs_tol, rel_tol)
        elif callable(equations):
            n = len(y0)
            if not 1 <= n <= _MOST_EQUATIONS:
                raise ValueError(f"a set holds 1 to {_MOST_EQUATIONS} equations, not {n}")
            self._steps = _FunctionSteps(equations, n, abs_tol, rel_tol)
        else:
            raise TypeError(f"equations must be a mapping of formulae or a callable, not {equations!r}")
        self._steps.set_value(-1, real(t0, "t0"))
        self._steps.set_value(-2, real(h, "h"))
        self._steps.set_value(-3, real(h_min, "h_min"))
        self.y = _initial_states(y0, self._steps.names)

    @property
    def names(self) -> tuple[str, ...]:
        """The states' names (``y0``, ``y1`` ... for a function)."""
        return self._steps.names

    @property
    def t(self) -> float:
        """The time reached."""
        return self._steps.value(-1)

    @property
    def y(self) -> np.ndarray:
        """The states at the time reached (a copy)."""
        return self._steps.state()

    @y.setter
    def y(self, values: ArrayLike) -> None:
        states = np.asarray(values, dtype=np.float64)
        if states.shape != (len(self.names),):
            raise ValueError(f"the set has {len(self.names)} states, not {states.shape}")
        for i, value in enumerate(states, start=1):
            self._steps.set_value(i, float(value))

    def step(self, t_end: Optional[float] = None) -> float:
        """Takes one accepted step, shortened so as not to pass t_end; returns the new time."""
        if t_end is not None:
            remaining = real(t_end, "t_end") - self.t
            if 0 < remaining < self._steps.value(-2):
                self._steps.set_value(-2, remaining)
        self._steps.step()
        return self.t

    def solve(self, t_end: float, max_steps: int = 1_000_000) -> tuple[np.ndarray, np.ndarray]:
        """Steps on from the time reached to t_end.

        Returns
        -------
        t : numpy.ndarray
            The times of the start and of every step, the last one t_end.
        y : numpy.ndarray
            The states at those times, one row each.

        Raises
        ------
        KelvoError
            When a step fails, or after max_steps steps short of t_end (code 22010).
        """
        t_end = real(t_end, "t_end")
        if t_end < self.t:
            raise ValueError(f"t_end {t_end} lies before the time reached, {self.t}")
        times, states = [self.t], [self.y]
        # Each step ends on t_end or before it; what rounding leaves over is no step.
        reached = max(abs(t_end), 1.0) * 1e-14
        while t_end - self.t > reached:
            if len(times) > max_steps:
                raise KelvoError(_FAILED_STEP, f"t_end not reached in {max_steps} steps", "TkODESolve")
            times.append(self.step(t_end))
            states.append(self.y)
        return np.array(times), np.array(states)


def _ode_name(name: object, kind: str) -> str:
    if not isinstance(name, str) or not name:
        raise TypeError(f"the {kind} name must be a non-empty text, not {name!r}")
    if len(name) > _ODE_NAME_LENGTH:
        raise ValueError(f"the {kind} name {name!r} is longer than {_ODE_NAME_LENGTH} characters")
    return name


def _initial_states(y0: Union[Mapping[str, float], Sequence[float]], names: tuple[str, ...]) -> list[float]:
    if isinstance(y0, Mapping):
        if set(y0) != set(names):
            raise ValueError(f"y0 must give the states {names}, not {tuple(y0)}")
        return [real(y0[name], f"y0[{name!r}]") for name in names]
    values = [real(v, "y0") for v in y0]
    if len(values) != len(names):
        raise ValueError(f"y0 holds {len(values)} states, not {len(names)}")
    return values
