"""The library's error codes as Python exceptions and warnings."""

from __future__ import annotations

import warnings

from . import lib

# The name clash has no message of its own: the library leaves the previous one in place.
_NAME_CLASH = 10425
_NAME_CLASH_MESSAGE = "Name clash: a name is used twice, or is that of pi or of a function"


class KelvoError(Exception):
    """A library call failed with an error code.

    Attributes
    ----------
    code : int
        The library's error code (the reference manual lists them).
    message : str
        The library's message for it; empty for codes that have none.
    call : str
        The C function that reported it.
    """

    def __init__(self, code: int, message: str = "", call: str = "") -> None:
        self.code = code
        self.message = message
        self.call = call
        where = f", in {call}" if call else ""
        super().__init__(f"{message} (code {code}{where})" if message else f"error code {code}{where}")


class KelvoWarning(UserWarning):
    """A warning of the library: the work went on with corrected values (scaling)."""

    def __init__(self, code: int, message: str = "", call: str = "") -> None:
        self.code = code
        self.message = message
        super().__init__(f"{message} (code {code}, in {call})" if message else f"warning code {code} in {call}")


def library_message(code: int) -> str:
    """The message that the library's error state holds for code, or "" if it holds another."""
    if code == _NAME_CLASH:
        return _NAME_CLASH_MESSAGE
    if lib.TkGetErrorCode() != code:
        return ""
    return lib.TkGetErrorMessage(256)[1]


def check(code: int, call: str) -> None:
    """Raises KelvoError for a code other than 0."""
    if code != 0:
        raise KelvoError(code, library_message(code), call)


def check_error_state(call: str) -> None:
    """Raises KelvoError when the error state holds a code: for the calls that return none."""
    check(lib.TkGetErrorCode(), call)


def warn(code: int, call: str, stacklevel: int = 3) -> None:
    """Warns of a code other than 0 that the work went on after."""
    if code != 0:
        warnings.warn(KelvoWarning(code, library_message(code), call), stacklevel=stacklevel)
