"""Numbers from the caller as the arrays that the library reads in place."""

from __future__ import annotations

import numbers
from typing import Optional

import numpy as np
from numpy.typing import ArrayLike


def float64_array(values: ArrayLike, name: str, ndim: int = 1) -> np.ndarray:
    """values as a C-contiguous float64 array of ndim dimensions: the very array, without a
    copy, when it is one already; a converted copy otherwise.

    Raises TypeError for values that are not real numbers, ValueError for another number of
    dimensions.
    """
    if isinstance(values, (str, bytes)):
        raise TypeError(f"{name} must be numbers, not a text")
    try:
        array = np.ascontiguousarray(values, dtype=np.float64) if not np.iscomplexobj(values) else None
    except (TypeError, ValueError) as error:
        raise TypeError(f"{name} must be real numbers convertible to float64: {error}") from None
    if array is None:
        raise TypeError(f"{name} must be real numbers, not complex ones")
    if array.ndim != ndim:
        raise ValueError(f"{name} must have {ndim} dimension{'s' if ndim > 1 else ''}, not {array.ndim}")
    return array


def optional_float64_array(values: Optional[ArrayLike], name: str, length: int) -> Optional[np.ndarray]:
    """None, or values as float64_array() makes them, checked to hold length numbers."""
    if values is None:
        return None
    array = float64_array(values, name)
    if array.size != length:
        raise ValueError(f"{name} holds {array.size} numbers where {length} are needed")
    return array


def real(value: object, name: str) -> float:
    """A real number as float; TypeError for anything else (bools included)."""
    if isinstance(value, bool) or not isinstance(value, numbers.Real):
        raise TypeError(f"{name} must be a real number, not {value!r}")
    return float(value)


def integer(value: object, name: str, low: int, high: int) -> int:
    """An integer within low..high: TypeError for another type, ValueError outside."""
    if isinstance(value, bool) or not isinstance(value, numbers.Integral):
        raise TypeError(f"{name} must be an integer, not {value!r}")
    if not low <= int(value) <= high:
        raise ValueError(f"{name} must lie in {low}..{high}, not {value}")
    return int(value)


def interval(value: object, name: str) -> tuple[float, float]:
    """A pair (a, b) of real numbers."""
    if not isinstance(value, (tuple, list)) or len(value) != 2:
        raise TypeError(f"{name} must be a pair (low, high), not {value!r}")
    return real(value[0], f"{name}[0]"), real(value[1], f"{name}[1]")
