"""A contour map and a surface of one grid of heights.

The heights are computed on a numpy grid with the first index along x
(numpy.meshgrid(..., indexing="ij")), the library's own order, so the graph reads the
array in place.

Usage: python3 grid_contour_surface.py [contour.png] [surface.png]
"""

import sys

import numpy as np

import kelvo

contour_path = sys.argv[1] if len(sys.argv) > 1 else "grid_contour.png"
surface_path = sys.argv[2] if len(sys.argv) > 2 else "grid_surface.png"

x = np.linspace(-2.0, 2.0, 80)
y = np.linspace(-1.5, 1.5, 60)
gx, gy = np.meshgrid(x, y, indexing="ij")
z = np.exp(-(gx**2 + gy**2)) * np.cos(2 * gx) + 0.3 * np.exp(-((gx - 1) ** 2 + (gy + 0.5) ** 2) * 4)

with kelvo.Graph(520, 420) as graph:
    graph.titles(x="x", y="y", graph="Contours")
    graph.contour(z, x, y, levels=16, colour="darkgreen").save(contour_path)
print(f"grid_contour_surface: wrote {contour_path}")

with kelvo.Graph(520, 420) as graph:
    graph.view(60, -60)
    graph.surface(z[::2, ::2], x[::2], y[::2], colour="darkred", lower_colour="steelblue").save(surface_path)
print(f"grid_contour_surface: wrote {surface_path}")
