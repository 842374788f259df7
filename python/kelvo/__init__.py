"""kelvo: KelvoLib in Python.

Graphs drawn by the library in memory, from numpy arrays, formulae and Python functions,
read back as numpy arrays and saved as PNG, SVG or PDF files (and shown in Jupyter or in a
window); formulae evaluated on numpy arrays; root finding, minimisation, Romberg
integration, the FFT and ODE sets. ``kelvo.lib`` is the C interface itself, one function per
export of kelvolib.h and kelvoplatform.h.

Examples
--------
>>> import kelvo, numpy as np
>>> x = np.linspace(0, 2 * np.pi, 200)
>>> kelvo.Graph().plot(x, np.sin(x)).titles(x="x", y="sin x").save("sine.png")
"""

from . import lib
from ._colours import NAMED_COLOURS, colour_value
from ._errors import KelvoError, KelvoWarning
from .array import Array
from .formula import Formula
from .graph import Graph
from .numerics import fft, fmin, romberg, zeroin
from .ode import ODE

_version = lib.TkGetVersion()
__version__ = f"{_version // 100}.{_version // 10 % 10}.{_version % 10}"

__all__ = [
    "Array", "Formula", "Graph", "KelvoError", "KelvoWarning", "NAMED_COLOURS", "ODE",
    "colour_value", "fft", "fmin", "lib", "romberg", "zeroin",
]  # fmt: skip
