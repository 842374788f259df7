"""Formulae of one or two variables, evaluated by the library on floats and numpy arrays."""

from __future__ import annotations

from typing import Mapping, Optional, Sequence, Union

import numpy as np
from numpy.typing import ArrayLike

from . import lib
from ._arrays import real
from ._errors import KelvoError, check, library_message
from ._parameters import parameter_graph

# Names the library tells apart by their first 8 characters only, in lists of at most 12.
_NAME_LENGTH = 8
_MOST_PARAMETERS = 12
_COMPILE_CODES = set(range(10400, 10414)) | {10425, 1}


class Formula:
    """A formula such as ``"a*sin(x)"`` of one or two variables and named parameters.

    The text is compiled when the formula is made, so that a wrong one fails at once; calling
    the formula evaluates it with the library's checked arithmetic, element by element on
    numpy arrays (broadcast together) or on single numbers.

    Parameters
    ----------
    text : str
        The formula: numbers, ``+ - * / ^``, brackets, ``pi`` and the functions exp, log
        (base 10), ln, sqrt, sin, cos, tan, atan, acos, asin, cosh, sinh, tanh, abs, rnd
        and fnH. Names do not depend on letter case.
    variables : sequence of str
        The names of its one or two variables, ``("x",)`` unless given.
    params : mapping of str to float, optional
        Named constants the formula may use.

    Raises
    ------
    KelvoError
        When the text does not compile with these names (codes 10400 to 10413, 10425 for a
        name given twice or named like ``pi`` or a function).
    TypeError, ValueError
        For arguments of the wrong type, no variables or more than two, or names longer
        than 8 characters (the library tells names apart by their first 8).

    Examples
    --------
    >>> f = kelvo.Formula("a*sin(x)", params={"a": 2})
    >>> f(np.pi / 2)
    2.0
    >>> g = kelvo.Formula("x^2 + y^2", variables=("x", "y"))
    >>> g(np.array([1.0, 2.0]), 1.0)
    array([2., 5.])
    """

    def __init__(
        self, text: str, variables: Sequence[str] = ("x",), params: Optional[Mapping[str, float]] = None
    ) -> None:
        if not isinstance(text, str):
            raise TypeError(f"the formula must be a text, not {text!r}")
        if isinstance(variables, str):
            variables = (variables,)
        self._variables = tuple(_name(v, "variable") for v in variables)
        if not 1 <= len(self._variables) <= 2:
            raise ValueError(f"a formula has one or two variables, not {len(self._variables)}")
        self._params = {_name(k, "parameter"): real(v, f"parameter {k}") for k, v in (params or {}).items()}
        if len(self._params) + len(self._variables) > _MOST_PARAMETERS:
            raise ValueError(f"a formula has at most {_MOST_PARAMETERS} names with its variables")
        self._text = text
        self._compile()

    @property
    def text(self) -> str:
        return self._text

    @property
    def variables(self) -> tuple[str, ...]:
        return self._variables

    @property
    def params(self) -> dict[str, float]:
        return dict(self._params)

    def __repr__(self) -> str:
        params = f", params={self._params!r}" if self._params else ""
        return f"kelvo.Formula({self._text!r}, variables={self._variables!r}{params})"

    def _compile(self) -> None:
        # The variables stand in as parameters here: the library compiles the text once with
        # every name it may use and reports the first error in it.
        names = dict(self._params)
        names.update((v, 0.0) for v in self._variables)
        graph = parameter_graph(names)
        if len(names) < len(self._params) + len(self._variables):
            raise KelvoError(10425, library_message(10425), "TkCompileEx0")
        check(lib.TkCompileEx0(graph, self._text), "TkCompileEx0")

    def __call__(
        self, *values: ArrayLike, out: Optional[np.ndarray] = None, errors: str = "raise"
    ) -> Union[float, np.ndarray]:
        """Evaluates the formula at values, one per variable.

        Parameters
        ----------
        *values : float or array_like
            The variables' values, broadcast together.
        out : numpy.ndarray, optional
            A C-contiguous float64 array of the broadcast shape that receives the results in
            place (the library writes it directly).
        errors : {"raise", "ignore"}
            Where the evaluation fails at some points (division by zero, the logarithm of a
            negative number ...): raise KelvoError with the code of the last failure, or give
            0 there and keep the other results.

        Returns
        -------
        float or numpy.ndarray
            A float when every value is a number, else an array of the broadcast shape.
        """
        if len(values) != len(self._variables):
            raise TypeError(f"the formula takes {len(self._variables)} values, not {len(values)}")
        if errors not in ("raise", "ignore"):
            raise ValueError(f"errors must be 'raise' or 'ignore', not {errors!r}")
        try:
            points = [np.asarray(v, dtype=np.float64) for v in values]
        except (TypeError, ValueError) as error:
            raise TypeError(f"the formula's values must be real numbers: {error}") from None
        shape = np.broadcast_shapes(*(p.shape for p in points))
        inputs = [np.ascontiguousarray(np.broadcast_to(p, shape)) for p in points]
        result = _output(out, shape)
        graph = parameter_graph(self._params)
        if len(inputs) == 1:
            code = lib.TkEvaluateData1(graph, self._text, self._variables[0], inputs[0], result, result.size)
        else:
            code = lib.TkEvaluateData2(
                graph, self._text, self._variables[0], self._variables[1], inputs[0], inputs[1], result, result.size
            )
        if code in _COMPILE_CODES or errors == "raise":
            check(code, "TkEvaluateData1" if len(inputs) == 1 else "TkEvaluateData2")
        if not shape and out is None:
            return float(result)
        return result


def _name(name: object, kind: str) -> str:
    if not isinstance(name, str) or not name.strip():
        raise TypeError(f"a {kind} name must be a non-empty text, not {name!r}")
    if len(name.strip()) > _NAME_LENGTH:
        raise ValueError(f"the {kind} name {name!r} is longer than {_NAME_LENGTH} characters")
    return name.strip()


def _output(out: Optional[np.ndarray], shape: tuple[int, ...]) -> np.ndarray:
    if out is None:
        return np.empty(shape, dtype=np.float64)
    if not isinstance(out, np.ndarray) or out.dtype != np.float64 or not out.flags.c_contiguous:
        raise TypeError("out must be a C-contiguous float64 numpy array")
    if out.shape != shape:
        raise ValueError(f"out has the shape {out.shape}, not the values' shape {shape}")
    if not out.flags.writeable:
        raise ValueError("out must be writeable")
    return out
