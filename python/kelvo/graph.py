"""Graphs on offscreen hosts: pictures drawn by the library, read as numpy arrays and files."""

from __future__ import annotations

import itertools
import math
import os
import sys
import tempfile
import weakref
from typing import Callable, Optional, Union

import numpy as np
from numpy.typing import ArrayLike

from . import lib
from ._arrays import float64_array, integer, interval, optional_float64_array, real
from ._colours import ColourLike, colour_value
from ._errors import check, warn
from .array import as_array
from .formula import Formula

Mark = Union[int, str]
Curve = Union[str, Formula, Callable[[float], float]]

# Drawing goes to the graph's retained image only and reaches its window when it is read:
# nothing is drawn twice.
_DELAY_REDRAW = 4
_LARGEST_SIDE = 16384

_AXIS_KINDS = {"open": 1, "corner": 2, "box": 3}
_GRIDS = {False: 0, None: 0, True: 1, "major": 1, "both": 2}
_FACES = {"times": 1, "helvetica": 2, "terminal": 3, "symbol": 4, "courier": 5}
_FONT_STYLES = {"normal": 1, "bold": 2, "italic": 3, "bold italic": 4}
_ALIGNMENTS = {"left": 1, "right": 2, "center": 3, "centre": 3}
_ROTATIONS = {0: 1, 90: 2, 180: 3, 270: 4}
_SYMBOLS = {
    "": 0, "none": 0, ".": 1, "dot": 1, "+": 2, "plus": 2, "x": 3, "cross": 3, "s": 4, "square": 4,
    "^": 5, "triangle": 5, "o": 6, "circle": 6, "filled square": 7, "filled triangle": 8, "filled circle": 9,
}
_JOINED = 10
_SURFACE_STYLES = {"wire": 3, "hidden": 4}
_REVOLUTION_STYLES = {"parallels": 2, "wire": 3, "hidden": 4, "horizon": 5}
_CONTOUR_VIEWS = {"keep": 0, "plane": 1, "3d": 2}
# Graph parameters, graph colours and title references of the library.
_AXIS_TYPE, _GRID_MODE, _TITLE_ROOM = 131, 140, 143
_SYMBOL_COLOUR = 14
_TITLES = {"x": 4, "y": 5, "z": 6, "graph": 7}
_FIT, _DRAW_AXES = 1, 2
# The colours that plots take in turn when none is given: matplotlib's "tab10".
_COLOUR_CYCLE = ("#1f77b4", "#ff7f0e", "#2ca02c", "#d62728", "#9467bd",
                 "#8c564b", "#e377c2", "#7f7f7f", "#bcbd22", "#17becf")  # fmt: skip


def _close(graph: int, host: int) -> None:
    lib.TkCloseGraph(graph)
    lib.KpDestroyWindow(host)


def _choice(table: dict, value: object, name: str) -> int:
    try:
        return table[value.lower() if isinstance(value, str) else value]
    except (KeyError, TypeError):
        names = ", ".join(repr(k) for k in table if k is not None)
        raise ValueError(f"{name} must be one of {names}, not {value!r}") from None


def _symbol(mark: Mark) -> int:
    """The library's symbol code (0..9) of a mark."""
    if isinstance(mark, str):
        return _choice(_SYMBOLS, mark.strip(), "mark")
    return integer(mark, "mark", 0, 9)


def _mark(mark: Mark) -> int:
    """The library's mark (symbol, plus 10 for lines) of an integer or a matplotlib-style
    text: a symbol (".", "+", "x", "s", "^", "o" or a name) with "-" for lines ("o-")."""
    if isinstance(mark, str):
        joined = "-" in mark
        return _symbol(mark.replace("-", "")) + (_JOINED if joined else 0)
    return integer(mark, "mark", 0, 19)


