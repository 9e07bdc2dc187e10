"""Fixtures: the simulated spectrometer inside this process, and the C
reference program that prints what the same library calls give from C.

Environment (set by the CTest entry):
  SPECSDK_LIBRARY     the library under test
  SPECSDK_REFERENCE   the reference program (tests/reference.c)
  TESSELUSB_STATE     the demo spectrometer's state file, for both processes
"""

import ctypes
import json
import os
import subprocess
from pathlib import Path
from typing import Iterator, List, Optional

import numpy as np
import pytest

import specsdk

DEMO = {"device": "spectrometer"}


class Simulator:
    """The test controls of the simulated USB library that specsdk loaded."""

    def __init__(self) -> None:
        # The USB library lies beside specsdk in the build; dlopen hands back
        # the copy specsdk already loaded, so both see one instrument.
        path = Path(specsdk.library_path()).parent / "libTesselUSB.so"
        self.handle = ctypes.CDLL(str(path))
        self.handle.tsim_load_state.argtypes = [ctypes.c_char_p]

    def load(self, state: dict, valid: bool = True) -> None:
        loaded = self.handle.tsim_load_state(json.dumps(state).encode()) == 1
        assert loaded == valid, state


@pytest.fixture
def sim() -> Iterator[Simulator]:
    simulator = Simulator()
    simulator.load(DEMO)
    yield simulator
    simulator.load(DEMO)


@pytest.fixture
def spectrometer(sim: Simulator) -> Iterator[specsdk.Spectrometer]:
    with specsdk.Spectrometer() as device:
        yield device


def reference(*arguments: str, stdin: Optional[str] = None) -> List[List[float]]:
    """The reference program's lines, split into numbers."""
    program = os.environ["SPECSDK_REFERENCE"]
    done = subprocess.run([program, *arguments], input=stdin, capture_output=True, text=True,
                          check=True)
    return [[float(v) for v in line.split()] for line in done.stdout.splitlines()]


def reference_array(*arguments: str) -> np.ndarray:
    return np.array(reference(*arguments))
