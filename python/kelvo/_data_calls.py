"""The data calls of kelvolib.h: the caller's own memory, of any length, never copied.

FIXME: TkDrawHistogramData, TkDrawContoursData, TkDrawSurfaceData, TkEvaluateData1 and
TkEvaluateData2 are being added to kelvolib.h. Until the library that kelvo.lib binds has
them, the methods built on them raise NotImplementedError naming the call; once they are
there, data_call(name) is lib.name.
"""

from __future__ import annotations

from typing import Any, Callable

from . import lib


def data_call(name: str) -> Callable[..., Any]:
    """The binding of the data call name."""
    try:
        return getattr(lib, name)
    except AttributeError:
        raise NotImplementedError(f"{name} is not in this build of KelvoLib yet") from None