class Graph:
    """A graph of its own size on an offscreen host: the library draws it in memory.

    Drawing methods return the graph, so that calls chain; the first plot fits the ranges
    to its data and draws the axes unless ``ranges()`` and ``axes()`` came first (or ``fit``
    and ``axes`` say otherwise). A graph closes when it is garbage, at ``close()`` or at
    the end of a ``with`` block.

    Parameters
    ----------
    width, height : int
        The size in pixels.
    style : int
        The library's colour style: 1 black on white, 2 white on black, 0 the library's own
        (green and teal on black).

    Examples
    --------
    >>> x = np.linspace(0, 10, 500)
    >>> kelvo.Graph(640, 480).plot(x, np.sin(x)).titles(x="t", y="sin t").save("sine.svg")
    """

    def __init__(self, width: int = 800, height: int = 600, style: int = 1) -> None:
        self._width = integer(width, "width", 1, _LARGEST_SIDE)
        self._height = integer(height, "height", 1, _LARGEST_SIDE)
        style = integer(style, "style", -(2**31), 2**31 - 1)
        host = lib.KpCreateHeadlessHost(self._width, self._height)
        graph = lib.TkOpenGraph(host, 0, 0, self._width, self._height, _DELAY_REDRAW) if host else 0
        if graph == 0:
            lib.KpDestroyWindow(host)
            raise MemoryError(f"kelvo: no graph of {self._width} x {self._height} pixels could be made")
        self._graph = graph
        self._closer = weakref.finalize(self, _close, graph, host)
        self._colours = itertools.cycle(_COLOUR_CYCLE)
        self._blank = True
        self._fit_pending = True
        self._axes_pending = True
        self._axes_drawn = False
        lib.TkKelvoStyle(graph, style)
        lib.TkClearWindow(graph)
        lib.TkSetScales(graph)

    # ---- lifetime -----------------------------------------------------------------------

    def close(self) -> None:
        """Closes the graph and frees what the library keeps for it; later calls raise."""
        self._closer()

    @property
    def closed(self) -> bool:
        return not self._closer.alive

    def __enter__(self) -> "Graph":
        return self

    def __exit__(self, *exception: object) -> None:
        self.close()

    @property
    def handle(self) -> int:
        """The ``TkGraph`` of the graph, for the calls of ``kelvo.lib``."""
        if self.closed:
            raise ValueError("the graph is closed")
        return self._graph

    @property
    def width(self) -> int:
        return self._width

    @property
    def height(self) -> int:
        return self._height

    def __repr__(self) -> str:
        state = "closed" if self.closed else f"graph {self._graph:#x}"
        return f"<kelvo.Graph {self._width}x{self._height}, {state}>"

    # ---- pictures -----------------------------------------------------------------------

    def _publish(self) -> int:
        graph = self.handle
        lib.TkDispatchToWindow(graph)
        lib.KpUpdate()
        return lib.TkGetGraphHWnd(graph)

    def pixels(self) -> np.ndarray:
        """What the graph shows, as a (height, width, 4) uint8 RGBA array (alpha 255)."""
        colours = np.empty((self._height, self._width), dtype=np.uint32)
        check(lib.KpGetPixels(self._publish(), 0, 0, self._width, self._height, colours), "KpGetPixels")
        if sys.byteorder == "big":
            colours.byteswap(inplace=True)
        rgba = colours.view(np.uint8).reshape(self._height, self._width, 4)
        rgba[..., 3] = 255
        return rgba

    def save(self, path: Union[str, os.PathLike]) -> "Graph":
        """Saves the graph as a PNG, SVG or PDF file, chosen by the extension (as TkSaveGraph).

        SVG and PDF hold lines, shapes and text as vector graphics. The file is written
        under a temporary name and renamed, so a failed save leaves nothing.

        Raises
        ------
        KelvoError
            25002 when nothing was drawn, 25003 for an unknown extension, 25004 when the
            file cannot be written.
        """
        check(lib.TkSaveGraph(self.handle, os.fspath(path)), "TkSaveGraph")
        return self

    def _picture_file(self, extension: str) -> Optional[bytes]:
        with tempfile.TemporaryDirectory(prefix="kelvo-") as folder:
            path = os.path.join(folder, "graph" + extension)
            if extension == ".png":
                written = lib.KpSavePng(self._publish(), path) == 0
            else:
                written = lib.TkSaveGraph(self.handle, path) == 0
            if not written:
                return None
            with open(path, "rb") as file:
                return file.read()

    def _repr_png_(self) -> Optional[bytes]:
        """The picture as PNG, for Jupyter."""
        return self._picture_file(".png")

    def _repr_svg_(self) -> Optional[str]:
        """The picture as SVG, for Jupyter; None while nothing is drawn."""
        svg = self._picture_file(".svg")
        return None if svg is None else svg.decode("utf-8")

    def show(self, title: str = "kelvo", block: bool = True, timeout: Optional[float] = None):
        """Shows the graph in a window (KelvoQt) when a display exists.

        Parameters
        ----------
        title : str
            The window's title.
        block : bool
            Return when the window is closed (True), or at once with the window open.
        timeout : float, optional
            With block, close the window after this many seconds.

        Returns
        -------
        kelvo.window.Window or None
            The window, or None (with a KelvoWarning saying why) when there is no display
            or the package was built without KelvoQt.
        """
        from .window import show

        return show(self, title=title, block=block, timeout=timeout)

    # ---- settings -----------------------------------------------------------------------

    def clear(self) -> "Graph":
        """Clears the picture; the settings stay, and the next plot draws the axes again."""
        lib.TkClearWindow(self.handle)
        self._blank, self._axes_pending, self._axes_drawn = True, True, False
        return self

    def ranges(
        self,
        x: Optional[tuple[float, float]] = None,
        y: Optional[tuple[float, float]] = None,
        z: Optional[tuple[float, float]] = None,
    ) -> "Graph":
        """Sets the axes' ranges, widened to nice values; a range not given stays.

        Plots then draw in these ranges instead of fitting their own.
        """
        graph = self.handle
        zoom = lib.TkGetActualZoom(graph)
        x1, x2 = interval(x, "x") if x is not None else (zoom.XMin, zoom.XMax)
        y1, y2 = interval(y, "y") if y is not None else (zoom.YMin, zoom.YMax)
        if z is None:
            lib.TkSetRanges(graph, x1, x2, y1, y2)
        else:
            lib.TkSetRanges3(graph, x1, x2, y1, y2, *interval(z, "z"))
        warn(lib.TkSetScales(graph), "TkSetScales")
        self._fit_pending = False
        return self

    def view(self, theta: float = 60.0, phi: float = -75.0) -> "Graph":
        """Sets the 3D view: theta tilts the line of sight from the z axis, phi turns the
        picture about it, in degrees. ``view()`` is the library's standard 3D view,
        ``view(0, -90)`` the plain 2D view."""
        graph = self.handle
        lib.TkSetViewangles(graph, math.radians(real(theta, "theta")), math.radians(real(phi, "phi")))
        warn(lib.TkSetScales(graph), "TkSetScales")
        return self

    def axes(self, kind: str = "open", grid: Union[bool, str] = False, labels: bool = True) -> "Graph":
        """Draws the axes with their pips, and the titles set so far.

        Parameters
        ----------
        kind : {"open", "corner", "box"}
            Axes crossing at the origin, along two edges, or a box around the plot.
        grid : bool or {"major", "both"}
            A grid at the primary pips (True, "major"), or at the secondary ones too.
        labels : bool
            Numbers at the primary pips.
        """
        graph = self.handle
        lib.TkSetGraphParam(graph, _AXIS_TYPE, _choice(_AXIS_KINDS, kind, "kind"))
        lib.TkSetGraphParam(graph, _GRID_MODE, _choice(_GRIDS, grid, "grid"))
        lib.TkDrawAxes(graph)
        if labels:
            lib.TkLabelAxes(graph)
        self._blank, self._axes_pending, self._axes_drawn = False, False, True
        return self

    def titles(
        self, x: Optional[str] = None, y: Optional[str] = None, z: Optional[str] = None, graph: Optional[str] = None
    ) -> "Graph":
        """Sets the axis titles and the graph's title, which the axes draw.

        Given before anything is drawn, the titles get room of their own beside the plot
        (the scales are made again); once the axes are drawn, titles are drawn at once.
        """
        handle = self.handle
        titles = {name: text for name, text in (("x", x), ("y", y), ("z", z), ("graph", graph)) if text is not None}
        for name, text in titles.items():
            if not isinstance(text, str):
                raise TypeError(f"the {name} title must be a text, not {text!r}")
        for name, text in titles.items():
            lib.TkSetTitleString(handle, _TITLES[name], text)
            if self._axes_drawn:
                lib.TkGraphTitle(handle, _TITLES[name], text)
        if titles and self._blank:
            lib.TkSetGraphParam(handle, _TITLE_ROOM, 1)
            warn(lib.TkSetScales(handle), "TkSetScales")
        return self

    def text(
        self,
        x: float,
        y: float,
        s: str,
        *,
        z: Optional[float] = None,
        size: int = 10,
        colour: Optional[ColourLike] = None,
        align: str = "left",
        rotation: int = 0,
        font: str = "helvetica",
        style: str = "normal",
        pixels: bool = False,
    ) -> "Graph":
        """Writes a text with its baseline's start (or end, or middle) at a point.

        Parameters
        ----------
        x, y : float
            The point in user coordinates, or window pixels with ``pixels=True``.
        s : str
            The text.
        z : float, optional
            The point's z, in a 3D view.
        size : int
            The size in points.
        colour : colour, optional
            Its colour; the graph's text colour unless given.
        align : {"left", "right", "center"}
            Which part of the text lies at the point.
        rotation : {0, 90, 180, 270}
            Degrees anticlockwise.
        font : {"helvetica", "times", "courier", "symbol", "terminal"}
        style : {"normal", "bold", "italic", "bold italic"}
        """
        graph = self.handle
        if not isinstance(s, str):
            raise TypeError(f"the text must be a str, not {s!r}")
        if pixels:
            ix, iy = integer(x, "x", -30000, 30000), integer(y, "y", -30000, 30000)
        else:
            ux, uy = real(x, "x"), real(y, "y")
            if z is None:
                ix, iy = lib.TkUserToWindowX(graph, ux, uy), lib.TkUserToWindowY(graph, ux, uy)
            else:
                uz = real(z, "z")
                ix, iy = lib.TkUserToWindowX3(graph, ux, uy, uz), lib.TkUserToWindowY3(graph, ux, uy, uz)
        lib.TkFont2(
            graph, _choice(_FACES, font, "font"), _choice(_FONT_STYLES, style, "style"),
            integer(size, "size", 1, 1000), _choice(_ROTATIONS, rotation, "rotation"),
        )
        lib.TkTextJustified(graph, _choice(_ALIGNMENTS, align, "align"))
        if colour is not None:
            lib.TkTextColor(graph, colour_value(colour))
        lib.TkGpText(graph, ix, iy, s)
        self._blank = False
        return self

    # ---- plots --------------------------------------------------------------------------

    def _colour(self, colour: Optional[ColourLike], name: str = "colour") -> int:
        return colour_value(next(self._colours) if colour is None else colour, name)

    def _sides(self, colour: Optional[ColourLike], lower_colour: Optional[ColourLike]) -> tuple[int, int]:
        """The colours of a surface's upper and lower sides, the lower one the upper unless given."""
        upper = self._colour(colour)
        return upper, upper if lower_colour is None else colour_value(lower_colour, "lower_colour")

    def _option(self, fit: Optional[bool], axes: Optional[bool]) -> int:
        fit = self._fit_pending if fit is None else bool(fit)
        axes = self._axes_pending if axes is None else bool(axes)
        return (_FIT if fit else 0) | (_DRAW_AXES if axes else 0)

    def _drawn(self, code: int, call: str, option: int) -> "Graph":
        check(code, call)
        self._blank = self._fit_pending = self._axes_pending = False
        self._axes_drawn = self._axes_drawn or bool(option & _DRAW_AXES)
        return self

    def curve(
        self,
        f: Curve,
        x: Optional[tuple[float, float]] = None,
        n: int = 200,
        colour: Optional[ColourLike] = None,
        fit: Optional[bool] = None,
        axes: Optional[bool] = None,
    ) -> "Graph":
        """Draws the curve y = f(x), sampled at n points and refined where it bends.

        Parameters
        ----------
        f : str, Formula or callable
            A formula text in ``x``, a Formula of one variable (its parameters become the
            graph's), or a Python function ``f(x) -> float``.
        x : (float, float), optional
            The interval; the x range of the graph unless given.
        n : int
            The number of samples, 2 or more.
        colour : colour, optional
            The next colour of the cycle unless given.
        fit, axes : bool, optional
            Fit the ranges to the curve first; draw the axes first. Both by default for the
            graph's first plot, unless ranges() or axes() came before.

        Raises
        ------
        KelvoError
            A formula or plotting code (20802 for n < 2, 20803 for an empty interval).
        Exception
            Whatever a Python f raised.

        Examples
        --------
        >>> kelvo.Graph().curve("sin(x)/x", x=(0.1, 10), n=200)
        """
        graph = self.handle
        if x is None:
            zoom = lib.TkGetActualZoom(graph)
            x1, x2 = zoom.XMin, zoom.XMax
        else:
            x1, x2 = interval(x, "x")
        n = integer(n, "n", -(2**31), 2**31 - 1)
        colour, option = self._colour(colour), self._option(fit, axes)
        if isinstance(f, str):
            return self._drawn(lib.TkDrawCurve1(graph, f, "x", x1, x2, n, colour, option), "TkDrawCurve1", option)
        if isinstance(f, Formula):
            if len(f.variables) != 1:
                raise ValueError(f"{f!r} has two variables; a curve needs one")
            lib.TkClearParaList(graph)
            for name, value in f.params.items():
                lib.TkAddParaList(graph, name, value)
            code = lib.TkDrawCurve1(graph, f.text, f.variables[0], x1, x2, n, colour, option)
            return self._drawn(code, "TkDrawCurve1", option)
        if callable(f):
            return self._drawn(lib.TkDrawCurveFunc1(graph, f, x1, x2, n, colour, option), "TkDrawCurveFunc1", option)
        raise TypeError(f"f must be a formula text, a kelvo.Formula or a callable, not {f!r}")

    def plot(
        self,
        x: ArrayLike,
        y: Optional[ArrayLike] = None,
        mark: Mark = 10,
        colour: Optional[ColourLike] = None,
        fit: Optional[bool] = None,
        axes: Optional[bool] = None,
    ) -> "Graph":
        """Plots the points (x[i], y[i]), joined by lines and/or marked by symbols.

        Parameters
        ----------
        x, y : array_like
            The points, of any length; ``plot(y)`` takes x = 0, 1, 2 ... Contiguous float64
            arrays are read in place, without a copy; anything else convertible to float64
            is converted first. A value that is not finite leaves a gap.
        mark : int or str
            The library's mark: a symbol 0..9 (0 none, 1 dot, 2 plus, 3 cross, 4 square,
            5 triangle, 6 circle, 7..9 filled square, triangle, circle), plus 10 to join the
            points; or a text such as ``"-"`` (lines), ``"o"`` (circles) or ``"o-"`` (both).
        colour : colour, optional
            The next colour of the cycle unless given.
        fit, axes : bool, optional
            As for curve().

        Raises
        ------
        TypeError, ValueError
            For values that are not real numbers, or x and y of different lengths.
        KelvoError
            A plotting code.
        """
        graph = self.handle
        if y is None:
            x, y = None, x
        ys = float64_array(y, "y")
        xs = optional_float64_array(x, "x", ys.size)
        mark, colour, option = _mark(mark), self._colour(colour), self._option(fit, axes)
        code = lib.TkDrawData1(graph, xs, ys, ys.size, mark, colour, option)
        return self._drawn(code, "TkDrawData1", option)

    def plot3(
        self,
        x: ArrayLike,
        y: ArrayLike,
        z: ArrayLike,
        mark: Mark = 10,
        colour: Optional[ColourLike] = None,
        fit: Optional[bool] = None,
        axes: Optional[bool] = None,
    ) -> "Graph":
        """Plots the points (x[i], y[i], z[i]) in space, as plot() does in the plane; a mark
        of 10 or more draws lines only. Fitting the ranges also sets a 3D view."""
        graph = self.handle
        xs = float64_array(x, "x")
        ys = optional_float64_array(y, "y", xs.size)
        zs = optional_float64_array(z, "z", xs.size)
        mark, colour, option = _mark(mark), self._colour(colour), self._option(fit, axes)
        code = lib.TkDrawData3(graph, xs, ys, zs, xs.size, mark, colour, option)
        return self._drawn(code, "TkDrawData3", option)

    def hist(
        self,
        samples: ArrayLike,
        bins: int = 20,
        colour: Optional[ColourLike] = None,
        fit: Optional[bool] = None,
        axes: Optional[bool] = None,
    ) -> "Graph":
        """Draws the histogram of samples in bins equal bins over their finite range, as
        filled bars outlined in the pen's colour.

        Raises
        ------
        KelvoError
            20802 when no sample is finite.
        """
        graph = self.handle
        data = float64_array(samples, "samples")
        bins = integer(bins, "bins", 1, 2**31 - 1)
        colour, option = self._colour(colour), self._option(fit, axes)
        code = lib.TkDrawHistogramData(graph, data, data.size, bins, colour, option)
        return self._drawn(code, "TkDrawHistogramData", option)

    def _grid(self, z: ArrayLike, x: Optional[ArrayLike], y: Optional[ArrayLike]):
        zs = float64_array(z, "z", ndim=2)
        nx, ny = zs.shape
        return optional_float64_array(x, "x", nx), optional_float64_array(y, "y", ny), zs, nx, ny

    def contour(
        self,
        z: ArrayLike,
        x: Optional[ArrayLike] = None,
        y: Optional[ArrayLike] = None,
        levels: int = 20,
        z_range: Optional[tuple[float, float]] = None,
        view: str = "plane",
        colour: Optional[ColourLike] = None,
        fit: Optional[bool] = None,
        axes: Optional[bool] = None,
    ) -> "Graph":
        """Draws contour lines of heights on a grid.

        Parameters
        ----------
        z : array_like, shape (nx, ny)
            The heights: ``z[i, j]`` lies at ``(x[i], y[j])``, the first index along x, as
            ``numpy.meshgrid(x, y, indexing="ij")`` gives it (matplotlib's Z is ``z.T``).
            A C-contiguous float64 array is read in place.
        x, y : array_like, optional
            The grid's coordinates, not decreasing; 0, 1, 2 ... unless given.
        levels : int
            The number of levels, strictly between the ends of z_range.
        z_range : (float, float), optional
            The range of the levels; the range of the data unless given.
        view : {"plane", "3d", "keep"}
            With the ranges fitted: a plane map, a 3D view with each line at its height, or
            the view as it is.
        colour : colour, optional
            The lines' colour.
        fit, axes : bool, optional
            As for curve().
        """
        graph = self.handle
        xs, ys, zs, nx, ny = self._grid(z, x, y)
        z1, z2 = interval(z_range, "z_range") if z_range is not None else (0.0, 0.0)
        levels = integer(levels, "levels", 1, 2**31 - 1)
        mode = _choice(_CONTOUR_VIEWS, view, "view")
        colour, option = self._colour(colour), self._option(fit, axes)
        code = lib.TkDrawContoursData(graph, xs, ys, zs, nx, ny, levels, z1, z2, mode, colour, option)
        return self._drawn(code, "TkDrawContoursData", option)

    def surface(
        self,
        z: ArrayLike,
        x: Optional[ArrayLike] = None,
        y: Optional[ArrayLike] = None,
        style: str = "hidden",
        colour: Optional[ColourLike] = None,
        lower_colour: Optional[ColourLike] = None,
        fit: Optional[bool] = None,
        axes: Optional[bool] = None,
    ) -> "Graph":
        """Draws the surface of heights on a grid (z, x and y as for contour()).

        Parameters
        ----------
        style : {"hidden", "wire"}
            Hidden lines removed, or the whole wire frame.
        colour, lower_colour : colour, optional
            The colours of the side facing the viewer and of the other side (the same
            unless given).
        """
        graph = self.handle
        xs, ys, zs, nx, ny = self._grid(z, x, y)
        style_code = _choice(_SURFACE_STYLES, style, "style")
        upper, lower = self._sides(colour, lower_colour)
        option = self._option(fit, axes)
        code = lib.TkDrawSurfaceData(graph, xs, ys, zs, nx, ny, style_code, upper, lower, option)
        return self._drawn(code, "TkDrawSurfaceData", option)

    def revolution(
        self,
        radius: Union[str, Formula, ArrayLike],
        z: Union[tuple[float, float], ArrayLike],
        n: int = 40,
        angles: int = 36,
        style: str = "hidden",
        colour: Optional[ColourLike] = None,
        lower_colour: Optional[ColourLike] = None,
        fit: Optional[bool] = None,
        axes: Optional[bool] = None,
    ) -> "Graph":
        """Draws the surface that a profile r(z) sweeps turning about the z axis.

        Parameters
        ----------
        radius : str, Formula or array_like
            The radius as a formula of one variable (without parameters), or the radii of a
            profile at the heights z.
        z : (float, float) or array_like
            The interval of heights for a formula (sampled at n points), or the profile's
            heights, not decreasing, one per radius.
        n : int
            The number of samples of a formula.
        angles : int
            The number of angle steps, 2 or more.
        style : {"hidden", "horizon", "wire", "parallels"}
            Hidden lines removed (with a one-sided horizon), the wire frame, or parallels.
        """
        graph = self.handle
        angles = integer(angles, "angles", 2, 2**31 - 1)
        style_code = _choice(_REVOLUTION_STYLES, style, "style")
        upper, lower = self._sides(colour, lower_colour)
        option = self._option(fit, axes)
        if isinstance(radius, (str, Formula)):
            text, variable = (radius, "z") if isinstance(radius, str) else (radius.text, radius.variables[0])
            if isinstance(radius, Formula) and (radius.params or len(radius.variables) != 1):
                raise ValueError("a radius formula has one variable and no parameters")
            z1, z2 = interval(z, "z")
            n = integer(n, "n", -(2**31), 2**31 - 1)
            code = lib.TkDrawRevolution(graph, text, variable, z1, z2, n, angles, style_code, upper, lower, option)
            return self._drawn(code, "TkDrawRevolution", option)
        radii = as_array(radius, "radius")
        heights = as_array(z, "z")
        if len(heights) != len(radii):
            raise ValueError(f"z holds {len(heights)} heights for {len(radii)} radii")
        code = lib.TkDrawRevolutionArray(
            graph, heights.handle, radii.handle, len(radii), angles, style_code, upper, lower, option
        )
        return self._drawn(code, "TkDrawRevolutionArray", option)

    # ---- marks --------------------------------------------------------------------------

    def _points(self, x: ArrayLike, y: ArrayLike, z: Optional[ArrayLike]):
        xs = float64_array(x, "x")
        return xs, optional_float64_array(y, "y", xs.size), optional_float64_array(z, "z", xs.size)

    def _fit_to(self, xs: np.ndarray, ys: np.ndarray, fit: Optional[bool], axes: Optional[bool]) -> None:
        """What the plotting calls do for their data, for the marks drawn one by one."""
        option = self._option(fit, axes)
        if option & _FIT:
            finite = np.isfinite(xs) & np.isfinite(ys)
            if finite.any():
                self.ranges(x=(xs[finite].min(), xs[finite].max()), y=(ys[finite].min(), ys[finite].max()))
        if option & _DRAW_AXES:
            self.axes()
        self._blank = self._fit_pending = self._axes_pending = False

    def _symbol_colour(self, colour: Optional[ColourLike]) -> None:
        # Symbols and error bars take the graph's symbol colour, which setting turns on.
        lib.TkSetGraphColor(self.handle, _SYMBOL_COLOUR, self._colour(colour))

    def symbols(
        self,
        x: ArrayLike,
        y: ArrayLike,
        z: Optional[ArrayLike] = None,
        mark: Mark = "o",
        colour: Optional[ColourLike] = None,
        fit: Optional[bool] = None,
        axes: Optional[bool] = None,
    ) -> "Graph":
        """Draws a symbol at each point (x[i], y[i]), or (x[i], y[i], z[i]) in space.

        Parameters
        ----------
        mark : int or str
            The symbol: 1..9 or a text such as "o", "s", "^", "+", "x", ".".
        colour : colour, optional
            The symbols' colour (the graph's symbol colour from then on).
        fit, axes : bool, optional
            As for curve(); fitting takes the 2D ranges of x and y.
        """
        graph = self.handle
        xs, ys, zs = self._points(x, y, z)
        code = _symbol(mark)
        self._symbol_colour(colour)
        self._fit_to(xs, ys, fit if zs is None else False, axes)
        if zs is None:
            for xi, yi in zip(xs.tolist(), ys.tolist()):
                lib.TkPlotSymbol(graph, code, xi, yi)
        else:
            for xi, yi, zi in zip(xs.tolist(), ys.tolist(), zs.tolist()):
                lib.TkPlotSymbol3(graph, code, xi, yi, zi)
        return self

    def errorbar(
        self,
        x: ArrayLike,
        y: ArrayLike,
        yerr: Optional[ArrayLike] = None,
        xerr: Optional[ArrayLike] = None,
        mark: Mark = "o",
        colour: Optional[ColourLike] = None,
        fit: Optional[bool] = None,
        axes: Optional[bool] = None,
    ) -> "Graph":
        """Draws error bars of half-widths xerr and yerr about each point, then its symbol.

        Parameters
        ----------
        yerr, xerr : float or array_like, optional
            The half-widths in user units, one for all points or one per point; bars no
            longer than the symbol are left out.
        mark : int or str
            The symbol, as for symbols().
        """
        graph = self.handle
        xs, ys, _ = self._points(x, y, None)
        ex = np.broadcast_to(float64_array(np.ravel(0.0 if xerr is None else xerr), "xerr"), xs.shape)
        ey = np.broadcast_to(float64_array(np.ravel(0.0 if yerr is None else yerr), "yerr"), xs.shape)
        code = _symbol(mark)
        self._symbol_colour(colour)
        self._fit_to(np.concatenate([xs - ex, xs + ex]), np.concatenate([ys - ey, ys + ey]), fit, axes)
        for xi, yi, exi, eyi in zip(xs.tolist(), ys.tolist(), ex.tolist(), ey.tolist()):
            lib.TkErrorBar(graph, code, xi, yi, exi, eyi)
        return self
