"""Formulae over a million points: kelvo.Formula against numexpr on the same numpy arrays, in
one process, results into an array made beforehand.

    PYTHONPATH=build/python /usr/bin/python3 bench/python/compare_numexpr.py [--repeats N]

kelvo shares arrays of 100,000 points and more among the cores; its one-core row evaluates the
million points in slices below that. numexpr runs on one thread, then on as many as kelvo.
The aim is kelvo at least 2 times faster than numexpr on one thread. Each time is the best of
the repeats, in nanoseconds per point.
"""

from __future__ import annotations

import argparse
import os
import time
from typing import Callable

import numexpr
import numpy as np

import kelvo

POINTS = 1_000_000
ONE_CORE_SLICE = 50_000
AIM = 2.0

random = np.random.default_rng(27)
X = random.uniform(0.1, 4.0, POINTS)
Y = random.uniform(-2.0, 2.0, POINTS)

# name, kelvo formula and variables, numexpr expression of the same arithmetic
FORMULAE = [
    ("sin(x)/(1+x)", "sin(x)/(1+x)", ("x",), "sin(x)/(1+x)"),
    ("Rosenbrock", "100*(y-x*x)^2+(1-x)^2", ("x", "y"), "100*(y-x*x)**2+(1-x)**2"),
    ("exp(-x*x-y*y)", "exp(-x*x-y*y)", ("x", "y"), "exp(-x*x-y*y)"),
    ("50*exp(-x)/(x-3)/(x-2)", "50*exp(-x)/(x-3)/(x-2)", ("x",), "50*exp(-x)/(x-3)/(x-2)"),
]


def best_time(run: Callable[[], None], repeats: int) -> float:
    best = float("inf")
    for _ in range(repeats):
        start = time.perf_counter()
        run()
        best = min(best, time.perf_counter() - start)
    return best * 1e9 / POINTS


def main() -> None:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--repeats", type=int, default=7)
    repeats = parser.parse_args().repeats
    cores = os.cpu_count() or 1
    out = np.empty(POINTS)
    print(f"{'formula':26s} {'kelvo 1 core':>13s} {'kelvo':>8s} {'numexpr 1':>10s} {'numexpr ' + str(cores):>10s}"
          f" {'1 core ratio':>13s}")
    missed = 0
    for name, text, variables, expression in FORMULAE:
        f = kelvo.Formula(text, variables)
        args = (X, Y)[: len(variables)]
        local = {"x": X, "y": Y}
        kelvo_all = best_time(lambda: f(*args, out=out), repeats)

        def one_core() -> None:
            for start in range(0, POINTS, ONE_CORE_SLICE):
                part = slice(start, start + ONE_CORE_SLICE)
                f(*(a[part] for a in args), out=out[part])

        kelvo_one = best_time(one_core, repeats)
        numexpr.set_num_threads(1)
        numexpr_one = best_time(lambda: numexpr.evaluate(expression, local_dict=local, out=out), repeats)
        numexpr.set_num_threads(cores)
        numexpr_all = best_time(lambda: numexpr.evaluate(expression, local_dict=local, out=out), repeats)
        ratio = numexpr_one / kelvo_one
        missed += ratio < AIM
        print(f"{name:26s} {kelvo_one:10.2f} ns {kelvo_all:5.2f} ns {numexpr_one:7.2f} ns {numexpr_all:7.2f} ns"
              f" {ratio:12.2f}x")
    print(f"aim: kelvo on one core at least {AIM:g}x faster than numexpr on one thread;"
          f" {'met' if not missed else f'missed on {missed}'}")


if __name__ == "__main__":
    main()
