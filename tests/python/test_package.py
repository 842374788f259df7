"""The package as its users and its builders see it: documented calls, type hints, and a
binding that stands on the C interface alone."""

from __future__ import annotations

import inspect
import pydoc
import re
from pathlib import Path

import pytest

import kelvo

SOURCE = Path(__file__).resolve().parents[2]
PUBLIC_CALLS = [kelvo.Graph.__init__, kelvo.Graph.plot, kelvo.Graph.plot3, kelvo.Graph.curve, kelvo.Graph.hist,
                kelvo.Graph.contour, kelvo.Graph.surface, kelvo.Graph.revolution, kelvo.Graph.symbols,
                kelvo.Graph.errorbar, kelvo.Graph.text, kelvo.Graph.ranges, kelvo.Graph.axes, kelvo.Graph.show,
                kelvo.Formula.__call__, kelvo.zeroin, kelvo.fmin, kelvo.romberg, kelvo.fft, kelvo.ODE.solve]


@pytest.mark.parametrize("call", PUBLIC_CALLS, ids=lambda call: call.__qualname__)
def test_public_calls_have_docstrings_and_type_hints_for_every_parameter(call):
    assert (call.__doc__ or (call is kelvo.Graph.__init__ and kelvo.Graph.__doc__)), "documented"
    parameters = [p for p in inspect.signature(call).parameters.values() if p.name != "self"]
    unhinted = [p.name for p in parameters if p.annotation is inspect.Parameter.empty]
    assert unhinted == []


def test_help_shows_the_parameters_of_plot():
    text = pydoc.render_doc(kelvo.Graph.plot, renderer=pydoc.plaintext)
    for name in ("x", "y", "mark", "colour", "fit", "axes", "Parameters", "Raises"):
        assert name in text


def test_the_package_is_marked_typed():
    assert (Path(kelvo.__file__).parent / "py.typed").is_file()


def test_the_binding_includes_only_the_public_headers():
    sources = (SOURCE / "python" / "binding").glob("*.[ch]*")
    internal = re.compile(r'#include\s+"(lib|platform|qt)/')
    assert [str(s.name) for s in sources if internal.search(s.read_text())] == []


def test_everything_exported_exists():
    assert all(hasattr(kelvo, name) for name in kelvo.__all__)
    assert re.fullmatch(r"\d+\.\d+\.\d+", kelvo.__version__)
