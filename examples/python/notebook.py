# %% [markdown]
# # A damped oscillator, in the style of a notebook
#
# Each cell below runs in Jupyter (or VS Code's notebooks) as it stands: a `kelvo.Graph` as
# the last value of a cell shows itself there (`_repr_png_`, `_repr_svg_`). Run as a script,
# the same cells save the pictures: `python3 notebook.py [folder]`.

# %%
import sys
from pathlib import Path

import numpy as np

import kelvo

folder = Path(sys.argv[1] if len(sys.argv) > 1 else ".")

# %% [markdown]
# x'' = -x - 0.3 x', as a set of two formulae solved by the library's Runge-Kutta-Fehlberg
# steps.

# %%
ode = kelvo.ODE({"x": "v", "v": "-x - 0.3*v"}, {"x": 1.0, "v": 0.0}, abs_tol=1e-9, rel_tol=1e-9)
t, y = ode.solve(30.0)
print(f"{t.size - 1} steps; x(30) = {y[-1, 0]:.6f}")

# %%
oscillation = kelvo.Graph(640, 360)
oscillation.titles(x="t", y="x, v", graph="x'' = -x - 0.3 x'")
oscillation.plot(t, y[:, 0], colour="darkblue").plot(t, y[:, 1], colour="orange")
oscillation  # shows itself in a notebook

# %% [markdown]
# The energy x² + v² decays as exp(-0.3 t) on average; the library integrates it.

# %%
energy_decay = kelvo.romberg("exp(-0.3*x)", 0.0, 30.0, halvings=12)
print(f"integral of exp(-0.3 t) over 0..30: {energy_decay:.9f} (exactly {(1 - np.exp(-9)) / 0.3:.9f})")

# %% [markdown]
# Its spectrum, from 2^10 samples on an even time grid.

# %%
even = np.linspace(0.0, 30.0, 1024, endpoint=False)
samples = np.interp(even, t, y[:, 0])
spectrum = np.abs(kelvo.fft(samples))[:64]
frequencies = np.arange(64) / 30.0
peak = frequencies[np.argmax(spectrum[1:]) + 1]
print(f"the strongest frequency: {peak:.3f} per unit time (expected {np.sqrt(1 - 0.15**2) / (2 * np.pi):.3f})")
spectrum_graph = kelvo.Graph(640, 360).titles(x="frequency", y="|X|", graph="Spectrum")
spectrum_graph.plot(frequencies, spectrum, mark="o-", colour="purple")
spectrum_graph

# %%
oscillation.save(folder / "notebook_oscillation.svg")
spectrum_graph.save(folder / "notebook_spectrum.png")
print(f"notebook: wrote {folder / 'notebook_oscillation.svg'} and {folder / 'notebook_spectrum.png'}")
