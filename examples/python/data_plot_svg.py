"""A numpy data plot saved as SVG: a noisy measurement and its running mean.

The arrays go to the library as they are (contiguous float64 arrays are read in place); the
SVG file holds the lines and the text as vector graphics.

Usage: python3 data_plot_svg.py [picture.svg]
"""

import sys

import numpy as np

import kelvo

path = sys.argv[1] if len(sys.argv) > 1 else "data_plot.svg"

random = np.random.default_rng(7)
t = np.linspace(0.0, 10.0, 2000)
signal = np.sin(t) + 0.3 * random.normal(size=t.size)
mean = np.convolve(signal, np.ones(50) / 50, mode="same")

with kelvo.Graph(640, 400) as graph:
    graph.titles(x="time (s)", y="signal", graph="A measurement and its running mean")
    graph.plot(t, signal, colour="lightsteelblue", axes=False)  # the first plot fits the ranges
    graph.plot(t, mean, colour="darkblue")
    graph.axes()  # over the data, with the titles
    graph.save(path)
print(f"data_plot_svg: wrote {path}")
