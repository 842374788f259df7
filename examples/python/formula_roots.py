"""A formula's curve with its roots marked.

The roots of sin(x) - x/4 lie where the sampled values change sign; kelvo.zeroin narrows
each bracket down with the library's Brent method, and the graph shows the curve, its roots
and their values.

Usage: python3 formula_roots.py [picture.png]
"""

import sys

import numpy as np

import kelvo

FORMULA = "sin(x) - x/4"

path = sys.argv[1] if len(sys.argv) > 1 else "formula_roots.png"

# Brackets from a coarse sampling, written in numpy; the library then finds each root.
x = np.linspace(-5.0, 5.0, 40)
values = np.sin(x) - x / 4
brackets = [(x[i], x[i + 1]) for i in np.flatnonzero(np.sign(values[:-1]) != np.sign(values[1:]))]
roots = [kelvo.zeroin(FORMULA, a, b, tol=1e-12) for a, b in brackets]
for root in roots:
    print(f"root of {FORMULA}: x = {root:.12f}")

with kelvo.Graph(640, 420) as graph:
    graph.titles(graph=f"The roots of {FORMULA}")
    graph.curve(FORMULA, x=(-5.0, 5.0), n=400, colour="darkblue")  # fits the ranges, draws the axes
    graph.symbols(roots, [0.0] * len(roots), mark="filled circle", colour="red")
    for root in roots:
        graph.text(root, 0.25, f"{root:.4f}", align="center", colour="red")
    graph.save(path)
print(f"formula_roots: wrote {path}")
