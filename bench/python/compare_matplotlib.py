"""The same five plots drawn to PNG files by kelvo and by matplotlib's Agg backend, in one
process, with the time each takes from an empty figure to the file written.

    PYTHONPATH=build/python /usr/bin/python3 bench/python/compare_matplotlib.py [--repeats N]

The plots: a labelled 2D curve, a random walk of 10^6 points, a histogram of 10^6 samples, a
200 x 200 contour map and a 50 x 50 surface, each 800 x 600 pixels. The aim is kelvo at
least 5 times faster than matplotlib on each. Beside them, the floor of kelvo: a graph made
and its PNG file written with one pixel drawn, which no plot can go below; and each kelvo
plot drawn with its pixels read but no file written, which tells the drawing's share from
the file's. The data are made before the clock starts; each time is the best of the repeats.
"""

from __future__ import annotations

import argparse
import os
import tempfile
import time
from typing import Callable

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402
import numpy as np  # noqa: E402

import kelvo  # noqa: E402

WIDTH, HEIGHT, DPI = 800, 600, 100
AIM = 5.0

random = np.random.default_rng(2026)
WALK = np.cumsum(random.normal(size=1_000_000))
SAMPLES = random.normal(size=1_000_000)
GRID_X = np.linspace(-2.0, 2.0, 200)
GRID_Y = np.linspace(-2.0, 2.0, 200)
CONTOUR_Z = np.sin(3 * GRID_X)[:, None] * np.cos(2 * GRID_Y)[None, :] + np.add.outer(GRID_X**2, GRID_Y**2) / 4
SURFACE_X = np.linspace(-3.0, 3.0, 50)
SURFACE_Y = np.linspace(-3.0, 3.0, 50)
SURFACE_Z = np.exp(-np.add.outer(SURFACE_X**2, SURFACE_Y**2) / 4) * np.cos(np.add.outer(SURFACE_X, SURFACE_Y))


# ---- kelvo --------------------------------------------------------------------------------
# Each draws into a graph of WIDTH x HEIGHT; kelvo_file() and kelvo_drawn() time it with its
# PNG file written, and with its pixels read instead, which tells the drawing from the file.


def kelvo_floor(graph: kelvo.Graph) -> None:
    kelvo.lib.TkGpPixel(graph.handle, 1, 1)


def kelvo_curve(graph: kelvo.Graph) -> None:
    graph.titles(x="x", y="sin(x) / x", graph="A labelled curve")
    graph.curve("sin(x)/x", x=(0.1, 20.0), n=500, colour="darkblue")


def kelvo_walk(graph: kelvo.Graph) -> None:
    graph.plot(WALK, colour="darkblue")


def kelvo_histogram(graph: kelvo.Graph) -> None:
    graph.hist(SAMPLES, bins=100, colour="steelblue")


def kelvo_contour(graph: kelvo.Graph) -> None:
    graph.contour(CONTOUR_Z, GRID_X, GRID_Y, levels=20, colour="darkgreen")


def kelvo_surface(graph: kelvo.Graph) -> None:
    graph.surface(SURFACE_Z, SURFACE_X, SURFACE_Y, colour="darkred", lower_colour="steelblue")


def kelvo_file(draw: Callable[[kelvo.Graph], None]) -> Callable[[str], None]:
    def drawn_and_saved(path: str) -> None:
        with kelvo.Graph(WIDTH, HEIGHT) as graph:
            draw(graph)
            graph.save(path)

    return drawn_and_saved


def kelvo_drawn(draw: Callable[[kelvo.Graph], None]) -> Callable[[str], None]:
    def drawn(_: str) -> None:
        with kelvo.Graph(WIDTH, HEIGHT) as graph:
            draw(graph)
            graph.pixels()

    return drawn


# ---- matplotlib ---------------------------------------------------------------------------


def figure():
    return plt.figure(figsize=(WIDTH / DPI, HEIGHT / DPI), dpi=DPI)


