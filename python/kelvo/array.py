"""Library arrays (TkNewArray1/2/3) whose data are numpy arrays, shared without a copy."""

from __future__ import annotations

import numpy as np
from numpy.typing import ArrayLike

from . import lib
from ._arrays import float64_array, integer
from ._errors import check_error_state

_NEW_ARRAY = {1: lib.TkNewArray1, 2: lib.TkNewArray2, 3: lib.TkNewArray3}
# The library refuses arrays whose data would take more than this.
_MOST_BYTES = 1_000_000


class _ArrayMemory:
    """The data of one library array, lent to numpy. It disposes of the library array when
    the last numpy array that uses the data is gone, so no array ever outlives its data."""

    def __init__(self, handle: int, shape: tuple[int, ...]) -> None:
        self.handle = handle
        self.__array_interface__ = {
            "data": (lib.TkGetArrayAddress(handle), False),
            "shape": shape,
            "typestr": "<f8",
            "version": 3,
        }

    def __del__(self) -> None:
        lib.TkDisposeArray(self.handle)


class Array:
    """A library array of reals, for the calls of ``kelvo.lib`` that take ``TkArray`` handles.

    ``values`` is a numpy array of the library's own memory: writing it writes the library
    array, and the library's writes show in it. Indices of ``values`` start at 0 where the
    library's start at 1; the last index varies fastest in both. The library array lives as
    long as the ``Array`` or any numpy array made from ``values``.

    Parameters
    ----------
    *shape : int
        One, two or three extents; the data may take at most 1,000,000 bytes.

    Raises
    ------
    ValueError
        For no extents, more than three, an extent below 1, or too much data.

    Examples
    --------
    >>> a = kelvo.Array(3)
    >>> a.values[:] = [1.0, 2.0, 3.0]
    >>> kelvo.lib.TkGetArray1(a.handle, 2)
    2.0
    """

    def __init__(self, *shape: int) -> None:
        if not 1 <= len(shape) <= 3:
            raise ValueError(f"an array has one, two or three extents, not {len(shape)}")
        extents = tuple(integer(n, "extent", 1, _MOST_BYTES // 8) for n in shape)
        if 8 * int(np.prod(extents)) > _MOST_BYTES:
            raise ValueError(f"an array of {extents} would take more than {_MOST_BYTES} bytes")
        handle = _NEW_ARRAY[len(extents)](*extents)
        if handle == 0:
            check_error_state(f"TkNewArray{len(extents)}")
        self.values: np.ndarray = np.asarray(_ArrayMemory(handle, extents))

    @classmethod
    def of(cls, values: ArrayLike) -> "Array":
        """A new library array holding a copy of values (one to three dimensions)."""
        data = np.asarray(values, dtype=np.float64)
        array = cls(*data.shape)
        array.values[...] = data
        return array

    @property
    def handle(self) -> int:
        """The ``TkArray`` handle."""
        memory = self.values.base
        assert isinstance(memory, _ArrayMemory)
        return memory.handle

    @property
    def shape(self) -> tuple[int, ...]:
        return self.values.shape

    def __len__(self) -> int:
        return self.values.shape[0]

    def __repr__(self) -> str:
        return f"kelvo.Array({', '.join(map(str, self.shape))}, handle={self.handle:#x})"


def as_array(values: ArrayLike, name: str) -> Array:
    """A one-dimensional library array holding values."""
    return Array.of(float64_array(values, name))