def saved(fig, path: str) -> None:
    fig.savefig(path, dpi=DPI)
    plt.close(fig)


def matplotlib_curve(path: str) -> None:
    fig = figure()
    axes = fig.add_subplot()
    x = np.linspace(0.1, 20.0, 500)
    axes.plot(x, np.sin(x) / x, color="darkblue")
    axes.set(xlabel="x", ylabel="sin(x) / x", title="A labelled curve")
    saved(fig, path)


def matplotlib_walk(path: str) -> None:
    fig = figure()
    fig.add_subplot().plot(WALK, color="darkblue")
    saved(fig, path)


def matplotlib_histogram(path: str) -> None:
    fig = figure()
    fig.add_subplot().hist(SAMPLES, bins=100, color="steelblue", edgecolor="black")
    saved(fig, path)


def matplotlib_contour(path: str) -> None:
    fig = figure()
    fig.add_subplot().contour(GRID_X, GRID_Y, CONTOUR_Z.T, levels=20, colors="darkgreen")
    saved(fig, path)


def matplotlib_surface(path: str) -> None:
    fig = figure()
    axes = fig.add_subplot(projection="3d")
    gx, gy = np.meshgrid(SURFACE_X, SURFACE_Y, indexing="ij")
    axes.plot_surface(gx, gy, SURFACE_Z, color="white", edgecolor="darkred", linewidth=0.5, rstride=1, cstride=1)
    saved(fig, path)


PLOTS = [
    ("labelled 2D curve", kelvo_curve, matplotlib_curve),
    ("random walk, 10^6 points", kelvo_walk, matplotlib_walk),
    ("histogram, 10^6 samples", kelvo_histogram, matplotlib_histogram),
    ("contour map, 200 x 200", kelvo_contour, matplotlib_contour),
    ("surface, 50 x 50", kelvo_surface, matplotlib_surface),
]


def best_time(draw: Callable[[str], None], path: str, repeats: int) -> float:
    draw(path)  # the first call pays for imports, fonts and caches
    best = float("inf")
    for _ in range(repeats):
        start = time.perf_counter()
        draw(path)
        best = min(best, time.perf_counter() - start)
    return best


def main() -> None:
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--repeats", type=int, default=5)
    parser.add_argument("--keep", help="a folder to keep the pictures in, for looking at them")
    arguments = parser.parse_args()
    folder = arguments.keep or tempfile.mkdtemp(prefix="kelvo-bench-")
    os.makedirs(folder, exist_ok=True)

    floor = best_time(kelvo_file(kelvo_floor), os.path.join(folder, "kelvo_floor.png"), arguments.repeats)
    print(f"{'plot':28} {'kelvo ms':>10} {'drawn ms':>9} {'matplotlib ms':>14} {'speed-up':>9}  aim {AIM:.0f}x")
    print(f"{'floor: graph and PNG file':28} {floor * 1e3:10.2f}")
    for index, (name, with_kelvo, with_matplotlib) in enumerate(PLOTS, start=1):
        reference = best_time(with_matplotlib, os.path.join(folder, f"{index}_matplotlib.png"), arguments.repeats)
        try:
            ours = best_time(kelvo_file(with_kelvo), os.path.join(folder, f"{index}_kelvo.png"), arguments.repeats)
            drawn = best_time(kelvo_drawn(with_kelvo), "", arguments.repeats)
        except NotImplementedError as waiting:
            print(f"{name:28} {'-':>10} {'-':>9} {reference * 1e3:14.2f} {'-':>9}  {waiting}")
            continue
        speed_up = reference / ours
        verdict = "met" if speed_up >= AIM else f"missed (floor {reference / floor:.1f}x)"
        print(f"{name:28} {ours * 1e3:10.2f} {drawn * 1e3:9.2f} {reference * 1e3:14.2f} {speed_up:8.1f}x  {verdict}")
    print(f"pictures in {folder}")


if __name__ == "__main__":
    main()
